#include "exchange/model_conversion.h"

#include "app/string_table.h"
#include "common/sjis_literal.h"
#include "exchange/report_note.h"
#include "platform/sjis_text.h"
#include "views/common/pc_file_image.h"
#include "views/common/record_fields.h"
#include "views/mail/mail_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using app::TextId;
using exchange::ImportReportEntry;
using exchange::ModelTables;
using exchange::reportNote;

std::string utf8(const char *sjisText)
{
    return platform::sjisToUtf8(sjisText);
}

// A model offering every field at its longest, four slots of each kind and the option lists
// given.
ModelTables roomyModel(uint32_t code)
{
    ModelTables model;
    model.pluginCode = code;
    AddressLimits &address = model.address;
    address.capacity = 1000;
    address.numbersBelowCapacity = 1;
    address.nameLength = address.readingLength = 63;
    address.phoneSlots = address.mailSlots = 4;
    address.phoneLength = 63;
    address.mailLength = 127;
    address.postalCodeLength = 15;
    address.postalAddressLength = address.noteLength = 255;
    address.phoneIconChoice = address.mailIconChoice = 1;
    ScheduleLimits &schedule = model.schedule;
    schedule.startTimeOption = schedule.endTimeOption = schedule.allDayChoice = 1;
    schedule.summaryLength = 129;
    schedule.descriptionLength = 257;
    schedule.locationLength = 131;
    schedule.highestRepeatRule = REPEAT_YEARLY;
    schedule.weekdayChoice = schedule.repeatCountChoice = schedule.alarmOption = 1;
    schedule.alarmTimeOption = schedule.alarmLeadTimeOption = 1;
    schedule.alarmToneChoice = schedule.alarmVolumeChoice = 1;
    schedule.largestAlarmLead = 10080;
    schedule.firstYear = 2000;
    schedule.lastYear = 2099;
    model.bookmark.titleLength = 259;
    model.bookmark.urlLength = 515;
    return model;
}

template<typename Record>
std::vector<unsigned char> imageOf(const views::PcFileFormat &format,
                                   const std::vector<Record> &records, uint32_t code)
{
    std::vector<Record> laid = records;
    for (size_t slot = 0; slot < laid.size(); ++slot)
        views::setSlotLinks(laid[slot].header, slot, sizeof(Record));
    return views::buildPcImage(format, laid.data(), laid.size(), code);
}

template<typename Record>
std::vector<Record> recordsOf(const views::PcFileFormat &format,
                              const std::vector<unsigned char> &image, uint32_t code)
{
    views::PcImageRecords records;
    EXPECT_EQ(views::checkPcImage(format, image.data(), image.size(), code, records),
              views::PcImageCheck::Accepted);
    std::vector<Record> result(records.count);
    if (records.count > 0)
        std::memcpy(result.data(), records.first, records.count * sizeof(Record));
    return result;
}

exchange::ModelConversion convert(const std::vector<unsigned char> &image, const ModelTables &from,
                                  const ModelTables &to)
{
    return exchange::convertPcImage(image.data(), image.size(), from, to);
}

AddressRecord person(int32_t number, const char *name)
{
    AddressRecord record{};
    record.header = {RECORD_VERSION_ADDRESS, sizeof(AddressRecord), 1001, 0, 0};
    record.memoryNumber = number;
    record.groupNumber = -1;
    views::setFieldText(record.name, name);
    return record;
}

class ModelConversionTest : public testing::Test
{
protected:
    ModelTables roomy = roomyModel(0x101);
    ModelTables small = roomyModel(0x202);
};

TEST_F(ModelConversionTest, AddressTextsAndSlotsAreFittedAndEveryChangeIsReported)
{
    roomy.options[201] = {sjis("電話"), sjis("携帯"), sjis("自宅")};
    roomy.options[202] = {sjis("ﾒｰﾙ"), sjis("携帯ﾒｰﾙ")};
    small.options[201] = {sjis("携帯"), sjis("電話")};
    small.options[202] = {sjis("PCﾒｰﾙ")};
    small.address.nameLength = 8;
    small.address.phoneSlots = 2;
    small.address.mailSlots = 1;
    small.address.noteLength = 0;

    AddressRecord taro = person(3, sjis("山田太郎左衛門"));
    views::setFieldText(taro.phones[1].number, "0311112222");
    taro.phones[1].icon = 2; // 自宅: not on the small model
    views::setFieldText(taro.phones[2].number, "09033334444");
    taro.phones[2].icon = 1; // 携帯
    views::setFieldText(taro.phones[3].number, "0455556666");
    views::setFieldText(taro.mails[0].address, "taro@example.jp");
    taro.mails[0].icon = 1;
    views::setFieldText(taro.note, sjis("ﾒﾓ"));
    AddressRecord fits = person(4, sjis("花子"));
    views::setFieldText(fits.phones[0].number, "0312345678");
    fits.phones[0].icon = 0; // 電話, index 1 on the small model
    fits.mails[0].icon = 1;  // an empty slot's icon carries nothing

    const exchange::ModelConversion result
        = convert(imageOf(views::AddressPcFile, std::vector{taro, fits}, 0x101), roomy, small);
    ASSERT_TRUE(result.converted);
    EXPECT_EQ(result.viewKind, 2);
    EXPECT_EQ(result.read, 2);
    EXPECT_EQ(result.kept, 2);
    const std::vector<AddressRecord> records
        = recordsOf<AddressRecord>(views::AddressPcFile, result.image, 0x202);
    ASSERT_EQ(records.size(), 2u);

    const AddressRecord &t = records[0];
    EXPECT_EQ(views::fieldText(t.name), sjis("山田太郎")) << "cut at 8 bytes, on a character";
    EXPECT_EQ(views::fieldText(t.phones[0].number), "0311112222") << "slots move up";
    EXPECT_EQ(t.phones[0].icon, 0) << "an icon the model lacks becomes its first";
    EXPECT_EQ(views::fieldText(t.phones[1].number), "09033334444");
    EXPECT_EQ(t.phones[1].icon, 0) << "携帯 by name";
    EXPECT_EQ(views::fieldText(t.phones[2].number), "");
    EXPECT_EQ(views::fieldText(t.note), "");
    EXPECT_EQ(t.mails[0].icon, 0);

    const AddressRecord &h = records[1];
    EXPECT_EQ(0, std::memcmp(h.name, fits.name, sizeof h.name));
    EXPECT_EQ(h.phones[0].icon, 1) << "電話 by name";
    EXPECT_EQ(h.mails[0].icon, 0);

    const std::string phone = utf8(sjis("電話番号"));
    const std::string mail = utf8(sjis("ﾒｰﾙｱﾄﾞﾚｽ"));
    const std::vector<ImportReportEntry> expected = {
        {"3: " + utf8(sjis("山田太郎左衛門")),
         {reportNote(TextId::AddressImportTextCut, utf8(sjis("名前")).c_str(), 8,
                     utf8(sjis("山田太郎左衛門")).c_str()),
          reportNote(TextId::AddressImportFieldMissing, utf8(sjis("ﾒﾓ")).c_str(),
                     utf8(sjis("ﾒﾓ")).c_str()),
          reportNote(TextId::ConversionOptionUnmatched, phone.c_str(), utf8(sjis("自宅")).c_str(),
                     utf8(sjis("携帯")).c_str()),
          reportNote(TextId::AddressImportSlotsFull, phone.c_str(), 2, "0455556666"),
          reportNote(TextId::ConversionOptionUnmatched, mail.c_str(), utf8(sjis("携帯ﾒｰﾙ")).c_str(),
                     utf8(sjis("PCﾒｰﾙ")).c_str())}},
    };
    EXPECT_EQ(result.report.entries, expected) << exchange::reportText(result.report);
}

TEST_F(ModelConversionTest, MemoryNumbersBeyondTheTargetAreRenumberedAndEntriesBeyondItDropped)
{
    small.address.capacity = 3;
    const std::vector<AddressRecord> book
        = {person(OWNER_MEMORY_NUMBER, sjis("自分")), person(7, "a"), person(1, "b"),
           person(2, "c"), person(0, "d")};
    const exchange::ModelConversion result
        = convert(imageOf(views::AddressPcFile, book, 0x101), roomy, small);
    ASSERT_TRUE(result.converted);
    EXPECT_EQ(result.read, 4) << "the owner's own entry apart";
    EXPECT_EQ(result.kept, 3);
    const std::vector<AddressRecord> records
        = recordsOf<AddressRecord>(views::AddressPcFile, result.image, 0x202);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].memoryNumber, OWNER_MEMORY_NUMBER);
    EXPECT_EQ(records[1].memoryNumber, 0) << "7 takes the lowest number no kept entry holds";
    EXPECT_EQ(records[2].memoryNumber, 1);
    EXPECT_EQ(records[3].memoryNumber, 2);
    const std::vector<ImportReportEntry> expected = {
        {"0: d", {reportNote(TextId::ConversionBeyondCapacity, 3)}},
        {"7: a", {reportNote(TextId::ConversionMemoryNumberMoved, 7, 0)}},
    };
    EXPECT_EQ(result.report.entries, expected) << exchange::reportText(result.report);
}

TEST_F(ModelConversionTest, EveryEntryOfTheFileIsConvertedWhatTheSourceModelWouldHaveTaken)
{
    small.address.capacity = 3; // a file that opens under any model may hold more
    const std::vector<AddressRecord> book
        = {person(500, "a"), person(501, "b"), person(502, "c"), person(503, "d")};
    const exchange::ModelConversion result
        = convert(imageOf(views::AddressPcFile, book, 0), small, roomy);
    ASSERT_TRUE(result.converted);
    EXPECT_EQ(result.read, 4);
    EXPECT_EQ(result.kept, 4);
    EXPECT_TRUE(result.report.empty()) << exchange::reportText(result.report);
    const std::vector<AddressRecord> records
        = recordsOf<AddressRecord>(views::AddressPcFile, result.image, 0x101);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[3].memoryNumber, 503);
}

ScheduleRecord entry(const char *start, const char *end, const char *summary)
{
    ScheduleRecord record{};
    record.header = {RECORD_VERSION_SCHEDULE, sizeof(ScheduleRecord), 1003, 0, 0};
    views::setFieldText(record.start, start);
    views::setFieldText(record.end, end);
    views::setFieldText(record.summary, summary);
    return record;
}

TEST_F(ModelConversionTest, ScheduleEntriesTakeWhatTheTargetOffersAndLeaveWhatItCannotHold)
{
    roomy.options[401] = {sjis("なし"), sjis("会議"), sjis("誕生日")};
    small.options[401] = {sjis("なし"), sjis("誕生日")};
    small.schedule.firstYear = 2001;
    small.schedule.lastYear = 2030;
    small.schedule.endTimeOption = 0; // the end lies on the start's day
    small.schedule.allDayChoice = 0;
    small.schedule.highestRepeatRule = REPEAT_MONTHLY;
    small.schedule.repeatCountChoice = 0;
    small.schedule.alarmTimeOption = 0;
    small.schedule.largestAlarmLead = 60;
    small.schedule.summaryLength = 0;

    // Japan time 2003-06-02 10:00 to 2003-06-03 11:00, a meeting repeating yearly 5 times.
    ScheduleRecord meeting = entry("20030602T010000Z", "20030603T020000Z", sjis("定例"));
    views::setFieldText(meeting.description, sjis("議題"));
    views::setFieldText(meeting.alarm, "20030601T010000Z"); // a day before
    meeting.repeatRule = REPEAT_YEARLY;
    meeting.repeatCount = 5;
    meeting.icon = 1;
    ScheduleRecord birthday = entry("20040714T150000Z", "20040715T145900Z", sjis("誕生日"));
    birthday.allDay = 1;
    birthday.icon = 2;
    birthday.repeatCount = 3;
    const ScheduleRecord past = entry("19991231T010000Z", "19991231T010000Z", "old");

    const exchange::ModelConversion result = convert(
        imageOf(views::SchedulePcFile, std::vector{meeting, birthday, past}, 0x101), roomy, small);
    ASSERT_TRUE(result.converted);
    EXPECT_EQ(result.read, 3);
    EXPECT_EQ(result.kept, 2);
    const std::vector<ScheduleRecord> records
        = recordsOf<ScheduleRecord>(views::SchedulePcFile, result.image, 0x202);
    ASSERT_EQ(records.size(), 2u);
    const ScheduleRecord &m = records[0];
    EXPECT_EQ(views::fieldText(m.end), "20030602T145900Z") << "23:59 of the start's day";
    EXPECT_EQ(m.repeatRule, REPEAT_NONE);
    EXPECT_EQ(m.repeatCount, 0);
    EXPECT_EQ(views::fieldText(m.alarm), "20030602T000000Z") << "the longest lead, 60 minutes";
    EXPECT_EQ(views::fieldText(m.summary), "");
    EXPECT_EQ(views::fieldText(m.description), std::string(sjis("定例")) + "\r\n" + sjis("議題"));
    EXPECT_EQ(m.icon, 0);
    const ScheduleRecord &b = records[1];
    EXPECT_EQ(b.allDay, 0);
    EXPECT_EQ(views::fieldText(b.description), sjis("誕生日"));
    EXPECT_EQ(b.icon, 1) << "誕生日 by name";
    EXPECT_EQ(b.repeatCount, 3) << "a count without a rule is left as it is";

    const std::string yearly = utf8(sjis("毎年"));
    const std::vector<ImportReportEntry> expected = {
        {"2003/06/02 10:00:00 " + utf8(sjis("定例")),
         {reportNote(TextId::ScheduleImportEndDateFixed),
          reportNote(TextId::ScheduleImportRepeatDropped, yearly.c_str()),
          reportNote(TextId::ScheduleImportAlarmLeadCut, 60),
          reportNote(TextId::ScheduleImportSummaryMoved),
          reportNote(TextId::ConversionOptionUnmatched, utf8(sjis("ｱｲｺﾝ")).c_str(),
                     utf8(sjis("会議")).c_str(), utf8(sjis("なし")).c_str())}},
        {"2004/07/15 00:00:00 " + utf8(sjis("誕生日")),
         {reportNote(TextId::ScheduleImportNoAllDay),
          reportNote(TextId::ScheduleImportSummaryMoved)}},
        {"1999/12/31 10:00:00 old",
         {reportNote(TextId::ScheduleImportStartOutsideYears, "1999/12/31", 2001, 2030)}},
    };
    EXPECT_EQ(result.report.entries, expected) << exchange::reportText(result.report);
}

TEST_F(ModelConversionTest, BookmarksAreCutAndMailIsTakenAsItIs)
{
    small.bookmark.titleLength = 4;
    BookmarkRecord bookmark{};
    bookmark.header = {RECORD_VERSION_BOOKMARK, sizeof(BookmarkRecord), 1000, 0, 0};
    views::setFieldText(bookmark.title, sjis("天気予報"));
    views::setFieldText(bookmark.url, "http://example.jp/");
    bookmark.folderNumber = -1;
    const exchange::ModelConversion bookmarks
        = convert(imageOf(views::BookmarkPcFile, std::vector{bookmark}, 0x101), roomy, small);
    ASSERT_TRUE(bookmarks.converted);
    const std::vector<BookmarkRecord> records
        = recordsOf<BookmarkRecord>(views::BookmarkPcFile, bookmarks.image, 0x202);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(views::fieldText(records[0].title), sjis("天気"));
    EXPECT_EQ(views::fieldText(records[0].url), "http://example.jp/");
    ASSERT_EQ(bookmarks.report.entries.size(), 1u);

    views::MailStore mail;
    const std::vector<unsigned char> empty = mail.BuildPcBlock(0x101);
    const exchange::ModelConversion mails = convert(empty, roomy, small);
    ASSERT_TRUE(mails.converted);
    EXPECT_EQ(mails.viewKind, 3);
    EXPECT_EQ(mails.image, mail.BuildPcBlock(0x202));
    EXPECT_TRUE(mails.report.empty());
}

TEST_F(ModelConversionTest, BytesThatAreNoPcFileAreNotConverted)
{
    std::vector<unsigned char> damaged
        = imageOf(views::AddressPcFile, std::vector{person(1, "a")}, 0x101);
    damaged.resize(damaged.size() - 1);
    const std::vector<unsigned char> cases[]
        = {{}, {'A', 'P', 'C', 0}, damaged, std::vector<unsigned char>(64, 'x')};
    for (const std::vector<unsigned char> &bytes : cases) {
        const exchange::ModelConversion result = convert(bytes, roomy, small);
        EXPECT_FALSE(result.converted) << bytes.size();
        EXPECT_TRUE(result.image.empty());
    }
}

} // namespace
