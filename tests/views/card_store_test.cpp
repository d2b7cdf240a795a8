// The mail and bookmark stores with the real model plug-ins: the sample cards load once, mail
// shows its decoded subjects, and bookmarks go back to the card whole.

#include "views/bookmark/bookmark_store.h"
#include "views/mail/mail_store.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/owned_block.h"
#include "common/sjis_literal.h"
#include "host/codec_binding.h"
#include "host/plugin_host.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <tuple>

namespace {

using Block = OwnedBlock<>;

// A card folder with an empty data-management file beside the card file.
class CardFolder
{
public:
    CardFolder()
    {
        std::ofstream(m_dir.file("PIM_DATA.PIM"), std::ios::binary)
            .write("\0\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0", 16);
    }
    std::string file(const std::string &name) const { return m_dir.file(name); }

private:
    testing_support::TempDir m_dir;
};

std::string modelName(std::string model)
{
    for (size_t i = 0; i + 1 < model.size(); ++i)
        model[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(model[i])));
    return "DoCoMo " + model;
}

class CardStoreTest : public testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        ASSERT_GT(plugins.discover(CELLVANE_PLUGIN_DIR "/"), 0);
        ASSERT_TRUE(plugins.selectByModelName(modelName(GetParam())));
    }

    Block load(int kind, const std::string &sample, const CardFolder &folder,
               const std::string &name) const
    {
        std::filesystem::copy_file(
            std::string(CELLVANE_TEST_DATA) + "/" + GetParam() + "/" + sample, folder.file(name));
        return Block(plugins.loadData(kind, folder.file(name).c_str()));
    }

    host::PluginHost plugins;
};

using Bookmark = std::tuple<std::string, std::string, std::string>;

std::vector<Bookmark> listed(const views::BookmarkStore &store)
{
    std::vector<Bookmark> rows;
    for (int row = 0; row < store.RowCount(); ++row)
        rows.emplace_back(store.rowText(row, 0), store.rowText(row, 1), store.rowText(row, 2));
    std::sort(rows.begin(), rows.end());
    return rows;
}

using BookmarkCardStoreTest = CardStoreTest;

TEST_P(BookmarkCardStoreTest, SampleCardLoadsOnceAndGoesBackToTheCardWhole)
{
    CardFolder folder;
    const Block loaded = load(KIND_BOOKMARK, "bookmark/Sample.VBM", folder, "PIM00001.VBM");
    ASSERT_TRUE(loaded);
    views::BookmarkStore store;
    const int bookmarks = static_cast<int>(ChainLength(loaded.get()));
    EXPECT_EQ(store.MergeRecords(loaded.get(), false, true, true), bookmarks);
    EXPECT_EQ(store.MergeRecords(loaded.get(), false, true, true), 0) << "all duplicates";
    store.RefreshAllRows();

    const Block chain(store.BuildCardChain());
    ASSERT_TRUE(chain);
    CardFolder copy;
    ASSERT_EQ(plugins.saveData(KIND_BOOKMARK, copy.file("PIM00001.VBM").c_str(), chain.get()), 0)
        << plugins.getPluginLastError();
    const Block reloaded(plugins.loadData(KIND_BOOKMARK, copy.file("PIM00001.VBM").c_str()));
    views::BookmarkStore again;
    EXPECT_EQ(again.MergeRecords(reloaded.get(), false, true, false), bookmarks);
    again.RefreshAllRows();
    EXPECT_EQ(listed(again), listed(store));
}

INSTANTIATE_TEST_SUITE_P(Models, BookmarkCardStoreTest,
                         testing::Values("sh505i", "p505i", "n505i", "f505i"),
                         [](const testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param);
                         });

TEST(MailCardStoreTest, TheSampleCardShowsItsBoxesWithDecodedSubjects)
{
    host::PluginHost plugins;
    ASSERT_GT(plugins.discover(CELLVANE_PLUGIN_DIR "/"), 0);
    ASSERT_TRUE(plugins.selectByModelName("DoCoMo SH505i"));
    host::CodecBinding codec;
    ASSERT_TRUE(codec.bind(HANDSETKIT_PATH));
    CardFolder folder;
    std::filesystem::copy_file(std::string(CELLVANE_TEST_DATA) + "/sh505i/mail/Sample.VMG",
                               folder.file("PIM00001.VMG"));
    const Block loaded(plugins.loadData(KIND_MAIL, folder.file("PIM00001.VMG").c_str()));
    ASSERT_TRUE(loaded);

    views::MailStore store;
    store.setCodecs(views::mailCodecsOf(codec));
    EXPECT_EQ(store.AddRecords(loaded.get(), false, true, true), 8);
    EXPECT_EQ(store.AddRecords(loaded.get(), false, true, true), 0) << "a second load";
    store.Rebuild();
    ASSERT_EQ(store.RowCount(), 6);
    const std::vector<std::string> subjects
        = {sjis("週末の予定"), sjis("お知らせ"),   sjis("写真を送ります"),
           sjis("会議の件"),   sjis("ありがとう"), " Summer sale"};
    for (int row = 0; row < store.RowCount(); ++row)
        EXPECT_EQ(store.rowText(row, 3), subjects[size_t(row)]) << row;
    EXPECT_EQ(store.rowText(0, 2), "2003/08/01 18:30:12");
    EXPECT_EQ(store.rowText(0, 0), sjis("既読"));
    EXPECT_EQ(store.rowText(1, 0), sjis("未読"));

    store.ChooseFolder(views::MailStore::Outbox);
    ASSERT_EQ(store.RowCount(), 2);
    EXPECT_EQ(store.rowText(0, 0), sjis("送信済み"));
    EXPECT_EQ(store.rowText(0, 3), sjis("Re: 週末の予定"));
    EXPECT_EQ(store.rowText(1, 0), sjis("未送信"));
}

} // namespace
