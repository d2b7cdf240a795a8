#include "exchange/ical_import.h"

#include "app/string_table.h"
#include "common/data_block.h"
#include "common/sjis_literal.h"
#include "exchange/ical_export.h"
#include "exchange/report_note.h"
#include "ical_fixtures.h"
#include "platform/sjis_text.h"
#include "sample_card.h"
#include "views/common/record_fields.h"
#include "views/schedule/schedule_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using app::TextId;
using exchange::IcalImportError;
using exchange::ScheduleImport;
using Notes = std::vector<std::string>;
using ical_testing::expectFields;
using ical_testing::Fields;
using ical_testing::fieldsOf;
using ical_testing::limitsOf;
using ical_testing::Model;
using ical_testing::optionName;

std::string utf8(const char *sjisText)
{
    return platform::sjisToUtf8(sjisText);
}

// A VCALENDAR of body (lines split by LF), CR LF ended.
std::string calendar(const std::string &body, const std::string &version = "2.0")
{
    std::string text = "BEGIN:VCALENDAR\r\nVERSION:" + version + "\r\nPRODID:-//Test//Test//EN\r\n";
    for (const char c : body)
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return text + "END:VCALENDAR\r\n";
}

std::string event(const std::string &lines)
{
    return "BEGIN:VEVENT\n" + lines + "END:VEVENT\n";
}

// A zone of this test's own name with the United States' rules since 2007.
const char ExampleEastern[] = "BEGIN:VTIMEZONE\n"
                              "TZID:Example/Eastern\n"
                              "BEGIN:DAYLIGHT\n"
                              "DTSTART:20070311T020000\n"
                              "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\n"
                              "TZOFFSETFROM:-0500\n"
                              "TZOFFSETTO:-0400\n"
                              "END:DAYLIGHT\n"
                              "BEGIN:STANDARD\n"
                              "DTSTART:20071104T020000\n"
                              "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\n"
                              "TZOFFSETFROM:-0400\n"
                              "TZOFFSETTO:-0500\n"
                              "END:STANDARD\n"
                              "END:VTIMEZONE\n";

// Every note of the report, in order of the entries.
Notes notesOf(const ScheduleImport &imported)
{
    Notes notes;
    for (const exchange::ImportReportEntry &entry : imported.report.entries)
        notes.insert(notes.end(), entry.notes.begin(), entry.notes.end());
    return notes;
}

struct ImportCase
{
    std::string name;
    Model model;
    std::string body;             // inside the VCALENDAR
    std::optional<Fields> fields; // nothing: the entry is left out
    Notes notes;                  // in any order
};

std::vector<ImportCase> importCases()
{
    const std::string start = "DTSTART:20240108T010000Z\n";
    const std::string summaryName = utf8(sjis("概要"));
    return {
        {"UtcTimesConvertExactly",
         Model::Full,
         event(start + "DTEND:20240108T020000Z\nSUMMARY:Meeting\n"),
         Fields{.end = "20240108T020000Z", .summary = "Meeting"},
         {}},
        {"TokyoZoneIsJapanTime",
         Model::Full,
         event("DTSTART;TZID=Asia/Tokyo:20240108T100000\n"
               "DTEND;TZID=Asia/Tokyo:20240108T113000\n"),
         Fields{.end = "20240108T023000Z"},
         {}},
        {"WindowsNameOfTheTokyoZoneIsJapanTime",
         Model::Full,
         event("DTSTART;TZID=Tokyo Standard Time:20240108T100000\n"),
         Fields{},
         {}},
        {"FloatingTimeIsJapanTime", Model::Full, event("DTSTART:20240108T100000\n"), Fields{}, {}},
        {"ZoneOfTheFileConvertsWithDaylightSaving",
         Model::Full,
         ExampleEastern
             + event("DTSTART;TZID=Example/Eastern:20240705T090000\n"
                     "DTEND;TZID=Example/Eastern:20240705T100000\n"),
         Fields{.start = "20240705T130000Z", .end = "20240705T140000Z"},
         {}},
        {"ZoneOfTheSystemDatabaseConverts",
         Model::Full,
         event("DTSTART;TZID=Europe/Berlin:20240108T100000\n"),
         Fields{.start = "20240108T090000Z", .end = "20240108T090000Z"},
         {}},
        {"UnknownZoneIsTakenAsJapanTime",
         Model::Full,
         event("DTSTART;TZID=Nowhere/Land:20240108T100000\n"
               "DTEND;TZID=Nowhere/Land:20240108T110000\n"),
         Fields{.end = "20240108T020000Z"}, // noted once
         {exchange::reportNote(TextId::ScheduleImportUnknownZone, "Nowhere/Land")}},
        {"DaysMakeAnAllDayEntryUpToTheDayBeforeTheEnd",
         Model::Full,
         event("DTSTART;VALUE=DATE:20240108\nDTEND;VALUE=DATE:20240110\n"),
         Fields{.start = "20240107T150000Z", .end = "20240109T145900Z", .allDay = 1},
         {}},
        {"ADayWithoutEndIsOneDay",
         Model::Full,
         event("DTSTART;VALUE=DATE:20240108\n"),
         Fields{.start = "20240107T150000Z", .end = "20240108T145900Z", .allDay = 1},
         {}},
        {"AllDayOnAModelWithoutItKeepsTheDays",
         Model::Sh505i,
         event("DTSTART;VALUE=DATE:20240108\nDTEND;VALUE=DATE:20240110\n"),
         Fields{.start = "20240107T150000Z", .end = "20240109T145900Z"},
         {exchange::reportNote(TextId::ScheduleImportNoAllDay)}},
        {"DurationGivesTheEnd",
         Model::Full,
         event(start + "DURATION:PT1H30M\n"),
         Fields{.end = "20240108T023000Z"},
         {}},
        {"EndBeforeStartBecomesTheStart",
         Model::Full,
         event(start + "DTEND:20240108T000000Z\n"),
         Fields{},
         {exchange::reportNote(TextId::ScheduleImportEndBeforeStart)}},
        {"EndBeyondTheModelsYearsBecomesTheStart",
         Model::Full,
         event(start + "DTEND:21000101T000000Z\n"),
         Fields{},
         {exchange::reportNote(TextId::ScheduleImportEndOutsideYears)}},
        {"ModelWithoutEndTimeEndsAtTheStart",
         Model::Narrow,
         event(start + "DTEND:20240108T020000Z\n"),
         Fields{},
         {exchange::reportNote(TextId::ScheduleImportNoEndTime)}},
        {"WeeklyRuleKeepsCountAndWeekdays",
         Model::Full,
         event(start + "RRULE:FREQ=WEEKLY;COUNT=10;BYDAY=MO,WE,FR\n"),
         Fields{.repeatRule = REPEAT_WEEKLY, .repeatCount = 10, .weekdays = 2 | 8 | 32},
         {}},
        {"WeekdaysOnAModelWithoutThemDropTheRule",
         Model::Sh505i,
         event(start + "RRULE:FREQ=WEEKLY;BYDAY=MO,WE\n"),
         Fields{},
         {exchange::reportNote(TextId::ScheduleImportRepeatDropped, "FREQ=WEEKLY;BYDAY=MO,WE")}},
        {"TheStartsOwnWeekdayNeedsNoWeekdays",
         Model::Sh505i,
         event(start + "RRULE:FREQ=WEEKLY;BYDAY=MO\n"),
         Fields{.repeatRule = REPEAT_WEEKLY},
         {}},
        // Monday 20:00 in Berlin is Tuesday 04:00 in Japan.
        {"WeekdaysMoveWithTheDayInJapan",
         Model::Full,
         event("DTSTART;TZID=Europe/Berlin:20240108T200000\nRRULE:FREQ=WEEKLY;BYDAY=MO\n"),
         Fields{.start = "20240108T190000Z",
                .end = "20240108T190000Z",
                .repeatRule = REPEAT_WEEKLY,
                .weekdays = 4},
         {}},
        {"UntilIsCountedIntoTheRepeatCount",
         Model::Full,
         event(start + "RRULE:FREQ=DAILY;UNTIL=20240113T010000Z\n"),
         Fields{.repeatRule = REPEAT_DAILY, .repeatCount = 6},
         {}},
        {"CountAboveNinetyNineIsCut",
         Model::Full,
         event(start + "RRULE:FREQ=DAILY;COUNT=150\n"),
         Fields{.repeatRule = REPEAT_DAILY, .repeatCount = 99},
         {exchange::reportNote(TextId::ScheduleImportRepeatCountCut, 99)}},
        {"ModelWithoutCountRepeatsWithoutEnd",
         Model::Narrow,
         event(start + "RRULE:FREQ=WEEKLY;COUNT=4\n"),
         Fields{.repeatRule = REPEAT_WEEKLY},
         {exchange::reportNote(TextId::ScheduleImportRepeatCountDropped, 4)}},
        {"IntervalCannotBeHeld",
         Model::Full,
         event(start + "RRULE:FREQ=WEEKLY;INTERVAL=2\n"),
         Fields{},
         {exchange::reportNote(TextId::ScheduleImportRepeatDropped, "FREQ=WEEKLY;INTERVAL=2")}},
        {"RuleBeyondTheModelsHighestIsDropped",
         Model::Narrow,
         event(start + "RRULE:FREQ=MONTHLY\n"),
         Fields{},
         {exchange::reportNote(TextId::ScheduleImportRepeatDropped, "FREQ=MONTHLY")}},
        {"MonthlyOnTheStartsOwnDay",
         Model::Full,
         event(start + "RRULE:FREQ=MONTHLY;BYMONTHDAY=8\n"),
         Fields{.repeatRule = REPEAT_MONTHLY},
         {}},
        {"NthWeekdayOfTheMonthCannotBeHeld",
         Model::Full,
         event(start + "RRULE:FREQ=MONTHLY;BYDAY=2MO\n"),
         Fields{},
         {exchange::reportNote(TextId::ScheduleImportRepeatDropped, "FREQ=MONTHLY;BYDAY=2MO")}},
        {"YearlyWithoutCountRepeatsWithoutEnd",
         Model::Full,
         event(start + "RRULE:FREQ=YEARLY;BYMONTH=1\n"),
         Fields{.repeatRule = REPEAT_YEARLY},
         {}},
        {"OnlyTheFirstRuleIsRead",
         Model::Full,
         event(start + "RRULE:FREQ=DAILY;COUNT=2\nRRULE:FREQ=WEEKLY\n"),
         Fields{.repeatRule = REPEAT_DAILY, .repeatCount = 2},
         {exchange::reportNote(TextId::ScheduleImportExtraRule)}},
        {"ExceptionDatesAreDropped",
         Model::Full,
         event(start + "RRULE:FREQ=DAILY;COUNT=5\nEXDATE:20240109T010000Z\n"),
         Fields{.repeatRule = REPEAT_DAILY, .repeatCount = 5},
         {exchange::reportNote(TextId::ScheduleImportExceptionsDropped, "EXDATE")}},
        {"AChangedOccurrenceBecomesAnEntryOfItsOwn",
         Model::Full,
         event(start + "RECURRENCE-ID:20240109T010000Z\n"),
         Fields{},
         {exchange::reportNote(TextId::ScheduleImportSingleOccurrence)}},
        {"AlarmBeforeTheStart",
         Model::Full,
         event(start + "BEGIN:VALARM\nACTION:DISPLAY\nTRIGGER:-PT15M\nEND:VALARM\n"),
         Fields{.alarm = "20240108T004500Z"},
         {}},
        {"AlarmBeforeTheEnd",
         Model::Full,
         event(start
               + "DTEND:20240108T020000Z\nBEGIN:VALARM\nACTION:AUDIO\n"
                 "TRIGGER;RELATED=END:-PT5M\nEND:VALARM\n"),
         Fields{.end = "20240108T020000Z", .alarm = "20240108T015500Z"},
         {}},
        {"AlarmAtAGivenTime",
         Model::Full,
         event(start
               + "BEGIN:VALARM\nACTION:DISPLAY\n"
                 "TRIGGER;VALUE=DATE-TIME:20240107T230000Z\nEND:VALARM\n"),
         Fields{.alarm = "20240107T230000Z"},
         {}},
        {"AlarmLeadIsCutToTheModelsLongest",
         Model::Narrow,
         event(start + "BEGIN:VALARM\nACTION:DISPLAY\nTRIGGER:-PT2H\nEND:VALARM\n"),
         Fields{.alarm = "20240108T003000Z"},
         {exchange::reportNote(TextId::ScheduleImportAlarmLeadCut, 30)}},
        {"AlarmAfterTheStartOnALeadOnlyModelIsAtTheStart",
         Model::Narrow,
         event(start + "BEGIN:VALARM\nACTION:DISPLAY\nTRIGGER:PT10M\nEND:VALARM\n"),
         Fields{.alarm = "20240108T010000Z"},
         {exchange::reportNote(TextId::ScheduleImportAlarmAtStart)}},
        {"OnlyTheFirstAlarmIsRead",
         Model::Full,
         event(start
               + "BEGIN:VALARM\nTRIGGER:-PT15M\nEND:VALARM\n"
                 "BEGIN:VALARM\nTRIGGER:-PT5M\nEND:VALARM\n"),
         Fields{.alarm = "20240108T004500Z"},
         {exchange::reportNote(TextId::ScheduleImportExtraAlarm)}},
        {"AlarmWithoutTriggerIsDropped",
         Model::Full,
         event(start + "BEGIN:VALARM\nACTION:DISPLAY\nEND:VALARM\n"),
         Fields{},
         {exchange::reportNote(TextId::ScheduleImportAlarmWithoutTime)}},
        {"TextsGoToShiftJis",
         Model::Full,
         event(start + "SUMMARY:会議\nDESCRIPTION:行1\\n行2\\, 以上\nLOCATION:東京\n"),
         Fields{.summary = "会議", .description = "行1\r\n行2, 以上", .location = "東京"},
         {}},
        {"CharactersOutsideCodePage932BecomeQuestionMarks",
         Model::Full,
         event(start + "SUMMARY:Party 🎉\n"),
         Fields{.summary = "Party ?"},
         {exchange::reportNote(TextId::ScheduleImportCharactersReplaced, summaryName.c_str(), 1)}},
        {"TextIsCutToTheModelsLength",
         Model::Narrow,
         event(start + "SUMMARY:会議室予約の確認\n"),
         Fields{.summary = "会議室予約"},
         {exchange::reportNote(TextId::ScheduleImportTextCut, summaryName.c_str(), 10, 16)}},
        {"CutNeverSplitsACharacter",
         Model::Narrow,
         event(start + "SUMMARY:a会議室予約\n"),
         Fields{.summary = "a会議室予"},
         {exchange::reportNote(TextId::ScheduleImportTextCut, summaryName.c_str(), 9, 11)}},
        {"CutLeavesNoBlankAtTheEnd",
         Model::Narrow,
         event(start + "SUMMARY:Lunch at  noon\n"),
         Fields{.summary = "Lunch at"},
         {exchange::reportNote(TextId::ScheduleImportTextCut, summaryName.c_str(), 8, 14)}},
        {"WithoutSummaryFieldTheSummaryLeadsTheDescription",
         Model::Sh505i,
         event(start + "SUMMARY:Lunch\nDESCRIPTION:With Ken\nLOCATION:Cafe\n"),
         Fields{.description = "Lunch\r\nWith Ken"},
         {exchange::reportNote(TextId::ScheduleImportSummaryMoved),
          exchange::reportNote(TextId::ScheduleImportFieldMissing, utf8(sjis("場所")).c_str())}},
        {"CategoryPicksTheIconByName",
         Model::Full,
         event(start + "CATEGORIES:旅行\n"),
         Fields{.icon = 2},
         {}},
        {"UnknownCategoryGivesTheFirstIcon",
         Model::Full,
         event(start + "CATEGORIES:Birthday\n"),
         Fields{},
         {exchange::reportNote(TextId::ScheduleImportIconUnmatched, "Birthday", "なし")}},
        {"CategoriesBesideTheIconAreReported",
         Model::Full,
         event(start + "CATEGORIES:Work,旅行\n"),
         Fields{.icon = 2},
         {exchange::reportNote(TextId::ScheduleImportCategoriesUnused, "Work", "旅行")}},
        {"AlarmToneAndVolumeOfTheExportReadBack",
         Model::Full,
         event(start + "X-CELLVANE-ALARM-TONE:2\nX-CELLVANE-ALARM-VOLUME:1\n"),
         Fields{.alarmTone = 2, .alarmVolume = 1},
         {}},
        {"AlarmToneTheModelLacksIsDropped",
         Model::Sh505i,
         event(start + "X-CELLVANE-ALARM-TONE:2\n"),
         Fields{},
         {exchange::reportNote(TextId::ScheduleImportChoiceRefused, utf8(sjis("ｱﾗｰﾑ音")).c_str(),
                               "2")}},
        {"LastModifiedIsKept",
         Model::Full,
         event(start + "LAST-MODIFIED:20231201T000000Z\n"),
         Fields{.lastModified = "20231201T000000Z"},
         {}},
        {"StartBeforeTheModelsYearsLeavesTheEntryOut",
         Model::Full,
         event("DTSTART:19991231T000000Z\n"),
         std::nullopt,
         {exchange::reportNote(TextId::ScheduleImportStartOutsideYears, "1999/12/31", 2000, 2099)}},
        {"EntryWithoutStartIsLeftOut",
         Model::Full,
         event("SUMMARY:Someday\n"),
         std::nullopt,
         {exchange::reportNote(TextId::ScheduleImportNoStart)}},
        {"UnreadableValueIsReported",
         Model::Full,
         event(start + "DTEND:garbage\n"),
         Fields{},
         {exchange::reportNote(TextId::ScheduleImportUnreadableLine,
                               "Can't parse as DATE-TIME value in DTEND property. Removing "
                               "entire property: garbage")}},
        {"EmptyValueLosesNothing",
         Model::Full,
         event(start + "DESCRIPTION:\nLOCATION:\n"),
         Fields{},
         {}},
        {"PropertiesWithoutPlaceAreListed",
         Model::Full,
         event(start
               + "UID:1@example.com\nDTSTAMP:20240101T000000Z\nATTENDEE:mailto:ken@example.com\n"
                 "URL:http://example.com/\nATTENDEE:mailto:eri@example.com\n"),
         Fields{},
         {exchange::reportNote(TextId::ScheduleImportNoPlace, "ATTENDEE, URL")}},
    };
}

void PrintTo(const ImportCase &c, std::ostream *out)
{
    *out << c.name;
}

class IcalImportMappingTest : public testing::TestWithParam<ImportCase>
{
};

TEST_P(IcalImportMappingTest, EventBecomesTheRecordTheModelHolds)
{
    const ImportCase &c = GetParam();
    const ScheduleImport imported
        = exchange::importICalendar(calendar(c.body), limitsOf(c.model), optionName);
    ASSERT_EQ(imported.error, IcalImportError::None);
    ASSERT_EQ(imported.records.size(), c.fields ? 1u : 0u);
    if (c.fields)
        expectFields(fieldsOf(imported.records[0]), *c.fields);
    Notes notes = notesOf(imported);
    Notes expected = c.notes;
    std::sort(notes.begin(), notes.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(notes, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IcalImportMappingTest, testing::ValuesIn(importCases()),
                         [](const testing::TestParamInfo<ImportCase> &info) {
                             return info.param.name;
                         });

ScheduleImport importFull(const std::string &bytes)
{
    return exchange::importICalendar(bytes, limitsOf(Model::Full), optionName);
}

TEST(IcalImportTest, WhatIsNoICalendar2FileIsAnErrorWithNothingRead)
{
    const struct
    {
        const char *name;
        std::string bytes;
        IcalImportError error;
    } cases[] = {
        {"empty", "", IcalImportError::NotCalendar},
        {"text", "hello\r\nworld\r\n", IcalImportError::NotCalendar},
        {"bare event", "BEGIN:VEVENT\r\nDTSTART:20240108T010000Z\r\nEND:VEVENT\r\n",
         IcalImportError::NotCalendar},
        {"NUL bytes", calendar(event("DTSTART:20240108T010000Z\n")).insert(3, 1, '\0'),
         IcalImportError::NotCalendar},
        {"vCalendar 1.0", calendar(event("DTSTART:20240108T010000Z\n"), "1.0"),
         IcalImportError::UnsupportedVersion},
        {"one of two calendars 1.0",
         calendar(event("DTSTART:20240108T010000Z\n"))
             + calendar(event("DTSTART:20240108T010000Z\n"), "1.0"),
         IcalImportError::UnsupportedVersion},
    };
    for (const auto &c : cases) {
        const ScheduleImport imported = importFull(c.bytes);
        EXPECT_EQ(imported.error, c.error) << c.name;
        EXPECT_TRUE(imported.records.empty()) << c.name;
    }
}

TEST(IcalImportTest, ByteOrderMarkAndMissingVersionAreTaken)
{
    const std::string body = event("DTSTART:20240108T010000Z\n");
    EXPECT_EQ(importFull("\xEF\xBB\xBF" + calendar(body)).records.size(), 1u);

    const ScheduleImport unversioned
        = importFull("BEGIN:VCALENDAR\r\n" + calendar(body).substr(30));
    ASSERT_EQ(unversioned.error, IcalImportError::None);
    EXPECT_EQ(unversioned.records.size(), 1u);
    const std::vector<exchange::ImportReportEntry> expected
        = {{"VCALENDAR", {exchange::reportNote(TextId::ScheduleImportNoVersion)}}};
    EXPECT_EQ(unversioned.report.entries, expected);
}

TEST(IcalImportTest, EntriesOfEveryCalendarAreLabelledInFileOrder)
{
    const std::string file
        = calendar(event("DTSTART:20240108T010000Z\nSUMMARY:First\nCATEGORIES:Unknown\n"))
          + calendar(event("DTSTART:20240108T010000Z\nDESCRIPTION:" + std::string(45, 'x')
                           + "\\nsecond line\nCATEGORIES:Unknown\n")
                     + event("DTSTART:20240108T010000Z\nCATEGORIES:Unknown\n"));
    const ScheduleImport imported = importFull(file);
    ASSERT_EQ(imported.records.size(), 3u);
    std::vector<std::string> labels;
    for (const exchange::ImportReportEntry &entry : imported.report.entries)
        labels.push_back(entry.label);
    EXPECT_EQ(labels,
              (std::vector<std::string>{"VEVENT 1: First",
                                        "VEVENT 2: " + std::string(40, 'x') + "...", "VEVENT 3"}));
}

TEST(IcalImportTest, OtherComponentsAreLeftOutAndCountedOncePerKind)
{
    const ScheduleImport imported
        = importFull(calendar("BEGIN:VTODO\nSUMMARY:a\nEND:VTODO\n"
                              "BEGIN:VJOURNAL\nEND:VJOURNAL\n"
                              + event("DTSTART:20240108T010000Z\n") + "BEGIN:VTODO\nEND:VTODO\n"));
    EXPECT_EQ(imported.records.size(), 1u);
    const std::vector<exchange::ImportReportEntry> expected = {
        {"VJOURNAL", {exchange::reportNote(TextId::ScheduleImportNotEvent, 1)}},
        {"VTODO", {exchange::reportNote(TextId::ScheduleImportNotEvent, 2)}},
    };
    EXPECT_EQ(imported.report.entries, expected);
}

TEST(IcalImportTest, RecordsAreAChainTheStoreMergesEvenAsACopy)
{
    const ScheduleImport imported = importFull(calendar(event("DTSTART:20240108T010000Z\n")
                                                        + event("DTSTART:20240109T010000Z\n")
                                                        + event("DTSTART:20240110T010000Z\n")));
    ASSERT_EQ(imported.records.size(), 3u);
    const std::vector<ScheduleRecord> copy = imported.records;
    EXPECT_EQ(ChainLength(copy.data()), 3u);
    views::ScheduleStore store;
    EXPECT_EQ(store.AddRecords(copy.data(), false, true, true), 3);
    EXPECT_STREQ(store.record(2)->start, "20240110T010000Z");
}

TEST(IcalImportTest, EntriesBeyondTheStoresCapacityAreCountedNotRead)
{
    std::string body;
    for (int i = 0; i < views::ScheduleStore::Capacity + 2; ++i)
        body += event("DTSTART:20240108T010000Z\n");
    const ScheduleImport imported = importFull(calendar(body));
    EXPECT_EQ(imported.records.size(), size_t(views::ScheduleStore::Capacity));
    const std::vector<exchange::ImportReportEntry> expected
        = {{"VCALENDAR",
            {exchange::reportNote(TextId::ScheduleImportBeyondCapacity,
                                  views::ScheduleStore::Capacity, 2)}}};
    EXPECT_EQ(imported.report.entries, expected);
}

TEST(IcalImportTest, ComponentsLibicalDoesNotKnowAreCountedTogether)
{
    const ScheduleImport imported = importFull(exchange_testing::readFile(
        std::string(EXCHANGE_TEST_DATA) + "../regress/ical/unknown_component.ics"));
    EXPECT_EQ(imported.records.size(), 1u);
    const std::vector<exchange::ImportReportEntry> expected
        = {{"X", {exchange::reportNote(TextId::ScheduleImportNotEvent, 2)}}};
    EXPECT_EQ(imported.report.entries, expected);
}

// Inputs that once broke the import: each reads, and what it gave exports and reads back the
// same.
TEST(IcalImportTest, FilesThatOnceBrokeTheImportReadAndComeBackTheSame)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(EXCHANGE_TEST_DATA) / ".." / "regress" / "ical";
    int files = 0;
    for (const auto &entry : fs::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().string());
        ++files;
        const ScheduleImport imported
            = importFull(exchange_testing::readFile(entry.path().string()));
        ASSERT_EQ(imported.error, IcalImportError::None);
        std::vector<ScheduleRecord> records = imported.records;
        views::ScheduleStore store;
        store.AddRecords(records.data(), true, true, false);
        const ScheduleImport again = importFull(exchange::exportICalendar(store, optionName, 0));
        ASSERT_EQ(again.records.size(), imported.records.size());
        for (size_t i = 0; i < again.records.size(); ++i)
            expectFields(fieldsOf(again.records[i]), fieldsOf(imported.records[i]));
    }
    EXPECT_GT(files, 0);
}

// The corpus holds vCalendar 1.0 files only (SOURCES.md): each must be refused as such, whole,
// without harm.
TEST(IcalImportTest, CorpusCalendarsAreRefusedAsVersion1)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::is_directory(EXCHANGE_CORPUS, error))
        GTEST_SKIP() << "no sample corpus at " << EXCHANGE_CORPUS;
    int files = 0;
    for (const auto &entry : fs::recursive_directory_iterator(EXCHANGE_CORPUS, error)) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (extension != ".vcs" && extension != ".ics")
            continue;
        ++files;
        const ScheduleImport imported
            = importFull(exchange_testing::readFile(entry.path().string()));
        EXPECT_EQ(imported.error, IcalImportError::UnsupportedVersion) << entry.path();
        EXPECT_TRUE(imported.records.empty()) << entry.path();
    }
    EXPECT_GT(files, 0);
}

// Files shaped as a desktop mail program and a web calendar write them, made for these tests.
struct FixtureCase
{
    const char *name;
    const char *file;
    std::vector<Fields> entries;
    size_t notes;
};

void PrintTo(const FixtureCase &c, std::ostream *out)
{
    *out << c.file;
}

class IcalImportFixtureTest : public testing::TestWithParam<FixtureCase>
{
};

TEST_P(IcalImportFixtureTest, ImportsSensibleEntries)
{
    const FixtureCase &c = GetParam();
    const std::string bytes = exchange_testing::readFile(std::string(EXCHANGE_TEST_DATA) + c.file);
    ASSERT_FALSE(bytes.empty()) << c.file;
    const ScheduleImport imported = importFull(bytes);
    ASSERT_EQ(imported.error, IcalImportError::None);
    ASSERT_EQ(imported.records.size(), c.entries.size());
    for (size_t i = 0; i < c.entries.size(); ++i) {
        SCOPED_TRACE(i);
        expectFields(fieldsOf(imported.records[i]), c.entries[i]);
    }
    EXPECT_EQ(notesOf(imported).size(), c.notes) << testing::PrintToString(notesOf(imported));
}

const FixtureCase FixtureCases[] = {
    {"WindowsZoneNames",
     "windows_zone.ics",
     {
         // Weekly stand-up on Mondays, 9:30-9:45 Tokyo time, ten times, 15 minutes' warning.
         Fields{.start = "20240108T003000Z",
                .end = "20240108T004500Z",
                .alarm = "20240108T001500Z",
                .summary = "朝会",
                .description = "進捗の確認\r\n",
                .location = "会議室A",
                .repeatRule = REPEAT_WEEKLY,
                .repeatCount = 10,
                .weekdays = 2,
                .lastModified = "20240105T020000Z"},
         // Two holidays, all day.
         Fields{.start = "20240428T150000Z",
                .end = "20240430T145900Z",
                .summary = "連休",
                .icon = 2,
                .allDay = 1},
         // A call at 8:00 in New York, in daylight saving time.
         Fields{.start = "20240610T120000Z", .end = "20240610T130000Z", .summary = "Call"},
     },
     2}, // PRIORITY and ORGANIZER have no place
    {"WebCalendar",
     "web_calendar.ics",
     {
         Fields{.start = "20240301T010000Z",
                .end = "20240301T020000Z",
                .alarm = "20240301T005000Z",
                .summary = "Dentist",
                .location = "Shibuya"},
         // UNTIL the 15th of June counts March to June.
         Fields{.start = "20240315T100000Z",
                .end = "20240315T110000Z",
                .summary = "Monthly review",
                .description = "Agenda: numbers, plans and next steps for the whole team - bring "
                               "the report",
                .repeatRule = REPEAT_MONTHLY,
                .repeatCount = 4,
                .lastModified = "20240220T120000Z"},
         Fields{.start = "20240416T100000Z",
                .end = "20240416T110000Z",
                .summary = "Monthly review (moved)"},
         Fields{.start = "20240404T150000Z",
                .end = "20240405T145900Z",
                .summary = "Birthday ?",
                .repeatRule = REPEAT_YEARLY,
                .allDay = 1},
     },
     5}, // second alarm, EXDATE, the moved occurrence, the emoji, the VTODO
};

INSTANTIATE_TEST_SUITE_P(Files, IcalImportFixtureTest, testing::ValuesIn(FixtureCases),
                         [](const testing::TestParamInfo<FixtureCase> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
