#include "views/schedule/schedule_store.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/owned_block.h"
#include "host/plugin_host.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

using views::ScheduleStore;

using Block = OwnedBlock<>;

// A card folder with the data-management file the SH505i plug-in wants beside its files.
class CardFolder
{
public:
    CardFolder()
    {
        std::ofstream(m_dir.file("PIM_DATA.PIM"), std::ios::binary)
            .write("\0\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0", 16);
    }
    std::string cardPath() const { return m_dir.file("PIM00001.VCS"); }

private:
    testing_support::TempDir m_dir;
};

std::string modelName(std::string model)
{
    for (size_t i = 0; i + 1 < model.size(); ++i)
        model[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(model[i])));
    return "DoCoMo " + model;
}

class ScheduleCardStoreTest : public testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        ASSERT_GT(plugins.discover(CELLVANE_PLUGIN_DIR "/"), 0);
        ASSERT_TRUE(plugins.selectByModelName(modelName(GetParam())));
    }

    Block load(const std::string &path) const
    {
        return Block(plugins.loadData(KIND_SCHEDULE, path.c_str()));
    }

    host::PluginHost plugins;
};

TEST_P(ScheduleCardStoreTest, SampleCardLoadsOnceAndGoesBackToTheCardWhole)
{
    CardFolder folder;
    std::filesystem::copy_file(std::string(CELLVANE_TEST_DATA) + "/" + GetParam()
                                   + "/schedule/Sample.VCS",
                               folder.cardPath());
    const Block loaded = load(folder.cardPath());
    ASSERT_TRUE(loaded);
    const int entries = static_cast<int>(ChainLength(loaded.get()));
    ScheduleStore store;
    EXPECT_EQ(store.AddRecords(loaded.get(), false, true, true), entries);
    EXPECT_EQ(store.AddRecords(loaded.get(), false, true, true), 0) << "a second load adds nothing";
    store.Rebuild();

    const Block chain(store.CardBlock());
    ASSERT_TRUE(chain);
    CardFolder copy;
    ASSERT_EQ(plugins.saveData(KIND_SCHEDULE, copy.cardPath().c_str(), chain.get()), 0)
        << plugins.getPluginLastError();
    const Block reloaded = load(copy.cardPath());
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(store.AddRecords(reloaded.get(), false, true, false), 0)
        << "what went to the card comes back identical";
    EXPECT_EQ(store.RecordCount(), entries);
}

INSTANTIATE_TEST_SUITE_P(Models, ScheduleCardStoreTest,
                         testing::Values("sh505i", "p505i", "so505i", "d505i", "n505i", "f505i"),
                         [](const testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param);
                         });

} // namespace
