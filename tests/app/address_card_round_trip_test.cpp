// The address book's way through the memory card with the real SH505i plug-in: a card written
// by the plug-in is loaded through the card transfer into the address view, saved back to the
// card as a new file, and that file alone loads again to the same entries.
#include "app/card_transfer.h"
#include "card_fakes.h"
#include "common/data_block.h"
#include "common/sjis_literal.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "tests/support/temp_dir.h"
#include "views/address/address_view.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Person
{
    int32_t memoryNumber;
    const char *name;
    const char *reading;
    int32_t group;
    const char *groupName;
    const char *phone;
    const char *mail;
    const char *note;
};

const Person People[] = {
    {99999, sjis("携帯太郎"), sjis("ｹｲﾀｲﾀﾛｳ"), 0, "", "09011112222", "owner@docomo.ne.jp", ""},
    {12, sjis("山田花子"), sjis("ﾔﾏﾀﾞﾊﾅｺ"), 1, sjis("友人"), "0312345678", "hanako@example.jp",
     sjis("誕生日は5月5日")},
    {13, sjis("佐藤一郎"), sjis("ｻﾄｳｲﾁﾛｳ"), 2, sjis("会社"), "0355556666", "", sjis("営業部")},
    {105, "Smith John", "", 1, sjis("友人"), "09099990000", "john@example.org", ""},
    {749, sjis("渡辺病院"), sjis("ﾜﾀﾅﾍﾞﾋﾞｮｳｲﾝ"), 0, "", "0337778888", "", ""},
};

void copyText(char *field, size_t size, const char *text)
{
    std::strncpy(field, text, size - 1);
}

// The people as one chain of address records, as the editor hands a book to the plug-in.
std::vector<AddressRecord> chainOfPeople()
{
    std::vector<AddressRecord> records(std::size(People));
    for (size_t i = 0; i < records.size(); ++i) {
        AddressRecord &record = records[i];
        const Person &person = People[i];
        record.header = {RECORD_VERSION_ADDRESS, sizeof(AddressRecord), 1001, 0, 0};
        record.memoryNumber = person.memoryNumber;
        record.groupNumber = person.group;
        copyText(record.groupName, sizeof record.groupName, person.groupName);
        copyText(record.name, sizeof record.name, person.name);
        copyText(record.reading, sizeof record.reading, person.reading);
        copyText(record.phones[0].number, sizeof record.phones[0].number, person.phone);
        copyText(record.mails[0].address, sizeof record.mails[0].address, person.mail);
        copyText(record.note, sizeof record.note, person.note);
        if (i > 0)
            ChainRecords(&records[i - 1], &record);
    }
    return records;
}

// What an entry is on the phone, written as one line for comparing books.
std::string describe(const AddressRecord &record)
{
    return std::to_string(record.memoryNumber) + "|" + record.name + "|" + record.reading + "|"
           + std::to_string(record.groupNumber) + "|" + record.groupName + "|"
           + record.phones[0].number + "|" + record.mails[0].address + "|" + record.note;
}

std::vector<std::string> bookOf(const views::AddressStore &store)
{
    std::vector<std::string> book;
    for (int i = 0; i < store.RecordCount(); ++i) {
        AddressRecord record{};
        store.GetRecord(i, record);
        book.push_back(describe(record));
    }
    return book;
}

class AddressCardRoundTripTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_GT(plugins.discover(MODEL_PLUGIN_DIR), 0);
        ASSERT_TRUE(plugins.selectByModelName("DoCoMo SH505i"));
        limits.refill(plugins);
        fs::create_directories(folder());
        // The phone formats a card with an empty data-management file.
        std::ofstream(folder() + "PIM_DATA.PIM", std::ios::binary)
            .write("\0\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0", 16);
    }

    std::string folder() const { return card.path() + "/SD_PIM/"; }

    int load(views::CAddressView &view)
    {
        view.setModelTables(&limits, &plugins);
        return transfer.loadFromRoot(view, root);
    }

    host::PluginHost plugins;
    host::KindLimitCache limits;
    testing_support::TempDir card;
    app::CardRoot root{card.path(), ""};
    app::HostCardPlugin plugin{plugins};
    ScriptedMessages messages;
    RecordingProgress progress;
    CountingBusyPointer busy;
    FixedCardChooser chooser;
    app::CardTransfer transfer{{plugin, limits, messages, progress, busy, chooser}};
};

TEST_F(AddressCardRoundTripTest, ABookSavedToTheCardLoadsBackTheSame)
{
    std::vector<AddressRecord> written = chainOfPeople();
    ASSERT_EQ(plugins.saveData(1001, (folder() + "PIM00001.VCF").c_str(), written.data()), 0);

    views::CAddressView view;
    EXPECT_EQ(load(view), 4) << "the owner's entry is not counted";
    EXPECT_EQ(messages.shown.back().text, sjis("4 件、読み込みました。"));
    const std::vector<std::string> loaded = bookOf(view.store());
    ASSERT_EQ(loaded.size(), std::size(People));
    EXPECT_EQ(loaded[0], describe(written[0])) << "the owner's entry leads";
    EXPECT_EQ(view.store().RowCount(), 4);

    EXPECT_EQ(transfer.saveToRoot(view, root), 1);
    EXPECT_EQ(messages.shown.back().text, sjis("ﾌｧｲﾙ [PIM00002.VCF] を保存しました。"));
    ASSERT_TRUE(fs::exists(folder() + "PIM00002.VCF"));

    fs::remove(folder() + "PIM00001.VCF");
    views::CAddressView again;
    EXPECT_EQ(load(again), 4);
    EXPECT_EQ(bookOf(again.store()), loaded);
}

} // namespace
