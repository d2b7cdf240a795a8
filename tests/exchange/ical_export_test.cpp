#include "exchange/ical_export.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/sjis_literal.h"
#include "exchange/ical_import.h"
#include "ical_fixtures.h"
#include "platform/sjis_text.h"
#include "python_checker.h"
#include "sample_card.h"
#include "tests/support/first_differing_line.h"
#include "tests/support/temp_dir.h"
#include "views/common/choice_lists.h"
#include "views/schedule/schedule_edit_rules.h"
#include "views/schedule/schedule_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

using ical_testing::Fields;
using ical_testing::Model;
using ical_testing::optionName;

constexpr int64_t Clock = 1706745600; // 2024-02-01 00:00:00 UTC

// An entry of Monday 8 January 2024, 10:00 to 11:00 in Japan, nothing else set.
ScheduleRecord entry()
{
    ScheduleRecord record{};
    record.header = {RECORD_VERSION_SCHEDULE, sizeof record, KIND_SCHEDULE, 0, 0};
    views::setFieldText(record.start, "20240108T010000Z");
    views::setFieldText(record.end, "20240108T020000Z");
    return record;
}

views::ScheduleStore storeOf(std::vector<ScheduleRecord> records)
{
    for (size_t i = 1; i < records.size(); ++i)
        ChainRecords(&records[i - 1], &records[i]);
    views::ScheduleStore store;
    if (!records.empty())
        store.AddRecords(records.data(), true, true, false);
    return store;
}

// The content lines of a file, folded lines joined.
std::vector<std::string> linesOf(const std::string &file)
{
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < file.size()) {
        const size_t end = file.find("\r\n", at);
        const std::string line = file.substr(at, end == std::string::npos ? end : end - at);
        if (!line.empty() && line[0] == ' ' && !lines.empty())
            lines.back() += line.substr(1);
        else
            lines.push_back(line);
        at = end == std::string::npos ? file.size() : end + 2;
    }
    return lines;
}

// The lines between the first BEGIN:VEVENT and its END.
std::vector<std::string> eventLines(const std::string &file)
{
    const std::vector<std::string> lines = linesOf(file);
    const auto begin = std::find(lines.begin(), lines.end(), "BEGIN:VEVENT");
    const auto end = std::find(begin, lines.end(), "END:VEVENT");
    return begin == lines.end() ? std::vector<std::string>()
                                : std::vector<std::string>(begin + 1, end);
}

bool startsWith(const std::string &line, const std::string &prefix)
{
    return line.compare(0, prefix.size(), prefix) == 0;
}

struct ExportCase
{
    const char *name;
    std::function<void(ScheduleRecord &)> change;
    std::vector<std::string> present; // whole lines
    std::vector<std::string> absent;  // line starts
};

void PrintTo(const ExportCase &c, std::ostream *out)
{
    *out << c.name;
}

class IcalExportMappingTest : public testing::TestWithParam<ExportCase>
{
};

TEST_P(IcalExportMappingTest, EntryBecomesTheseLines)
{
    const ExportCase &c = GetParam();
    ScheduleRecord record = entry();
    c.change(record);
    const std::vector<std::string> lines
        = eventLines(exchange::exportICalendar(storeOf({record}), optionName, Clock));
    for (const std::string &line : c.present)
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    for (const std::string &prefix : c.absent)
        for (const std::string &line : lines)
            EXPECT_FALSE(startsWith(line, prefix)) << line << " (no " << prefix << " wanted)";
}

const ExportCase ExportCases[] = {
    {"TimesInJapanTimeWithTheZone",
     [](ScheduleRecord &) {},
     {"DTSTART;TZID=Asia/Tokyo:20240108T100000", "DTEND;TZID=Asia/Tokyo:20240108T110000",
      "DTSTAMP:20240201T000000Z"},
     {"RRULE", "BEGIN:VALARM", "SUMMARY", "DESCRIPTION", "LOCATION", "LAST-MODIFIED",
      "X-CELLVANE"}},
    {"EndNotAfterTheStartIsLeftOut",
     [](ScheduleRecord &r) { views::setFieldText(r.end, "20240108T010000Z"); },
     {"DTSTART;TZID=Asia/Tokyo:20240108T100000"},
     {"DTEND"}},
    {"EndThatIsNoDateIsLeftOut",
     [](ScheduleRecord &r) { views::setFieldText(r.end, "--"); },
     {"DTSTART;TZID=Asia/Tokyo:20240108T100000"},
     {"DTEND"}},
    {"AllDayEntryGivesDaysEndingTheDayAfter",
     [](ScheduleRecord &r) {
         r.allDay = 1;
         views::setFieldText(r.start, "20240107T150000Z");
         views::setFieldText(r.end, "20240110T145900Z");
     },
     {"DTSTART;VALUE=DATE:20240108", "DTEND;VALUE=DATE:20240111"},
     {}},
    {"AllDayEntryEndingBeforeItsStartIsOneDay",
     [](ScheduleRecord &r) {
         r.allDay = 1;
         views::setFieldText(r.start, "20240107T150000Z");
         views::setFieldText(r.end, "20240101T000000Z");
     },
     {"DTSTART;VALUE=DATE:20240108", "DTEND;VALUE=DATE:20240109"},
     {}},
    {"WeeklyRuleWithCountAndWeekdays",
     [](ScheduleRecord &r) {
         r.repeatRule = REPEAT_WEEKLY;
         r.repeatCount = 4;
         r.weekdays = 2 | 8;
     },
     {"RRULE:FREQ=WEEKLY;COUNT=4;BYDAY=MO,WE"},
     {}},
    {"CountZeroRepeatsWithoutEnd",
     [](ScheduleRecord &r) { r.repeatRule = REPEAT_MONTHLY; },
     {"RRULE:FREQ=MONTHLY"},
     {}},
    {"CountOutsideTheListReadsAsZero",
     [](ScheduleRecord &r) {
         r.repeatRule = REPEAT_YEARLY;
         r.repeatCount = 150;
     },
     {"RRULE:FREQ=YEARLY"},
     {}},
    {"WeekdaysBelongToWeeklyRulesOnly",
     [](ScheduleRecord &r) {
         r.repeatRule = REPEAT_DAILY;
         r.weekdays = 2;
     },
     {"RRULE:FREQ=DAILY"},
     {}},
    {"UnknownRuleGivesNoRepeat", [](ScheduleRecord &r) { r.repeatRule = 7; }, {}, {"RRULE"}},
    {"AlarmBeforeTheStartIsRelative",
     [](ScheduleRecord &r) { views::setFieldText(r.alarm, "20240108T005000Z"); },
     {"BEGIN:VALARM", "ACTION:DISPLAY", "TRIGGER:-PT10M", "DESCRIPTION:アラーム"},
     {}},
    {"AlarmAtTheStart",
     [](ScheduleRecord &r) { views::setFieldText(r.alarm, "20240108T010000Z"); },
     {"TRIGGER:PT0S"},
     {}},
    {"AlarmAfterTheStartIsAbsolute",
     [](ScheduleRecord &r) { views::setFieldText(r.alarm, "20240108T013000Z"); },
     {"TRIGGER;VALUE=DATE-TIME:20240108T013000Z"},
     {}},
    {"AlarmOfAnAllDayEntryCountsFromMidnight",
     [](ScheduleRecord &r) {
         r.allDay = 1;
         views::setFieldText(r.start, "20240107T150000Z");
         views::setFieldText(r.alarm, "20240107T120000Z");
     },
     {"TRIGGER:-PT3H"},
     {}},
    {"TextsInUtf8WithTheirLineBreaks",
     [](ScheduleRecord &r) {
         views::setFieldText(r.summary, sjis("会議"));
         views::setFieldText(r.description, sjis("一行目\r\n二行目; 以上"));
         views::setFieldText(r.location, "Tokyo, 3F");
         views::setFieldText(r.alarm, "20240108T005000Z");
     },
     {"SUMMARY:会議", "DESCRIPTION:一行目\\n二行目\\; 以上", "LOCATION:Tokyo\\, 3F",
      "DESCRIPTION:会議"},
     {}},
    {"IconNameIsTheCategory", [](ScheduleRecord &r) { r.icon = 1; }, {"CATEGORIES:仕事"}, {}},
    {"IconWithoutNameGivesNoCategory", [](ScheduleRecord &r) { r.icon = 9; }, {}, {"CATEGORIES"}},
    {"AlarmToneAndVolume",
     [](ScheduleRecord &r) {
         r.alarmTone = 2;
         r.alarmVolume = 1;
     },
     {"X-CELLVANE-ALARM-TONE:2", "X-CELLVANE-ALARM-VOLUME:1"},
     {}},
    {"LastModifiedBeyondTheYearsLibicalWritesIsLeftOut",
     [](ScheduleRecord &r) { views::setFieldText(r.lastModified, "40461201T000000Z"); },
     {"DTSTAMP:20240201T000000Z"},
     {"LAST-MODIFIED"}},
    {"LastModifiedStampsTheEntry",
     [](ScheduleRecord &r) { views::setFieldText(r.lastModified, "20231201T000000Z"); },
     {"DTSTAMP:20231201T000000Z", "LAST-MODIFIED:20231201T000000Z"},
     {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, IcalExportMappingTest, testing::ValuesIn(ExportCases),
                         [](const testing::TestParamInfo<ExportCase> &info) {
                             return std::string(info.param.name);
                         });

int eventCount(const std::string &file)
{
    const std::vector<std::string> lines = linesOf(file);
    return int(std::count(lines.begin(), lines.end(), "BEGIN:VEVENT"));
}

std::vector<std::string> uidsOf(const std::string &file)
{
    std::vector<std::string> uids;
    for (const std::string &line : linesOf(file))
        if (startsWith(line, "UID:"))
            uids.push_back(line.substr(4));
    return uids;
}

TEST(IcalExportTest, CalendarNamesItselfAndDescribesTheJapanZone)
{
    const std::vector<std::string> lines
        = linesOf(exchange::exportICalendar(storeOf({}), optionName, Clock));
    const std::vector<std::string> expected = {
        "BEGIN:VCALENDAR",
        "VERSION:2.0",
        "PRODID:-//Cellvane//Cellvane//JA",
        "CALSCALE:GREGORIAN",
        "BEGIN:VTIMEZONE",
        "TZID:Asia/Tokyo",
        "BEGIN:STANDARD",
        "DTSTART:19700101T000000",
        "TZOFFSETFROM:+0900",
        "TZOFFSETTO:+0900",
        "TZNAME:JST",
        "END:STANDARD",
        "END:VTIMEZONE",
        "END:VCALENDAR",
    };
    EXPECT_EQ(lines, expected);
}

TEST(IcalExportTest, EntriesWithoutAStartDateAndDeletedOnesAreLeftOut)
{
    ScheduleRecord undated = entry();
    views::setFieldText(undated.start, "20241301T000000Z"); // month 13
    ScheduleRecord deleted = entry();
    views::setFieldText(deleted.summary, "deleted");
    views::ScheduleStore store = storeOf({entry(), undated, deleted});
    store.Rebuild();
    for (int row = 0; row < store.RowCount(); ++row)
        if (std::string(store.record(store.rowIndex(row))->summary) == "deleted")
            store.MarkRowDeleted(row);
    EXPECT_EQ(eventCount(exchange::exportICalendar(store, optionName, Clock)), 1);
}

TEST(IcalExportTest, UidFollowsTheContentNotThePlaceInTheStore)
{
    ScheduleRecord first = entry();
    ScheduleRecord second = entry();
    views::setFieldText(second.summary, "second");
    const std::vector<std::string> forward
        = uidsOf(exchange::exportICalendar(storeOf({first, second}), optionName, Clock));
    const std::vector<std::string> backward
        = uidsOf(exchange::exportICalendar(storeOf({second, first}), optionName, 0));
    ASSERT_EQ(forward.size(), 2u);
    EXPECT_NE(forward[0], forward[1]);
    EXPECT_EQ(forward[0], backward[1]);
    EXPECT_EQ(forward[1], backward[0]);

    ScheduleRecord edited = first;
    edited.repeatRule = REPEAT_DAILY;
    EXPECT_NE(uidsOf(exchange::exportICalendar(storeOf({edited}), optionName, Clock))[0],
              forward[0]);
    // Alarm tone and last-modified are no part of the entry's identity.
    edited = first;
    edited.alarmTone = 2;
    views::setFieldText(edited.lastModified, "20231201T000000Z");
    EXPECT_EQ(uidsOf(exchange::exportICalendar(storeOf({edited}), optionName, Clock))[0],
              forward[0]);

    const std::vector<std::string> twins
        = uidsOf(exchange::exportICalendar(storeOf({first, first, first}), optionName, Clock));
    ASSERT_EQ(twins.size(), 3u);
    const std::string base = forward[0].substr(0, forward[0].find('@'));
    EXPECT_EQ(twins, (std::vector<std::string>{forward[0], base + "-2@cellvane.invalid",
                                               base + "-3@cellvane.invalid"}));
}

// The sample memory card's schedule as the SH505i reads it.
class IcalSampleTest : public testing::Test
{
protected:
    static constexpr int64_t ExportTime = 1796083200; // 2026-12-01 00:00:00 UTC

    void SetUp() override
    {
        ASSERT_EQ(card.problem(), "");
        const OwnedBlock<> block = card.load(KIND_SCHEDULE, "PIM00031.VCS");
        ASSERT_TRUE(block);
        ASSERT_EQ(store.AddRecords(block.get(), false, true, false), 8);
        optionName = views::pluginOptionName(card.plugins());
        exported = exchange::exportICalendar(store, optionName, ExportTime);
    }

    exchange_testing::SampleCard card{"DoCoMo SH505i"};
    views::ScheduleStore store;
    views::OptionName optionName;
    std::string exported;
};

TEST_F(IcalSampleTest, ExportMatchesTheGoldenFile)
{
    const std::string path = std::string(EXCHANGE_TEST_DATA) + "sample_schedule.ics";
    const std::string golden = exchange_testing::readFile(path);
    EXPECT_EQ(exported, golden) << path << ": "
                                << testing_support::firstDifferingLine(golden, exported);
}

// "2026-12-03T10:00:00+09:00" of a record's date-time, as a reader of the file shows it.
std::string japanIso(const char *text)
{
    const views::LocalDateTime moment = *views::ParseScheduleTime(text);
    char iso[40];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02dT%02d:%02d:%02d+09:00", moment.year, moment.month,
                  moment.day, moment.hour, moment.minute, moment.second);
    return iso;
}

TEST_F(IcalSampleTest, CalendarReaderReadsEveryFieldBack)
{
    testing_support::TempDir dir;
    const std::string path = dir.file("schedule.ics");
    ASSERT_TRUE(exchange_testing::writeFile(path, exported));
    const exchange_testing::CheckerRun run
        = exchange_testing::runChecker(EXCHANGE_CHECKERS "check_ical.py", path);
    if (run.skipped)
        GTEST_SKIP() << *run.skipped;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    using Values = std::vector<std::string>;
    EXPECT_EQ(run.file.at("version"), Values{"2.0"});
    EXPECT_EQ(run.file.at("timezone"), Values{"Asia/Tokyo|STANDARD|+0900|+0900"});

    ASSERT_EQ(run.entries.size(), size_t(store.RecordCount())) << run.output;
    const char *const rules[] = {"", "FREQ=DAILY", "FREQ=WEEKLY", "FREQ=MONTHLY", "FREQ=YEARLY"};
    for (int i = 0; i < store.RecordCount(); ++i) {
        SCOPED_TRACE(i);
        const ScheduleRecord &record = *store.record(i);
        exchange_testing::CheckedEntry expected = {
            {"uid", run.entries[size_t(i)].at("uid")},
            {"dtstart", {japanIso(record.start)}},
            {"dtend", {japanIso(record.end)}},
            {"tzid", {"Asia/Tokyo"}},
            {"dtstamp", {"2026-12-01T00:00:00Z"}},
            {"description", {platform::sjisToUtf8(record.description)}},
            {"categories", {platform::sjisToUtf8(*optionName(401, record.icon))}},
        };
        if (record.repeatRule != REPEAT_NONE)
            expected["rrule"] = {
                std::string(rules[record.repeatRule])
                + (record.repeatCount > 0 ? ";COUNT=" + std::to_string(record.repeatCount) : "")};
        if (*record.alarm) {
            const int64_t lead = views::MinutesBetween(*views::ParseScheduleTime(record.alarm),
                                                       *views::ParseScheduleTime(record.start));
            expected["alarm"] = {"DISPLAY|" + std::to_string(-lead * 60) + "|"
                                 + platform::sjisToUtf8(record.description)};
        }
        EXPECT_EQ(run.entries[size_t(i)], expected);
    }
}

void expectSameRecords(const std::vector<ScheduleRecord> &imported,
                       const views::ScheduleStore &store)
{
    ASSERT_EQ(imported.size(), size_t(store.RecordCount()));
    for (size_t i = 0; i < imported.size(); ++i) {
        SCOPED_TRACE(i);
        ical_testing::expectFields(ical_testing::fieldsOf(imported[i]),
                                   ical_testing::fieldsOf(*store.record(int(i))));
    }
}

TEST_F(IcalSampleTest, ImportOfTheExportGivesTheSameEntries)
{
    const exchange::ScheduleImport imported
        = exchange::importICalendar(exported, views::readScheduleLimits(card.limits()), optionName);
    ASSERT_EQ(imported.error, exchange::IcalImportError::None);
    EXPECT_TRUE(imported.report.empty());
    expectSameRecords(imported.records, store);
}

TEST(IcalRoundTripTest, EveryFieldOfAModelWithEveryChoiceComesBack)
{
    ScheduleRecord weekly = entry();
    views::setFieldText(weekly.summary, sjis("会議"));
    views::setFieldText(weekly.description, sjis("一行目\r\n二行目; 以上, \\ 終わり"));
    views::setFieldText(weekly.location, sjis("本社 3F"));
    views::setFieldText(weekly.alarm, "20240108T005000Z");
    views::setFieldText(weekly.lastModified, "20231201T093000Z");
    weekly.repeatRule = REPEAT_WEEKLY;
    weekly.repeatCount = 4;
    weekly.weekdays = 2 | 8;
    weekly.icon = 2;
    weekly.alarmTone = 1;
    weekly.alarmVolume = 1;

    ScheduleRecord holidays = entry(); // 8 and 9 January, all day, every year
    holidays.allDay = 1;
    views::setFieldText(holidays.start, "20240107T150000Z");
    views::setFieldText(holidays.end, "20240109T145900Z");
    views::setFieldText(holidays.alarm, "20240108T030000Z");
    holidays.repeatRule = REPEAT_YEARLY;

    ScheduleRecord daily = entry(); // no end, 99 times, with seconds
    views::setFieldText(daily.start, "20240108T010015Z");
    views::setFieldText(daily.end, "20240108T010015Z");
    daily.repeatRule = REPEAT_DAILY;
    daily.repeatCount = 99;

    ScheduleRecord monthly = entry(); // on the 31st, an alarm two days before
    views::setFieldText(monthly.start, "20240131T010000Z");
    views::setFieldText(monthly.end, "20240131T020000Z");
    views::setFieldText(monthly.alarm, "20240129T010000Z");
    monthly.repeatRule = REPEAT_MONTHLY;
    monthly.repeatCount = 12;

    const views::ScheduleStore store = storeOf({weekly, holidays, daily, monthly});
    const exchange::ScheduleImport imported
        = exchange::importICalendar(exchange::exportICalendar(store, optionName, Clock),
                                    ical_testing::limitsOf(Model::Full), optionName);
    ASSERT_EQ(imported.error, exchange::IcalImportError::None);
    EXPECT_TRUE(imported.report.empty());
    expectSameRecords(imported.records, store);
}

} // namespace
