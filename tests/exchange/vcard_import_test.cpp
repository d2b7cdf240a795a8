#include "exchange/vcard_import.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/sjis_literal.h"
#include "exchange/vcard_export.h"
#include "platform/sjis_text.h"
#include "sample_card.h"
#include "views/address/address_edit_rules.h"
#include "views/address/address_store.h"
#include "views/address/address_view_core.h"
#include "views/common/record_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using exchange::AddressImport;
using Notes = std::vector<std::string>;

// Option lists 201 and 202 of a made-up model, after the N505i's.
std::optional<std::string> optionName(int list, int index)
{
    static const std::map<std::pair<int, int>, const char *> names = {
        {{201, 0}, sjis("電話番号")},
        {{201, 1}, sjis("携帯電話")},
        {{201, 2}, sjis("自宅")},
        {{201, 3}, sjis("会社")},
        {{201, 4}, sjis("会社ＦＡＸ")},
        {{201, 5}, sjis("自宅ＦＡＸ")},
        {{201, 6}, sjis("クイックキャスト")},
        {{201, 7}, sjis("店")},
        {{202, 0}, sjis("メールアドレス")},
        {{202, 1}, sjis("自宅アドレス")},
        {{202, 2}, sjis("会社アドレス")},
        {{202, 3}, sjis("携帯アドレス")},
    };
    const auto found = names.find({list, index});
    if (found == names.end())
        return std::nullopt;
    return found->second;
}

AddressLimits modelLimits()
{
    AddressLimits limits{};
    limits.capacity = 1000;
    limits.nameLength = 20;
    limits.readingLength = 18;
    limits.phoneSlots = 3;
    limits.phoneLength = 24;
    limits.mailSlots = 2;
    limits.mailLength = 50;
    limits.postalCodeLength = 8;
    limits.postalAddressLength = 40;
    limits.noteLength = 30;
    limits.phoneIconChoice = 1;
    limits.mailIconChoice = 1;
    return limits;
}

// One vCard of lines, CR LF ended.
std::string card(const std::vector<std::string> &lines, const std::string &version = "3.0")
{
    std::string text = "BEGIN:VCARD\r\nVERSION:" + version + "\r\n";
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text + "END:VCARD\r\n";
}

std::string utf8(const char *sjisField)
{
    return platform::sjisToUtf8(sjisField);
}

class VCardImportTest : public testing::Test
{
protected:
    AddressImport imported(const std::string &file) const
    {
        return exchange::importVCardAddresses(file, {limits, optionName, groups});
    }

    // The one record of a one-card file, and the notes of that card.
    AddressRecord only(const std::string &file, Notes *notes = nullptr) const
    {
        const AddressImport result = imported(file);
        EXPECT_EQ(result.records.size(), 1u);
        if (notes)
            *notes = result.report.empty() ? Notes{} : result.report.entries.front().notes;
        return result.records.empty() ? AddressRecord{} : result.records.front();
    }

    AddressLimits limits = modelLimits();
    const views::GroupTable *groups = nullptr;
};

TEST_F(VCardImportTest, ReadsEveryFieldOfA30CardAndReportsTheRest)
{
    const AddressImport result = imported(card({
        "PRODID:-//Example//Contacts//EN",
        "N:山田;花子;;;",
        "FN:山田 花子",
        "X-PHONETIC-LAST-NAME:やまだ",
        "X-PHONETIC-FIRST-NAME:はなこ",
        "item1.TEL:090-1111-2222",
        "item1.X-ABLabel:_$!<Mobile>!$_",
        "TEL;TYPE=HOME,VOICE:03-1234-5678",
        "EMAIL;TYPE=INTERNET,WORK:hanako@example.co.jp",
        "ADR;TYPE=HOME:;;千代田1-1;千代田区;東京都;1000001;日本",
        "NOTE:一行目\\n二行目",
        "CATEGORIES:友人,仕事",
        "ORG:Example",
        "BDAY:1990-05-05",
        "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4A==",
        "URL:",
    }));
    ASSERT_EQ(result.records.size(), 1u);
    const AddressRecord &record = result.records[0];
    EXPECT_EQ(record.header.version, RECORD_VERSION_ADDRESS);
    EXPECT_EQ(record.header.size, sizeof(AddressRecord));
    EXPECT_EQ(record.header.kind, uint32_t(KIND_ADDRESS));
    EXPECT_EQ(record.header.next, 0);
    EXPECT_EQ(record.memoryNumber, 0);
    EXPECT_STREQ(record.name, sjis("山田 花子"));
    EXPECT_STREQ(record.reading, sjis("ﾔﾏﾀﾞ ﾊﾅｺ"));
    EXPECT_STREQ(record.phones[0].number, "090-1111-2222");
    EXPECT_EQ(record.phones[0].icon, 1);
    EXPECT_STREQ(record.phones[1].number, "03-1234-5678");
    EXPECT_EQ(record.phones[1].icon, 2);
    EXPECT_STREQ(record.mails[0].address, "hanako@example.co.jp");
    EXPECT_EQ(record.mails[0].icon, 2);
    EXPECT_STREQ(record.postalCode, "100-0001");
    EXPECT_STREQ(record.postalAddress, sjis("日本東京都千代田区千代田1-1"));
    EXPECT_STREQ(record.note, sjis("一行目\r\n二行目"));
    EXPECT_STREQ(record.groupName, sjis("友人"));
    EXPECT_EQ(record.groupNumber, 1);
    ASSERT_EQ(result.report.entries.size(), 1u);
    EXPECT_EQ(result.report.entries[0].label, "VCARD 1: 山田 花子");
    EXPECT_EQ(result.report.entries[0].notes,
              (Notes{"ｸﾞﾙｰﾌﾟは 1 つだけのため、「仕事」を取り込みませんでした",
                     "取り込み先のない項目を省きました：ORG, BDAY, PHOTO"}));
}

TEST_F(VCardImportTest, ReadsA40Card)
{
    Notes notes;
    const AddressRecord record
        = only(card({"FN:Taro Yamada", "N;SORT-AS=\"ヤマダ,タロウ\":Yamada;Taro;;;",
                     "TEL;VALUE=uri;TYPE=\"cell,voice\":tel:+81-90-1234-5678;ext=1",
                     "EMAIL;TYPE=home:taro@example.jp"},
                    "4.0"),
               &notes);
    EXPECT_STREQ(record.name, "Taro Yamada");
    EXPECT_STREQ(record.reading, sjis("ﾔﾏﾀﾞ ﾀﾛｳ"));
    EXPECT_STREQ(record.phones[0].number, "090-1234-5678");
    EXPECT_EQ(record.phones[0].icon, 1);
    EXPECT_EQ(record.mails[0].icon, 1);
    EXPECT_EQ(
        notes,
        Notes{"電話番号「tel:+81-90-1234-5678;ext=1」を「090-1234-5678」として取り込みました"});
}

TEST_F(VCardImportTest, ReadsAShiftJis21Card)
{
    const std::string file
        = std::string("BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=SHIFT_JIS:") + sjis("佐藤;一郎")
          + "\r\nSOUND;X-IRMC-N;CHARSET=SHIFT_JIS:" + sjis("ｻﾄｳ;ｲﾁﾛｳ")
          + "\r\nTEL;CELL:09012345678\r\nTEL;WORK;FAX:0355556666\r\n"
            "NOTE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=89=63=8B=C6=\r\n=95=94=0D=0A2F\r\n"
            "END:VCARD\r\n";
    Notes notes;
    const AddressRecord record = only(file, &notes);
    EXPECT_STREQ(record.name, sjis("佐藤 一郎"));
    EXPECT_STREQ(record.reading, sjis("ｻﾄｳ ｲﾁﾛｳ"));
    EXPECT_EQ(record.phones[0].icon, 1);
    EXPECT_EQ(record.phones[1].icon, 4);
    EXPECT_STREQ(record.note, sjis("営業部\r\n2F"));
    EXPECT_EQ(notes, Notes{});
}

TEST_F(VCardImportTest, ReadingsBecomeHalfWidthKatakana)
{
    struct Case
    {
        std::vector<std::string> lines;
        const char *reading;
        Notes notes;
    };
    const Case cases[] = {
        {{"SORT-STRING:ヤマダタロウ"}, sjis("ﾔﾏﾀﾞﾀﾛｳ"), {}},
        {{"SORT-STRING:がっこう　ヴィラ"}, sjis("ｶﾞｯｺｳ ｳﾞｨﾗ"), {}},
        {{"SORT-STRING:ﾊﾟｰｸ"}, sjis("ﾊﾟｰｸ"), {}},
        {{"X-PHONETIC-FIRST-NAME:たろう"}, sjis("ﾀﾛｳ"), {}},
        {{"SOUND;X-IRMC-N:ﾔﾏﾀﾞ;ﾀﾛｳ;;;"}, sjis("ﾔﾏﾀﾞ ﾀﾛｳ"), {}},
        // The export writes the same reading twice; a second one that says the same is no loss.
        {{"SORT-STRING:ヤマダ", "X-PHONETIC-LAST-NAME:やまだ"}, sjis("ﾔﾏﾀﾞ"), {}},
        {{"SORT-STRING:すずき", "X-PHONETIC-LAST-NAME:やまだ"},
         sjis("ﾔﾏﾀﾞ"),
         {"ﾌﾘｶﾞﾅは 1 つだけのため、「すずき」を取り込みませんでした"}},
        {{"SORT-STRING:山田"}, "", {"ﾌﾘｶﾞﾅ「山田」は半角ｶﾅにできないため、取り込みませんでした"}},
        {{"SOUND:http://example.com/name.wav"}, "", {"取り込み先のない項目を省きました：SOUND"}},
        {{"SORT-STRING:あいうえおかきくけこさしすせそたちつて"},
         sjis("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂ"),
         {"ﾌﾘｶﾞﾅを 18 ﾊﾞｲﾄに切り詰めました（元の値：あいうえおかきくけこさしすせそたちつて）"}},
        {{"SORT-STRING:ﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞｰｰ"},
         sjis("ﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞ"),
         {"ﾌﾘｶﾞﾅを 18 ﾊﾞｲﾄに切り詰めました（元の値：ﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞﾃﾞｰｰ）"}},
    };
    for (const Case &c : cases) {
        std::vector<std::string> lines = c.lines;
        lines.push_back("FN:x");
        Notes notes;
        const AddressRecord record = only(card(lines), &notes);
        EXPECT_STREQ(record.reading, c.reading) << c.lines.front();
        EXPECT_EQ(notes, c.notes) << c.lines.front();
    }
}

TEST_F(VCardImportTest, NumbersKeepWhatThePhoneDials)
{
    const std::pair<const char *, const char *> cases[] = {
        {"03-1234-5678", "03-1234-5678"},
        {"(03) 1234.5678", "03-1234-5678"},
        {"+81 90 1234 5678", "090-1234-5678"},
        {"+81 (0)3 1234 5678", "03-1234-5678"},
        {"+1 555 0100", "010-1-555-0100"},
        {"０９０－１２３４", "090-1234"},
        {"*123#", "123"},
    };
    for (const auto &[given, dialled] : cases) {
        Notes notes;
        const AddressRecord record = only(card({"TEL:" + std::string(given)}), &notes);
        EXPECT_STREQ(record.phones[0].number, dialled) << given;
        const Notes expected = given == std::string(dialled)
                                   ? Notes{}
                                   : Notes{"電話番号「" + std::string(given) + "」を「" + dialled
                                           + "」として取り込みました"};
        EXPECT_EQ(notes, expected) << given;
    }
    Notes notes;
    only(card({"FN:x", "TEL:pause"}), &notes);
    EXPECT_EQ(notes, Notes{"電話番号「pause」には数字がないため、取り込みませんでした"});
}

TEST_F(VCardImportTest, IconsFollowTheTypes)
{
    struct Case
    {
        std::vector<std::string> lines; // the first holds the number or address
        int32_t icon;
        bool noted;
    };
    const Case cases[] = {
        {{"TEL;TYPE=CELL:1"}, 1, false},
        {{"TEL;TYPE=HOME:1"}, 2, false},
        {{"TEL;TYPE=WORK:1"}, 3, false},
        {{"TEL;TYPE=WORK,FAX:1"}, 4, false},
        {{"TEL;HOME;FAX:1"}, 5, false},
        {{"TEL;TYPE=fax:1"}, 4, false},
        {{"TEL;TYPE=PAGER:1"}, 6, false},
        {{"TEL;TYPE=iPhone:1"}, 1, false},
        {{"TEL;TYPE=VOICE;TYPE=PREF:1"}, 0, false},
        {{"TEL;TYPE=VIDEO:1"}, 0, true},
        {{"item2.TEL:1", "item2.X-ABLabel:_$!<HomeFAX>!$_"}, 5, false},
        {{"item3.TEL:1", "item3.X-ABLabel:Office"}, 0, false},
        {{"item4.TEL;TYPE=CELL:1", "item5.X-ABLabel:_$!<Home>!$_"}, 1, false},
        // The export's own icon when it stands for the same types here.
        {{"TEL;X-CELLVANE-ICON=7:1"}, 7, false},
        {{"TEL;TYPE=HOME;X-CELLVANE-ICON=2:1"}, 2, false},
        {{"TEL;TYPE=CELL;X-CELLVANE-ICON=2:1"}, 1, false},
        {{"TEL;X-CELLVANE-ICON=99:1"}, 0, false},
        {{"EMAIL;TYPE=INTERNET:a@b"}, 0, false},
        {{"EMAIL;TYPE=INTERNET,HOME:a@b"}, 1, false},
        {{"EMAIL;TYPE=CELL:a@b"}, 3, false},
        {{"EMAIL;TYPE=PAGER:a@b"}, 0, true},
    };
    for (const Case &c : cases) {
        std::vector<std::string> lines = c.lines;
        lines.push_back("FN:x");
        Notes notes;
        const AddressRecord record = only(card(lines), &notes);
        const bool mail = c.lines.front().rfind("EMAIL", 0) == 0;
        EXPECT_EQ(mail ? record.mails[0].icon : record.phones[0].icon, c.icon) << c.lines.front();
        EXPECT_EQ(notes.size(), c.noted ? 1u : 0u) << c.lines.front();
    }
    Notes notes;
    only(card({"FN:x", "TEL;TYPE=VIDEO:03"}), &notes);
    EXPECT_EQ(notes,
              Notes{"電話番号「03」の種類（VIDEO）に合うｱｲｺﾝがないため、「電話番号」にしました"});

    limits.phoneIconChoice = 0;
    EXPECT_EQ(only(card({"FN:x", "TEL;TYPE=CELL:1"}), &notes).phones[0].icon, 0);
    EXPECT_EQ(notes, Notes{}) << "a model without icons has nothing to choose";
}

TEST_F(VCardImportTest, SlotsBeyondTheModelsAreDroppedAndReported)
{
    Notes notes;
    const AddressRecord record = only(card({"FN:x", "TEL:1", "TEL:2", "TEL:", "TEL:3", "TEL:4",
                                            "TEL:5", "EMAIL:a@x", "EMAIL:b@x", "EMAIL:c@x"}),
                                      &notes);
    EXPECT_STREQ(record.phones[2].number, "3");
    EXPECT_STREQ(record.phones[3].number, "") << "the model has three";
    EXPECT_STREQ(record.mails[1].address, "b@x");
    EXPECT_STREQ(record.mails[2].address, "");
    EXPECT_EQ(notes, (Notes{"電話番号は 3 件までのため、「4」を取り込みませんでした",
                            "電話番号は 3 件までのため、「5」を取り込みませんでした",
                            "ﾒｰﾙｱﾄﾞﾚｽは 2 件までのため、「c@x」を取り込みませんでした"}));
}

TEST_F(VCardImportTest, TextsAreCutOnCharacterBoundariesAndReported)
{
    Notes notes;
    const AddressRecord record
        = only(card({"FN:aあいうえおかきくけこ", "TEL:0123456789012345678901234",
                     "NOTE:メモメモメモメモメモメモメモメモ😀"}),
               &notes);
    EXPECT_STREQ(record.name, sjis("aあいうえおかきくけ")) << "19 bytes: the next kana needs two";
    EXPECT_STREQ(record.phones[0].number, "012345678901234567890123");
    EXPECT_STREQ(record.note, sjis("メモメモメモメモメモメモメモメ"));
    EXPECT_EQ(notes,
              (Notes{"名前を 20 ﾊﾞｲﾄに切り詰めました（元の値：aあいうえおかきくけこ）",
                     "電話番号を 24 ﾊﾞｲﾄに切り詰めました（元の値：0123456789012345678901234）",
                     "ﾒﾓの Shift_JIS にない文字 1 個を「?」にしました"
                     "（元の値：メモメモメモメモメモメモメモメモ😀）",
                     "ﾒﾓを 30 ﾊﾞｲﾄに切り詰めました（元の値：メモメモメモメモメモメモメモメモ😀）"}));
    // Every field stays inside its record field whatever the model allows.
    limits.noteLength = 1000;
    const std::string longNote(400, 'n');
    EXPECT_EQ(std::strlen(only(card({"FN:x", "NOTE:" + longNote})).note),
              sizeof(AddressRecord::note) - 1);
}

TEST_F(VCardImportTest, FieldsTheModelLacksAreReported)
{
    limits.noteLength = 0;
    limits.postalCodeLength = 0;
    limits.postalAddressLength = 0;
    limits.mailSlots = 0;
    Notes notes;
    const AddressRecord record
        = only(card({"FN:x", "NOTE:memo", "ADR:;;street;;;1000001;", "EMAIL:a@x"}), &notes);
    EXPECT_STREQ(record.note, "");
    EXPECT_STREQ(record.mails[0].address, "");
    EXPECT_EQ(notes, (Notes{"この機種にはﾒｰﾙｱﾄﾞﾚｽがないため、「a@x」を取り込みませんでした",
                            "この機種には郵便番号がないため、「1000001」を取り込みませんでした",
                            "この機種には住所がないため、「street」を取り込みませんでした",
                            "この機種にはﾒﾓがないため、「memo」を取り込みませんでした"}));
}

TEST_F(VCardImportTest, PostalCodesTakeTheShapeTheEditorWants)
{
    struct Case
    {
        std::string adr;
        const char *code;
        const char *address;
        bool moved;
    };
    const Case cases[] = {
        {"ADR:;;1-1;;;1000001;", "100-0001", "1-1", false},
        {"ADR:;;1-1;;;100-0001;", "100-0001", "1-1", false},
        {"ADR:;;100 Waters Edge;Baytown;LA;30314;USA", "",
         "30314 100 Waters Edge, Baytown, LA, USA", true},
        {"ADR:;;;;;1000001;", "100-0001", "", false},
    };
    for (const Case &c : cases) {
        Notes notes;
        const AddressRecord record = only(card({"FN:x", c.adr}), &notes);
        EXPECT_STREQ(record.postalCode, c.code) << c.adr;
        EXPECT_STREQ(record.postalAddress, c.address) << c.adr;
        EXPECT_EQ(notes.size(), c.moved ? 1u : 0u) << c.adr;
    }
    limits.postalCodeLength = 0;
    Notes notes;
    const AddressRecord record
        = only(card({"FN:x", "ADR:;;千代田1-1;千代田区;東京都;1000001;"}), &notes);
    EXPECT_STREQ(record.postalAddress, sjis("1000001 東京都千代田区千代田1-1"));
    EXPECT_EQ(notes,
              Notes{"郵便番号「1000001」は郵便番号欄に入らないため、住所の先頭に入れました"});
}

TEST_F(VCardImportTest, CategoriesTakeTheBooksGroupNumbers)
{
    views::GroupTable book;
    int number = 1;
    book.registerGroup(sjis("友人"), number);
    number = 2;
    book.registerGroup(sjis("会社"), number);
    groups = &book;
    const AddressImport result = imported(
        card({"FN:a", "CATEGORIES:会社"}) + card({"FN:b", "CATEGORIES:家族"})
        + card({"FN:c", "CATEGORIES:趣味"}) + card({"FN:d", "CATEGORIES:家族"}) + card({"FN:e"}));
    ASSERT_EQ(result.records.size(), 5u);
    const int32_t expected[] = {2, 3, 4, 3, -1};
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(result.records[i].groupNumber, expected[i]) << i;
    EXPECT_STREQ(result.records[1].groupName, sjis("家族"));

    groups = nullptr;
    EXPECT_EQ(only(card({"FN:a", "CATEGORIES:会社"})).groupNumber, 1);
}

TEST_F(VCardImportTest, MemoryNumbersAndTheOwnersEntry)
{
    const AddressImport result = imported(
        card({"FN:a", "X-CELLVANE-MEMORY-NUMBER:5"}) + card({"FN:b"})
        + card({"FN:c", "X-CELLVANE-MEMORY-NUMBER:5"})
        + card({"X-CELLVANE-MEMORY-NUMBER:99999", "X-CELLVANE-OWNER:1"})
        + card({"FN:e", "X-CELLVANE-OWNER:1"}) + card({"FN:f", "X-CELLVANE-MEMORY-NUMBER:1200"})
        + card({"FN:g", "X-CELLVANE-MEMORY-NUMBER:0"}));
    ASSERT_EQ(result.records.size(), 7u) << "the owner's own entry is kept without a name";
    const int32_t expected[] = {5, 1, 2, OWNER_MEMORY_NUMBER, 3, 4, 0};
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(result.records[i].memoryNumber, expected[i]) << i;
    ASSERT_EQ(result.report.entries.size(), 3u);
    EXPECT_EQ(result.report.entries[0].label, "VCARD 3: c");
    EXPECT_EQ(result.report.entries[0].notes,
              Notes{"ﾒﾓﾘ番号「5」は使えないため、番号を振り直しました"});
    EXPECT_EQ(result.report.entries[1].label, "VCARD 5: e");
    EXPECT_EQ(result.report.entries[1].notes,
              Notes{"本人の情報は 1 件だけのため、通常の件として取り込みました"});
    EXPECT_EQ(result.report.entries[2].label, "VCARD 6: f");

    // A model that keeps numbers below its capacity.
    limits.capacity = 10;
    limits.numbersBelowCapacity = 1;
    Notes notes;
    EXPECT_EQ(only(card({"FN:a", "X-CELLVANE-MEMORY-NUMBER:12"}), &notes).memoryNumber, 0);
    EXPECT_EQ(notes, Notes{"ﾒﾓﾘ番号「12」は使えないため、番号を振り直しました"});
}

TEST_F(VCardImportTest, EntriesWithoutNameReadingOrNumberAreLeftOut)
{
    const AddressImport result
        = imported(card({"ORG:Bike Shop", "EMAIL:shop@example.com"}) + card({"TEL:110"}));
    ASSERT_EQ(result.records.size(), 1u);
    EXPECT_STREQ(result.records[0].phones[0].number, "110");
    ASSERT_EQ(result.report.entries.size(), 1u);
    EXPECT_EQ(result.report.entries[0].label, "VCARD 1");
    EXPECT_EQ(result.report.entries[0].notes,
              Notes{"名前、ﾌﾘｶﾞﾅ、電話番号のどれもないため、取り込みませんでした"});
}

TEST_F(VCardImportTest, WhatTheReaderSkippedIsReported)
{
    const AddressImport result = imported(
        "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:a\r\nbroken line\r\nAGENT:\r\nBEGIN:VCARD\r\nFN:b\r\n"
        "END:VCARD\r\nNOTE;CHARSET=X-UNKNOWN:memo\r\nFN;CHARSET=X-UNKNOWN:a\r\n"
        "N:x;y\r\nFN:second\r\n");
    ASSERT_EQ(result.records.size(), 1u);
    EXPECT_STREQ(result.records[0].note, "memo");
    ASSERT_EQ(result.report.entries.size(), 1u);
    EXPECT_EQ(result.report.entries[0].notes,
              (Notes{"名前は 1 つだけのため、「second」を取り込みませんでした",
                     "読めない行 1 行を省きました", "中に入れ子になった vCard 1 件を省きました",
                     "END:VCARD がないままﾌｧｲﾙが終わっていました",
                     "文字ｺｰﾄﾞ X-UNKNOWN を読めないため、自動判定しました"}));
}

TEST_F(VCardImportTest, RecordsAreChainedInFileOrder)
{
    const AddressImport result = imported(card({"FN:a"}) + card({"FN:b"}) + card({"FN:c"}));
    ASSERT_EQ(ChainLength(result.records.data()), 3u);
    const std::vector<AddressRecord> copy = result.records;
    const auto *second
        = static_cast<const AddressRecord *>(RecordLink(copy.data(), RECORD_LINK_NEXT));
    ASSERT_EQ(second, &copy[1]) << "the links survive a copy";
    EXPECT_STREQ(second->name, "b");
}

TEST_F(VCardImportTest, MergingGoesThroughTheStore)
{
    views::AddressStore store;
    store.setLimits({1000, false, false});
    AddressRecord stored = only(card({"FN:stored", "X-CELLVANE-MEMORY-NUMBER:0"}));
    ASSERT_EQ(store.AppendRecord(stored), 1);
    AddressRecord twin = only(card({"FN:twin", "TEL:1", "X-CELLVANE-MEMORY-NUMBER:20"}));
    ASSERT_EQ(store.AppendRecord(twin), 1);

    const AddressImport result = imported(
        card({"FN:new", "X-CELLVANE-MEMORY-NUMBER:0"})
        + card({"FN:twin", "TEL:1", "X-CELLVANE-MEMORY-NUMBER:20"}) + card({"FN:other"}));
    ASSERT_EQ(result.records.size(), 3u);
    EXPECT_EQ(store.MergeRecords(result.records.data(), false, true, false), 2)
        << "the duplicate is skipped";
    ASSERT_EQ(store.RecordCount(), 4);
    EXPECT_STREQ(store.record(2)->name, "new");
    EXPECT_EQ(store.record(2)->memoryNumber, 10) << "0 is taken: the store gives a free number";
    EXPECT_STREQ(store.record(3)->name, "other");
    EXPECT_EQ(store.record(3)->memoryNumber, 1);
}

// The corpus of other programs' vCards, from the checkout's sibling folder.
std::vector<std::filesystem::path> corpusCards()
{
    std::vector<std::filesystem::path> cards;
    std::error_code error;
    for (const auto &entry :
         std::filesystem::recursive_directory_iterator(EXCHANGE_CORPUS, error)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".vcf" || extension == ".VCF")
            cards.push_back(entry.path());
    }
    std::sort(cards.begin(), cards.end());
    return cards;
}

std::string corpusFile(const std::string &name)
{
    return exchange_testing::readFile(std::string(EXCHANGE_CORPUS) + "/" + name);
}

TEST_F(VCardImportTest, EveryCorpusCardImports)
{
    const std::vector<std::filesystem::path> cards = corpusCards();
    if (cards.empty())
        GTEST_SKIP() << "no sample corpus at " << EXCHANGE_CORPUS;
    for (const std::filesystem::path &path : cards) {
        const AddressImport result = imported(exchange_testing::readFile(path.string()));
        for (const AddressRecord &record : result.records) {
            EXPECT_EQ(record.header.kind, uint32_t(KIND_ADDRESS)) << path;
            EXPECT_NE(std::memchr(record.name, 0, sizeof record.name), nullptr) << path;
            EXPECT_LE(std::strlen(record.name), size_t(limits.nameLength)) << path;
            EXPECT_LE(std::strlen(record.reading), size_t(limits.readingLength)) << path;
            EXPECT_LE(std::strlen(record.note), size_t(limits.noteLength)) << path;
        }
    }
}

TEST_F(VCardImportTest, CorpusCardsKeepTheirKnownFields)
{
    if (corpusCards().empty())
        GTEST_SKIP() << "no sample corpus at " << EXCHANGE_CORPUS;
    limits.noteLength = 100;
    limits.postalAddressLength = 93;
    {
        SCOPED_TRACE("aoki.vcf: Shift_JIS name and SOUND reading, quoted-printable note");
        const AddressRecord record = only(corpusFile("symbian-versit/aoki.vcf"));
        EXPECT_STREQ(record.name, sjis("青木 功"));
        EXPECT_STREQ(record.reading, sjis("ｱｵｷ ｲｻｵ"));
        EXPECT_STREQ(record.phones[0].number, "07700-900000");
        EXPECT_EQ(record.phones[0].icon, 1);
        EXPECT_STREQ(record.note, sjis("コメント"));
    }
    {
        SCOPED_TRACE("v21_japanese_2.vcf: quoted-printable address over soft breaks");
        const AddressRecord record = only(corpusFile("android-vcard/v21_japanese_2.vcf"));
        EXPECT_STREQ(record.name, sjis("安藤 ロイド 1"));
        EXPECT_STREQ(record.postalCode, "150-8512");
        EXPECT_STREQ(record.postalAddress, sjis("東京都渋谷区桜丘町26-1セルリアンタワー6階"));
        EXPECT_STREQ(record.note, sjis("メモ"));
    }
    {
        SCOPED_TRACE("5.vcf: Shift_JIS without any CHARSET");
        const AddressRecord record = only(corpusFile("symbian-versit/5.vcf"));
        EXPECT_STREQ(record.name, sjis("小西 一弘"));
        EXPECT_STREQ(record.postalCode, "105-0004");
        EXPECT_EQ(std::string(record.note).rfind(sjis("小西一弘のﾊﾟｰｿﾅﾙ情報です。\r\n"), 0), 0u);
        EXPECT_EQ(record.phones[1].icon, 2);
    }
    {
        SCOPED_TRACE("quoted-printable-empty-new-line.vcf: a soft break before an empty line");
        Notes notes;
        const AddressRecord record
            = only(corpusFile("gammu/quoted-printable-empty-new-line.vcf"), &notes);
        EXPECT_STREQ(record.name, "H?rmann Joseph");
        EXPECT_STREQ(record.phones[0].number, "028");
        EXPECT_EQ(record.phones[0].icon, 2);
    }
    {
        SCOPED_TRACE("vcard10.vcf: the property after a soft-broken address survives");
        const AddressImport result = imported(corpusFile("kcontacts/vcard10.vcf"));
        ASSERT_EQ(result.records.size(), 4u) << "the first card has no name";
        EXPECT_EQ(std::string(result.records[0].postalAddress), "00000 AAAAAAA-A?AAAAA 11, Urt");
        EXPECT_EQ(std::string(result.records[0].note).rfind("This one's URL", 0), 0u);
    }
}

// The sample card's address book read by the N505i plug-in's limits and icon names.
TEST(VCardImportSampleTest, TheShiftJisSampleCardImportsForTheCurrentModel)
{
    exchange_testing::SampleCard sample{"DoCoMo N505i"};
    ASSERT_EQ(sample.problem(), "");
    const AddressLimits limits = views::readAddressLimits(sample.limits());
    const AddressImport result = exchange::importVCardAddresses(
        exchange_testing::readFile(SAMPLE_CARD_DIR "/PIM00001.VCF"),
        {limits, views::pluginOptionName(sample.plugins()), nullptr});
    ASSERT_EQ(result.records.size(), 13u);
    const AddressRecord &hanako = result.records[1];
    EXPECT_STREQ(hanako.name, sjis("山田花子"));
    EXPECT_STREQ(hanako.reading, sjis("ﾔﾏﾀﾞﾊﾅｺ"));
    EXPECT_STREQ(hanako.phones[0].number, "0312345678");
    const views::OptionName names = views::pluginOptionName(sample.plugins());
    EXPECT_EQ(utf8(names(201, hanako.phones[0].icon).value_or("").c_str()), "自宅");
    EXPECT_STREQ(hanako.phones[1].number, "09033334444");
    EXPECT_STREQ(hanako.mails[0].address, "hanako@example.jp");
    EXPECT_STREQ(hanako.note, sjis("誕生日は5月5日"));
    // The phone's own dialect has no place in today's vCard.
    ASSERT_GE(result.report.entries.size(), 2u);
    EXPECT_EQ(result.report.entries[1].label, "VCARD 2: 山田花子");
    EXPECT_EQ(
        result.report.entries[1].notes,
        Notes{"取り込み先のない項目を省きました：X-CLASS, X-GNO, X-GN, X-NO, X-SH-CATEGORIES"});
}

// The sample card's book as the SH505i plug-in reads it, exported and imported again.
TEST(VCardImportSampleTest, WhatTheExportWritesComesBackUnchanged)
{
    exchange_testing::SampleCard sample{"DoCoMo SH505i"};
    ASSERT_EQ(sample.problem(), "");
    views::AddressViewCore core;
    core.setModelTables(&sample.limits(), &sample.plugins());
    const OwnedBlock<> block = sample.load(KIND_ADDRESS, "PIM00001.VCF");
    ASSERT_TRUE(block);
    ASSERT_GT(core.mergeCardBlock(block.get()), 0);
    const views::OptionName names = views::pluginOptionName(sample.plugins());
    const views::AddressStore &store = core.store();

    const AddressImport result = exchange::importVCardAddresses(
        exchange::exportVCard3(store, names),
        {views::readAddressLimits(sample.limits()), names, &store.groups()});
    EXPECT_TRUE(result.report.empty()) << result.report.entries.front().label << ": "
                                       << result.report.entries.front().notes.front();
    ASSERT_EQ(int(result.records.size()), store.RecordCount());
    for (size_t i = 0; i < result.records.size(); ++i) {
        const AddressRecord &back = result.records[i];
        const AddressRecord &original = *store.record(int(i));
        SCOPED_TRACE(utf8(original.name));
        EXPECT_EQ(back.memoryNumber, original.memoryNumber);
        EXPECT_STREQ(back.name, original.name);
        EXPECT_STREQ(back.reading, original.reading);
        EXPECT_STREQ(back.note, original.note);
        // A group without a name has no CATEGORIES: the entry comes back without a group,
        // which shows the same.
        EXPECT_EQ(views::groupNameOf(store.groups(), back.groupNumber),
                  views::groupNameOf(store.groups(), original.groupNumber));
        for (int slot = 0; slot < ADDRESS_PHONE_SLOTS; ++slot) {
            EXPECT_STREQ(back.phones[slot].number, original.phones[slot].number);
            if (original.phones[slot].number[0]) {
                EXPECT_EQ(back.phones[slot].icon, original.phones[slot].icon);
            }
        }
        for (int slot = 0; slot < ADDRESS_MAIL_SLOTS; ++slot) {
            EXPECT_STREQ(back.mails[slot].address, original.mails[slot].address);
            if (original.mails[slot].address[0]) {
                EXPECT_EQ(back.mails[slot].icon, original.mails[slot].icon);
            }
        }
    }
}

} // namespace
