#include "exchange/vcard_export.h"

#include "common/data_kind.h"
#include "common/sjis_literal.h"
#include "platform/sjis_text.h"
#include "python_checker.h"
#include "sample_card.h"
#include "tests/support/first_differing_line.h"
#include "tests/support/temp_dir.h"
#include "views/address/address_view_core.h"
#include "views/common/record_fields.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using exchange_testing::CheckedEntry;

// Option lists 201 and 202 of a made-up model.
std::optional<std::string> optionName(int list, int index)
{
    static const std::map<std::pair<int, int>, const char *> names = {
        {{201, 0}, sjis("一般電話")}, {{201, 1}, sjis("携帯電話")},
        {{201, 2}, sjis("自宅")},     {{201, 3}, sjis("会社ＦＡＸ")},
        {{202, 0}, sjis("メール")},   {{202, 1}, sjis("会社メール")},
    };
    const auto found = names.find({list, index});
    if (found == names.end())
        return std::nullopt;
    return found->second;
}

AddressRecord entry(int32_t memoryNumber, const char *name, const char *reading = "")
{
    AddressRecord record{};
    record.header = {RECORD_VERSION_ADDRESS, sizeof(AddressRecord), KIND_ADDRESS, 0, 0};
    record.memoryNumber = memoryNumber;
    record.groupNumber = -1;
    views::setFieldText(record.name, name);
    views::setFieldText(record.reading, reading);
    return record;
}

class VCardExportTest : public testing::Test
{
protected:
    VCardExportTest() { store.setLimits({1000, false, false}); }

    void add(const AddressRecord &record) { ASSERT_EQ(store.AppendRecord(record), 1); }
    std::string exported() const { return exchange::exportVCard3(store, optionName); }

    views::AddressStore store;
};

TEST_F(VCardExportTest, AnEntryWritesEveryFieldItHolds)
{
    AddressRecord record = entry(12, sjis("山田花子"), sjis("ﾔﾏﾀﾞﾊﾅｺ"));
    views::setFieldText(record.groupName, sjis("友人"));
    record.groupNumber = 1;
    views::setFieldText(record.phones[0].number, "0312345678");
    record.phones[0].icon = 2;
    views::setFieldText(record.phones[2].number, "0355556666");
    record.phones[2].icon = 3;
    views::setFieldText(record.phones[3].number, "09033334444");
    record.phones[3].icon = 7; // the model has no such icon
    views::setFieldText(record.mails[1].address, "hanako@example.jp");
    record.mails[1].icon = 1;
    views::setFieldText(record.postalCode, "100-0001");
    views::setFieldText(record.postalAddress, sjis("東京都千代田区1-1"));
    views::setFieldText(record.note, sjis("誕生日は5月5日\r\n花; 甘い物, 好き"));
    add(record);

    EXPECT_EQ(exported(), "BEGIN:VCARD\r\n"
                          "VERSION:3.0\r\n"
                          "N:山田花子;;;;\r\n"
                          "FN:山田花子\r\n"
                          "SORT-STRING:ヤマダハナコ\r\n"
                          "X-PHONETIC-LAST-NAME:ヤマダハナコ\r\n"
                          "TEL;TYPE=HOME;X-CELLVANE-ICON=2:0312345678\r\n"
                          "TEL;TYPE=WORK,FAX;X-CELLVANE-ICON=3:0355556666\r\n"
                          "TEL;X-CELLVANE-ICON=7:09033334444\r\n"
                          "EMAIL;TYPE=INTERNET,WORK;X-CELLVANE-ICON=1:hanako@example.jp\r\n"
                          "ADR:;;東京都千代田区1-1;;;100-0001;\r\n"
                          "NOTE:誕生日は5月5日\\n花\\; 甘い物\\, 好き\r\n"
                          "CATEGORIES:友人\r\n"
                          "X-CELLVANE-MEMORY-NUMBER:12\r\n"
                          "END:VCARD\r\n");
}

TEST_F(VCardExportTest, AnEntryWithoutNameIsNamedByWhatItHolds)
{
    AddressRecord byReading = entry(10, "", sjis("ｺﾊﾞﾔｼ"));
    AddressRecord byPhone = entry(11, "");
    views::setFieldText(byPhone.phones[0].number, "0299998888");
    AddressRecord byMail = entry(12, "");
    views::setFieldText(byMail.mails[0].address, "a@example.jp");
    for (const AddressRecord &record : {byReading, byPhone, byMail})
        add(record);

    const std::string text = exported();
    EXPECT_NE(text.find("N:;;;;\r\nFN:コバヤシ\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("N:;;;;\r\nFN:0299998888\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("N:;;;;\r\nFN:a@example.jp\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("ADR"), std::string::npos) << "no postal data, no address";
    EXPECT_EQ(text.find("NOTE"), std::string::npos);
    EXPECT_EQ(text.find("CATEGORIES"), std::string::npos);
}

TEST_F(VCardExportTest, NameAndReadingSplitAtTheirFirstSpace)
{
    add(entry(20, sjis("山田　花子"), sjis("ﾔﾏﾀﾞ ﾊﾅｺ")));
    add(entry(21, "Smith John Jr", ""));

    const std::string text = exported();
    EXPECT_NE(text.find("N:山田;花子;;;\r\nFN:山田　花子\r\nSORT-STRING:ヤマダ ハナコ\r\n"
                        "X-PHONETIC-LAST-NAME:ヤマダ\r\nX-PHONETIC-FIRST-NAME:ハナコ\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("N:Smith;John Jr;;;\r\nFN:Smith John Jr\r\n"), std::string::npos) << text;
}

TEST_F(VCardExportTest, TheOwnersEntryIsExportedAndMarked)
{
    add(entry(OWNER_MEMORY_NUMBER, sjis("携帯太郎")));
    add(entry(5, sjis("佐藤一郎")));

    const std::string text = exported();
    EXPECT_TRUE(text.starts_with("BEGIN:VCARD\r\nVERSION:3.0\r\nN:携帯太郎;;;;\r\n")) << text;
    EXPECT_NE(text.find("X-CELLVANE-MEMORY-NUMBER:99999\r\nX-CELLVANE-OWNER:1\r\nEND:VCARD\r\n"
                        "BEGIN:VCARD"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("X-CELLVANE-MEMORY-NUMBER:5\r\nEND:VCARD\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("X-CELLVANE-OWNER"), text.rfind("X-CELLVANE-OWNER")) << "one owner";
}

TEST_F(VCardExportTest, EntriesMarkedForRemovalAreLeftOutAndTheRestKeepStoreOrder)
{
    add(entry(30, "Third"));
    add(entry(10, "First"));
    add(entry(20, "Second"));
    ASSERT_EQ(store.RemoveRecord(1, false), 1);

    const std::string text = exported();
    EXPECT_EQ(text.find("First"), std::string::npos) << text;
    const size_t third = text.find("FN:Third");
    const size_t second = text.find("FN:Second");
    ASSERT_NE(third, std::string::npos);
    EXPECT_LT(third, second) << "store order, not memory-number order";
}

TEST_F(VCardExportTest, WithoutOptionNamesIconsGiveNoType)
{
    AddressRecord record = entry(1, "A");
    views::setFieldText(record.phones[0].number, "0312345678");
    record.phones[0].icon = 2;
    views::setFieldText(record.mails[0].address, "a@example.jp");
    add(record);

    const std::string text = exchange::exportVCard3(store, {});
    EXPECT_NE(text.find("TEL;X-CELLVANE-ICON=2:0312345678\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("EMAIL;TYPE=INTERNET;X-CELLVANE-ICON=0:a@example.jp\r\n"),
              std::string::npos)
        << text;
}

TEST_F(VCardExportTest, FullFieldsStayWithinTheLineLength)
{
    AddressRecord record = entry(1, "");
    std::string note;
    while (note.size() + 2 < sizeof record.note)
        note += sjis("漢");
    views::setFieldText(record.note, note);
    std::string address(sizeof record.postalAddress - 1, ';');
    views::setFieldText(record.postalAddress, address);
    add(record);

    const std::string text = exported();
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find("\r\n", at);
        ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
        EXPECT_LE(end - at, 75u) << text.substr(at, end - at);
        EXPECT_EQ(text.substr(at, end - at).find_first_of("\r\n"), std::string::npos);
        at = end + 2;
    }
}

TEST_F(VCardExportTest, EscapedAndFoldedValuesReadBackWithAnIndependentParser)
{
    // 表 and ソ end with the byte of '\\' in Shift_JIS: escaping must see characters.
    const std::string name = "山田;花子,\\様表ソ";
    AddressRecord record = entry(7, platform::utf8ToSjis(name).c_str(), sjis("ﾔﾏﾀﾞ"));
    // Long enough to fold, with a character on every fold.
    const std::string firstLine = "一行目; 二, 三\\";
    std::string rest;
    for (int i = 0; i < 20; ++i)
        rest += "長いメモ";
    views::setFieldText(record.note, platform::utf8ToSjis(firstLine + "\r\n" + rest));
    views::setFieldText(record.groupName, sjis("友人,知人"));
    record.groupNumber = 4;
    views::setFieldText(record.postalAddress, sjis("東京都;千代田区"));
    views::setFieldText(record.postalCode, "100-0001");
    add(record);

    const testing_support::TempDir dir;
    const std::string path = dir.file("book.vcf");
    ASSERT_TRUE(exchange_testing::writeFile(path, exported()));
    const exchange_testing::CheckerRun run
        = exchange_testing::runChecker(EXCHANGE_CHECKERS "check_vcard.py", path);
    if (run.skipped)
        GTEST_SKIP() << *run.skipped;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ASSERT_EQ(run.entries.size(), 1u) << run.output;
    CheckedEntry card = run.entries[0];
    EXPECT_EQ(card["fn"], std::vector<std::string>{name});
    EXPECT_EQ(card["n"], std::vector<std::string>{name + "|"});
    EXPECT_EQ(card["note"], std::vector<std::string>{firstLine + "\n" + rest});
    EXPECT_EQ(card["categories"], std::vector<std::string>{"友人,知人"}) << "one group";
    EXPECT_EQ(card["adr"], std::vector<std::string>{"東京都;千代田区||100-0001"});
}

// The sample card's address book as the SH505i plug-in reads it into the address view.
class SampleAddressBookTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(card.problem(), "");
        core.setModelTables(&card.limits(), &card.plugins());
        const OwnedBlock<> block = card.load(KIND_ADDRESS, "PIM00001.VCF");
        ASSERT_TRUE(block);
        ASSERT_EQ(core.mergeCardBlock(block.get()), 12) << "the owner's entry is not counted";
        text = exchange::exportVCard3(core.store(), views::pluginOptionName(card.plugins()));
    }

    exchange_testing::SampleCard card{"DoCoMo SH505i"};
    views::AddressViewCore core;
    std::string text;
};

TEST_F(SampleAddressBookTest, MatchesItsGoldenFile)
{
    const std::string expected
        = exchange_testing::readFile(EXCHANGE_TEST_DATA "sample_address.vcf");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(text, expected) << testing_support::firstDifferingLine(expected, text);
}

struct ExpectedCard
{
    const char *memoryNumber;
    const char *name;
    const char *reading; // full width
    std::vector<std::string> tels;
    std::vector<std::string> emails;
    const char *note;
    const char *category;
};

// What the sample card holds (PIM00001.VCF), entry by entry in card order; the SH505i's icons
// 1 携帯電話, 2 自宅, 3 会社 give CELL, HOME and WORK.
const ExpectedCard SampleCards[] = {
    {"99999",
     "携帯太郎",
     "ケイタイタロウ",
     {"09011112222|CELL|1"},
     {"owner@docomo.ne.jp|INTERNET|0"},
     "",
     ""},
    {"12",
     "山田花子",
     "ヤマダハナコ",
     {"0312345678|HOME|2", "09033334444|CELL|1"},
     {"hanako@example.jp|INTERNET|0"},
     "誕生日は5月5日",
     "友人"},
    {"13",
     "佐藤一郎",
     "サトウイチロウ",
     {"09012345678|CELL|1", "0355556666|WORK|3"},
     {"ichiro@docomo.ne.jp|INTERNET|0"},
     "営業部",
     "会社"},
    {"14",
     "鈴木美咲",
     "スズキミサキ",
     {"08022223333|CELL|1"},
     {"misaki@example.com|INTERNET|0"},
     "",
     "友人"},
    {"15",
     "高橋健",
     "タカハシケン",
     {"0422334455|WORK|3"},
     {"ken.takahashi@example.co.jp|INTERNET|0"},
     "課長",
     "会社"},
    {"20", "田中家", "タナカケ", {"0451112222|HOME|2"}, {}, "実家", "家族"},
    {"21",
     "伊藤さくら",
     "イトウサクラ",
     {"09055556666|CELL|1"},
     {"sakura@docomo.ne.jp|INTERNET|0"},
     "",
     "友人"},
    {"30", "渡辺病院", "ワタナベビョウイン", {"0337778888|WORK|3"}, {}, "診察 9時～17時", ""},
    {"31",
     "中村翼",
     "ナカムラツバサ",
     {"07011112222|CELL|1"},
     {"tsubasa@example.net|INTERNET|0"},
     "",
     "友人"},
    {"105", "小林商店", "コバヤシショウテン", {"0299998888|WORK|3"}, {}, "", ""},
    {"106",
     "加藤恵",
     "カトウメグミ",
     {"09077778888|CELL|1"},
     {"megumi@docomo.ne.jp|INTERNET|0"},
     "妹",
     "家族"},
    {"210", "Smith John", "", {"09099990000|CELL|1"}, {"john@example.org|INTERNET|0"}, "", "会社"},
    {"211",
     "吉田拓也",
     "ヨシダタクヤ",
     {"08066667777|CELL|1"},
     {"takuya@example.jp|INTERNET|0"},
     "",
     "友人"},
};

std::vector<std::string> optional(const char *value)
{
    return *value ? std::vector<std::string>{value} : std::vector<std::string>{};
}

TEST_F(SampleAddressBookTest, ReadsBackFieldByFieldWithAnIndependentParser)
{
    const testing_support::TempDir dir;
    const std::string path = dir.file("book.vcf");
    ASSERT_TRUE(exchange_testing::writeFile(path, text));
    const exchange_testing::CheckerRun run
        = exchange_testing::runChecker(EXCHANGE_CHECKERS "check_vcard.py", path);
    if (run.skipped)
        GTEST_SKIP() << *run.skipped;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ASSERT_EQ(run.entries.size(), std::size(SampleCards)) << run.output;
    for (size_t i = 0; i < run.entries.size(); ++i) {
        const ExpectedCard &expected = SampleCards[i];
        CheckedEntry card = run.entries[i];
        SCOPED_TRACE(expected.memoryNumber);
        const std::string name = expected.name;
        const size_t space = name.find(' ');
        EXPECT_EQ(card["n"], std::vector<std::string>{space == std::string::npos
                                                          ? name + "|"
                                                          : name.substr(0, space) + "|"
                                                                + name.substr(space + 1)});
        EXPECT_EQ(card["version"], std::vector<std::string>{"3.0"});
        EXPECT_EQ(card["fn"], std::vector<std::string>{expected.name});
        EXPECT_EQ(card["sort-string"], optional(expected.reading));
        EXPECT_EQ(card["x-phonetic-last-name"], optional(expected.reading));
        EXPECT_EQ(card["tel"], expected.tels);
        EXPECT_EQ(card["email"], expected.emails);
        EXPECT_EQ(card["note"], optional(expected.note));
        EXPECT_EQ(card["categories"], optional(expected.category));
        EXPECT_EQ(card["adr"], std::vector<std::string>{});
        EXPECT_EQ(card["x-cellvane-memory-number"],
                  std::vector<std::string>{expected.memoryNumber});
        EXPECT_EQ(card["x-cellvane-owner"],
                  optional(std::string(expected.memoryNumber) == "99999" ? "1" : ""));
    }
}

} // namespace
