// Address-book cards of every model through LoadData and SaveData: the written text against
// expected card files, write-then-read round trips, and the loader's rules.
#include "address_book_fixture.h"
#include "kind_records.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "plugins/core/plugin_interface.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

template<size_t N>
void put(char (&field)[N], const std::string &text)
{
    ASSERT_LT(text.size(), N);
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), text.size());
}

bool writesQuotedPrintableNote(const std::string &model)
{
    return model == "sh505i" || model == "f505i";
}

// The owner and one entry with every field filled.
std::vector<AddressRecord> sampleBook(const std::string &model)
{
    AddressRecord owner = addressRecord(OWNER_MEMORY_NUMBER, sjis("携帯太郎"));
    put(owner.reading, sjis("ｹｲﾀｲﾀﾛｳ"));
    put(owner.phones[0].number, "09011112222");
    owner.phones[0].icon = 1;
    put(owner.mails[0].address, "owner@docomo.ne.jp");
    owner.mails[0].icon = 1;

    AddressRecord entry = addressRecord(12, sjis("山田花子"));
    entry.groupNumber = 3;
    put(entry.groupName, sjis("友人"));
    put(entry.reading, sjis("ﾔﾏﾀﾞﾊﾅｺ"));
    put(entry.postalCode, "100-0001");
    put(entry.postalAddress, sjis("東京都千代田区1-2-3"));
    const char *numbers[] = {"0312345678", "09033334444", "0355556666", "0366667777"};
    const int32_t phoneIcons[] = {2, 1, 3, 4};
    for (int i = 0; i < 4; ++i) {
        put(entry.phones[i].number, numbers[i]);
        entry.phones[i].icon = phoneIcons[i];
    }
    const char *addresses[] = {"hanako@example.jp", "hanako@docomo.ne.jp", "h@example.com"};
    for (int i = 0; i < 3; ++i) {
        put(entry.mails[i].address, addresses[i]);
        entry.mails[i].icon = i + 2;
    }
    entry.illumination = 2 * 256 + 5;
    put(entry.note, writesQuotedPrintableNote(model)
                        ? sjis("誕生日は5月5日。\r\n趣味: テニス、読書、旅行と料理 and a long "
                               "English tail to force a soft break")
                        : sjis("誕生日は5月5日。"));
    return {owner, entry};
}

// What a model's card keeps of sampleBook after a write and a read.
struct Carried
{
    const char *model;
    std::vector<int32_t> memoryNumbers;
    std::vector<int32_t> groupNumbers;
    bool groupName;
    int phones;
    int mails;
    bool mailIcons;
    bool postalAddress;
    bool postalCode;
    bool note;
    bool illumination;
};

const Carried kCarried[] = {
    {"sh505i", {99999, 12}, {0, 3}, true, 3, 1, false, false, false, true, false},
    {"p505i", {99999, 10}, {-1, -1}, false, 3, 3, true, false, false, true, true},
    {"so505i", {10}, {3}, false, 3, 3, true, true, false, false, false},
    {"d505i", {10}, {-1}, false, 3, 3, false, false, false, false, false},
    {"n505i", {99999, 10}, {0, 3}, false, 4, 3, true, true, true, true, false},
    {"f505i", {99999, 12}, {-1, 3}, true, 3, 3, true, false, false, true, false},
};

std::string orEmpty(bool kept, const char *text)
{
    return kept ? text : "";
}

class AddressCardTest : public testing::TestWithParam<size_t>
{
protected:
    const Carried &carried() const { return kCarried[GetParam()]; }
    CardFolder folder{kCarried[GetParam()].model};

    void SetUp() override
    {
        ASSERT_TRUE(folder.plugin().isLoaded()) << folder.plugin().loadError();
    }
};

TEST_P(AddressCardTest, WritesTheExpectedCardText)
{
    ASSERT_EQ(folder.save(sampleBook(carried().model)), 0);
    const std::string expected
        = readFile(std::string(CELLVANE_TEST_DATA) + "/" + carried().model + "/address/Sample.VCF");
    ASSERT_FALSE(expected.empty());
    const std::string written = readFile(folder.cardPath());
    EXPECT_EQ(written, expected) << testing_support::firstDifferingLine(expected, written);
}

TEST_P(AddressCardTest, ReadsBackEveryFieldTheModelCarries)
{
    const std::vector<AddressRecord> book = sampleBook(carried().model);
    ASSERT_EQ(folder.save(book), 0);
    const std::vector<AddressRecord> loaded = folder.loadCardFile();
    EXPECT_EQ(folder.plugin().getPluginLastError(), 0);
    ASSERT_EQ(loaded.size(), carried().memoryNumbers.size());
    const size_t skipped = book.size() - loaded.size();
    for (size_t i = 0; i < loaded.size(); ++i) {
        const AddressRecord &in = book[i + skipped];
        const AddressRecord &out = loaded[i];
        SCOPED_TRACE("record " + std::to_string(i));
        EXPECT_EQ(out.header.version, RECORD_VERSION_ADDRESS);
        EXPECT_EQ(out.header.size, 1552u);
        EXPECT_EQ(out.header.kind, static_cast<uint32_t>(KIND_ADDRESS));
        EXPECT_EQ(out.memoryNumber, carried().memoryNumbers[i]);
        EXPECT_EQ(out.groupNumber, carried().groupNumbers[i]);
        EXPECT_STREQ(out.groupName, orEmpty(carried().groupName, in.groupName).c_str());
        EXPECT_STREQ(out.name, in.name);
        EXPECT_STREQ(out.reading, in.reading);
        EXPECT_STREQ(out.postalAddress, orEmpty(carried().postalAddress, in.postalAddress).c_str());
        EXPECT_STREQ(out.postalCode, orEmpty(carried().postalCode, in.postalCode).c_str());
        for (int slot = 0; slot < 4; ++slot) {
            const bool kept = slot < carried().phones;
            EXPECT_STREQ(out.phones[slot].number, orEmpty(kept, in.phones[slot].number).c_str());
            EXPECT_EQ(out.phones[slot].icon, kept ? in.phones[slot].icon : 0) << "phone " << slot;
        }
        for (int slot = 0; slot < 4; ++slot) {
            const bool kept = slot < carried().mails;
            EXPECT_STREQ(out.mails[slot].address, orEmpty(kept, in.mails[slot].address).c_str());
            EXPECT_EQ(out.mails[slot].icon, kept && carried().mailIcons ? in.mails[slot].icon : 0)
                << "mail " << slot;
        }
        EXPECT_STREQ(out.note, orEmpty(carried().note, in.note).c_str());
        EXPECT_EQ(out.illumination, carried().illumination ? in.illumination : 0);
    }
    for (size_t i = 1; i < loaded.size(); ++i)
        EXPECT_NE(loaded[i].header.prev, 0);
}

TEST_P(AddressCardTest, ReadsBareLineFeedsLikeCrLf)
{
    ASSERT_EQ(folder.save(sampleBook(carried().model)), 0);
    std::string text = readFile(folder.cardPath());
    const std::vector<AddressRecord> withCrLf = folder.loadCardFile();
    std::string bare;
    for (char c : text)
        if (c != '\r')
            bare += c;
    const std::vector<AddressRecord> withLf = folder.load(bare);
    ASSERT_EQ(withLf.size(), withCrLf.size());
    for (size_t i = 0; i < withLf.size(); ++i) {
        EXPECT_STREQ(withLf[i].name, withCrLf[i].name);
        EXPECT_STREQ(withLf[i].note, withCrLf[i].note);
        EXPECT_STREQ(withLf[i].phones[0].number, withCrLf[i].phones[0].number);
    }
}

TEST_P(AddressCardTest, NeverOverrunsAFieldWhateverTheCardHolds)
{
    // Values one byte too long for their fields are left empty, not cut.
    const std::string number(64, '1');
    const std::string address(120, 'a');
    const std::string longAddress = address + "@example";
    const std::string group(64, 'G');
    const std::string postal(256, 'P');
    const std::vector<std::string> card
        = {"BEGIN:VCARD",
           "VERSION:2.1",
           "N:" + std::string(63, 'n'),
           "SOUND:" + std::string(64, 's'),
           "TEL;VOICE:" + number,
           "TEL;VOICE:123",
           "EMAIL;INTERNET:" + longAddress,
           "X-GN;CHARSET=SHIFT_JIS:" + group,
           "X-GNO:2",
           "ADR:;" + postal + ";;;;;",
           "ADR;HOME:;;" + postal + ";;;" + std::string(16, '9') + ";",
           "X-NO:5",
           "X-SH-CATEGORIES:BACKUP",
           "X-FUJITSU-SC:",
           "END:VCARD"};
    std::vector<std::string> lines = card;
    lines.insert(lines.end(), card.begin(), card.end());
    const std::vector<AddressRecord> loaded = folder.load(cardText(lines));
    ASSERT_FALSE(loaded.empty()) << folder.plugin().getPluginLastError();
    for (const AddressRecord &record : loaded) {
        EXPECT_EQ(std::string(record.name), std::string(63, 'n'));
        EXPECT_STREQ(record.reading, "");
        EXPECT_STREQ(record.phones[0].number, "");
        EXPECT_STREQ(record.phones[1].number, "123");
        EXPECT_STREQ(record.mails[0].address, "");
        EXPECT_STREQ(record.groupName, "");
        EXPECT_STREQ(record.postalAddress, "");
        EXPECT_STREQ(record.postalCode, "");
    }
}

std::string modelName(const testing::TestParamInfo<size_t> &info)
{
    return kCarried[info.param].model;
}

INSTANTIATE_TEST_SUITE_P(AllModels, AddressCardTest, testing::Range<size_t>(0, 6), modelName);

} // namespace
