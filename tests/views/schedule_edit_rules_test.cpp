#include "views/schedule/schedule_edit_rules.h"

#include "common/data_kind.h"
#include "common/sjis_literal.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using views::AlarmMode;
using views::DateFields;
using views::LocalDateTime;
using views::ScheduleEditFeatures;
using views::ScheduleEditForm;

// 2003-06-01 03:00:00 UTC, 12:00 in Japan.
constexpr int64_t Now = 1054436400;
const LocalDateTime NowInJapan{2003, 6, 1, 12, 0, 0};

// The SH505i's table: end time with a free end date, alarms at a date or before the start.
ScheduleLimits sh505iLimits()
{
    ScheduleLimits limits{};
    limits.startTimeOption = 1;
    limits.endTimeOption = 1;
    limits.alarmAvailable = 1;
    limits.descriptionLength = 200;
    limits.highestRepeatRule = 4;
    limits.repeatCountChoice = 1;
    limits.alarmOption = 1;
    limits.alarmTimeOption = 1;
    limits.alarmLeadTimeOption = 1;
    limits.largestAlarmLead = 99;
    limits.firstYear = 2000;
    limits.lastYear = 2099;
    return limits;
}

ScheduleEditFeatures sh505i()
{
    return views::scheduleEditFeatures(sh505iLimits());
}

// The D505i's: no end time, no alarm choices, years from 2002.
ScheduleEditFeatures d505i()
{
    ScheduleLimits limits{};
    limits.alarmAvailable = 1;
    limits.descriptionLength = 256;
    limits.highestRepeatRule = 3;
    limits.repeatCountChoice = 1;
    limits.firstYear = 2002;
    limits.lastYear = 2099;
    return views::scheduleEditFeatures(limits);
}

// The SO505i's: all-day entries, the end on the start's date.
ScheduleEditFeatures so505i()
{
    ScheduleLimits limits = sh505iLimits();
    limits.endTimeOption = 0;
    limits.allDayChoice = 1;
    limits.alarmOption = 0;
    return views::scheduleEditFeatures(limits);
}

ScheduleRecord recordStarting(const char *start, const char *end)
{
    ScheduleRecord record{};
    record.header = {RECORD_VERSION_SCHEDULE, sizeof(ScheduleRecord), KIND_SCHEDULE, 0, 0};
    std::strcpy(record.start, start);
    std::strcpy(record.end, end);
    return record;
}

TEST(ScheduleEditRulesTest, ClampingNumberEdits)
{
    const struct
    {
        const char *text;
        int minimum;
        int maximum;
        size_t digits;
        const char *kept;
    } cases[] = {
        {"20031", 2000, 2099, 4, "2099"}, // five digits: the highest year
        {"00", 2000, 2099, 4, "2000"},    // two zeros: the lowest
        {"", 2000, 2099, 4, "2000"},
        {"1999", 2000, 2099, 4, "2000"},
        {"2003", 2000, 2099, 4, "2003"},
        {"0", 0, 23, 2, "0"},
        {"00", 0, 23, 2, "0"},
        {"24", 0, 23, 2, "23"},
        {"07", 0, 59, 2, "7"},
        {"123", 1, 12, 2, "12"},
        {"0", 1, 12, 2, "1"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(views::clampNumberText(c.text, c.minimum, c.maximum, c.digits), c.kept)
            << '"' << c.text << '"';
}

TEST(ScheduleEditRulesTest, LeavingAFieldCorrectsTheDayToItsMonth)
{
    ScheduleEditForm form;
    form.start = {"2004", "2", "31", "25", "60"};
    form.end = {"2003", "13", "0", "", "5"};
    views::normaliseTimes(form, sh505i());
    EXPECT_EQ(form.start, (DateFields{"2004", "2", "29", "23", "59"}));
    EXPECT_EQ(form.end, (DateFields{"2003", "12", "1", "0", "5"}));
    form.start.day = "31";
    form.start.month = "2";
    form.start.year = "2003";
    views::normaliseTimes(form, so505i());
    EXPECT_EQ(form.start.day, "28");
    EXPECT_EQ(form.end, (DateFields{"2003", "2", "28", "0", "5"})) << "end on the start's date";
    views::normaliseTimes(form, d505i());
    EXPECT_EQ(form.end, form.start) << "no end time";
}

TEST(ScheduleEditRulesTest, OpeningFillsTheFormFromTheRecord)
{
    ScheduleRecord record = recordStarting("20030505T000000Z", "20030507T013000Z");
    record.repeatRule = REPEAT_YEARLY;
    record.repeatCount = 150;
    record.weekdays = 0x1FF;
    const ScheduleEditForm form = views::openScheduleForm(record, sh505i(), NowInJapan);
    EXPECT_EQ(form.start, (DateFields{"2003", "5", "5", "9", "0"}));
    EXPECT_EQ(form.end, (DateFields{"2003", "5", "7", "10", "30"}));
    EXPECT_EQ(form.repeatRule, REPEAT_YEARLY);
    EXPECT_EQ(form.repeatCount, 0) << "a count beyond the list selects the first entry";
    EXPECT_EQ(form.weekdays, 0x7F);
    EXPECT_FALSE(form.alarmOn);
    EXPECT_EQ(form.alarmAt, views::dateFieldsOf(NowInJapan)) << "no alarm date shows now";

    EXPECT_EQ(views::openScheduleForm(record, d505i(), NowInJapan).repeatRule, 0)
        << "a rule the model does not offer";
    EXPECT_EQ(views::openScheduleForm(record, d505i(), NowInJapan).end, form.start)
        << "no end time";
    EXPECT_EQ(views::openScheduleForm(record, so505i(), NowInJapan).end,
              (DateFields{"2003", "5", "5", "10", "30"}))
        << "the start's date with the end's time";

    const ScheduleEditForm blank
        = views::openScheduleForm(recordStarting("", "bad"), sh505i(), NowInJapan);
    EXPECT_EQ(blank.start, views::dateFieldsOf(NowInJapan));
    EXPECT_EQ(blank.end, views::dateFieldsOf(NowInJapan));
}

TEST(ScheduleEditRulesTest, OpeningChoosesTheAlarmForm)
{
    const struct
    {
        const char *alarm;
        ScheduleEditFeatures features;
        bool on;
        AlarmMode mode;
        const char *hours;
        const char *minutes;
    } cases[] = {
        {"", sh505i(), false, AlarmMode::AtStart, "0", "0"},
        {"20030505T000000Z", sh505i(), true, AlarmMode::AtStart, "0", "0"},
        {"20030504T233000Z", sh505i(), true, AlarmMode::BeforeStart, "0", "30"},
        {"20030504T223000Z", sh505i(), true, AlarmMode::BeforeStart, "1", "30"},
        {"20030504T120000Z", sh505i(), true, AlarmMode::BeforeStart, "1", "39"}, // longest 99
        {"20030505T003000Z", sh505i(), true, AlarmMode::BeforeStart, "0", "0"},  // after start
        {"20030504T223000Z", d505i(), true, AlarmMode::AtStart, "0", "0"},       // no date
    };
    ScheduleEditFeatures dateOnly = sh505i();
    dateOnly.alarmRelative = false;
    for (const auto &c : cases) {
        ScheduleRecord record = recordStarting("20030505T000000Z", "20030505T000000Z");
        std::strcpy(record.alarm, c.alarm);
        const ScheduleEditForm form = views::openScheduleForm(record, c.features, NowInJapan);
        EXPECT_EQ(form.alarmOn, c.on) << c.alarm;
        EXPECT_EQ(form.alarmMode, c.mode) << c.alarm;
        EXPECT_EQ(form.leadHours, c.hours) << c.alarm;
        EXPECT_EQ(form.leadMinutes, c.minutes) << c.alarm;
    }
    ScheduleRecord record = recordStarting("20030505T000000Z", "20030505T000000Z");
    std::strcpy(record.alarm, "20030504T223000Z");
    EXPECT_EQ(views::openScheduleForm(record, dateOnly, NowInJapan).alarmMode, AlarmMode::AtDate);
}

TEST(ScheduleEditRulesTest, AlarmBeforeTheStartIsTheStartLessTheLead)
{
    ScheduleRecord record = recordStarting("20030505T000000Z", "20030505T010000Z"); // 09:00
    ScheduleEditForm form = views::openScheduleForm(record, sh505i(), NowInJapan);
    form.alarmOn = true;
    form.alarmMode = AlarmMode::BeforeStart;
    form.leadHours = "1";
    form.leadMinutes = "30";
    ASSERT_TRUE(views::applyScheduleForm(form, sh505i(), Now, record));
    EXPECT_STREQ(record.alarm, "20030504T223000Z") << "07:30 in Japan";
    EXPECT_STREQ(record.lastModified, "20030601T030000Z");

    form.alarmMode = AlarmMode::AtDate;
    form.alarmAt = {"2003", "5", "1", "8", "15"};
    ASSERT_TRUE(views::applyScheduleForm(form, sh505i(), Now, record));
    EXPECT_STREQ(record.alarm, "20030430T231500Z");

    form.alarmMode = AlarmMode::AtStart;
    ASSERT_TRUE(views::applyScheduleForm(form, sh505i(), Now, record));
    EXPECT_STREQ(record.alarm, record.start);

    form.alarmOn = false;
    ASSERT_TRUE(views::applyScheduleForm(form, sh505i(), Now, record));
    EXPECT_STREQ(record.alarm, "");
}

TEST(ScheduleEditRulesTest, LeadIsClampedToTheLongestLead)
{
    ScheduleEditForm form = views::openScheduleForm(recordStarting("", ""), sh505i(), NowInJapan);
    form.leadHours = "5";
    form.leadMinutes = "59";
    views::normaliseAlarm(form, sh505i());
    EXPECT_EQ(form.leadHours, "1");
    EXPECT_EQ(form.leadMinutes, "39");
}

TEST(ScheduleEditRulesTest, AllDayRunsFromMidnightToOneMinuteBeforeTheNext)
{
    ScheduleRecord record = recordStarting("20030505T013000Z", "20030507T013000Z");
    ScheduleEditForm form = views::openScheduleForm(record, so505i(), NowInJapan);
    views::setAllDay(form, true);
    EXPECT_EQ(form.start, (DateFields{"2003", "5", "5", "0", "0"}));
    EXPECT_EQ(form.end, (DateFields{"2003", "5", "5", "23", "59"}));
    form.start.day = "6";
    ASSERT_TRUE(views::applyScheduleForm(form, so505i(), Now, record));
    EXPECT_STREQ(record.start, "20030505T150000Z") << "6 May 00:00 in Japan";
    EXPECT_STREQ(record.end, "20030506T145900Z") << "6 May 23:59, the end follows the start";
    EXPECT_EQ(record.allDay, 1);
    EXPECT_EQ(views::openScheduleForm(record, so505i(), NowInJapan).end.hour, "23");
    views::setAllDay(form, false);
    ASSERT_TRUE(views::applyScheduleForm(form, so505i(), Now, record));
    EXPECT_EQ(record.allDay, 0);
}

TEST(ScheduleEditRulesTest, EndBeforeStartIsRefusedAndChangesNothing)
{
    ScheduleRecord record = recordStarting("20030505T013000Z", "20030505T013000Z");
    ScheduleEditForm form = views::openScheduleForm(record, sh505i(), NowInJapan);
    form.summary = "changed";
    form.end.hour = "10";
    form.end.minute = "29";
    const ScheduleRecord before = record;
    EXPECT_FALSE(views::applyScheduleForm(form, sh505i(), Now, record));
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
    form.end.minute = "30";
    EXPECT_TRUE(views::applyScheduleForm(form, sh505i(), Now, record)) << "equal is accepted";
}

TEST(ScheduleEditRulesTest, WithoutAnEndTimeTheEndIsTheStart)
{
    ScheduleRecord record = recordStarting("20030505T013000Z", "20030509T013000Z");
    ScheduleEditForm form = views::openScheduleForm(record, d505i(), NowInJapan);
    form.start.hour = "8";
    ASSERT_TRUE(views::applyScheduleForm(form, d505i(), Now, record));
    EXPECT_STREQ(record.start, "20030504T233000Z");
    EXPECT_STREQ(record.end, record.start);
}

TEST(ScheduleEditRulesTest, OkStoresTextsRepeatOptionsAndWeekdays)
{
    ScheduleRecord record = recordStarting("20030505T013000Z", "20030505T013000Z");
    record.weekdays = 0x300 | 0x01;
    ScheduleEditForm form = views::openScheduleForm(record, sh505i(), NowInJapan);
    // 300 bytes of two-byte characters: the cut never splits one.
    form.content.clear();
    for (int i = 0; i < 150; ++i)
        form.content += sjis("日");
    form.summary = std::string(200, 's');
    form.place = "x";
    form.repeatRule = REPEAT_WEEKLY;
    form.repeatCount = 12;
    form.weekdays = 0x42;
    form.volume = 3;
    form.tone = 7;
    form.icon = 35;
    ASSERT_TRUE(views::applyScheduleForm(form, sh505i(), Now, record));
    EXPECT_EQ(std::strlen(record.description), 256u);
    EXPECT_EQ(std::strlen(record.summary), 129u);
    EXPECT_STREQ(record.location, "x");
    EXPECT_EQ(record.repeatRule, REPEAT_WEEKLY);
    EXPECT_EQ(record.repeatCount, 12);
    EXPECT_EQ(record.weekdays, 0x342) << "the higher bits stay";
    EXPECT_EQ(record.alarmVolume, 3);
    EXPECT_EQ(record.alarmTone, 7);
    EXPECT_EQ(record.icon, 35);
}

TEST(ScheduleEditRulesTest, OptionChoicesCarryTheValueTheyStandFor)
{
    // P505i's volumes are single full-width characters: position, not the text, is the value.
    const std::vector<std::string> volumes{sjis("音なし"), sjis("１"), sjis("２"), sjis("３")};
    const views::OptionChoice three = views::optionChoice(volumes, 3);
    EXPECT_EQ(three.selected, 3);
    EXPECT_EQ(three.values[three.selected], 3);
    const views::OptionChoice unknown = views::optionChoice(volumes, 12);
    ASSERT_EQ(unknown.texts.size(), 5u);
    EXPECT_EQ(unknown.texts.back(), "12");
    EXPECT_EQ(unknown.values[unknown.selected], 12) << "a value the model does not list stays";
}

TEST(ScheduleEditRulesTest, RepeatListsAndWeekdayBoxes)
{
    EXPECT_EQ(views::repeatRuleItems(3).size(), 4u);
    EXPECT_EQ(views::repeatRuleItems(0), std::vector<std::string>{sjis("なし")});
    EXPECT_EQ(views::repeatRuleItems(9).back(), sjis("毎年"));
    const std::vector<std::string> counts = views::repeatCountItems();
    ASSERT_EQ(counts.size(), 100u);
    EXPECT_EQ(counts[0], sjis("無期限"));
    EXPECT_EQ(counts[99], sjis("99回"));
    ScheduleEditFeatures features = sh505i();
    EXPECT_FALSE(views::weekdaysEnabled(features, REPEAT_WEEKLY));
    features.weekdays = true;
    EXPECT_TRUE(views::weekdaysEnabled(features, REPEAT_WEEKLY));
    EXPECT_FALSE(views::weekdaysEnabled(features, REPEAT_DAILY));
}

TEST(ScheduleEditRulesTest, FeaturesReadTheModelsWords)
{
    const ScheduleEditFeatures features = sh505i();
    EXPECT_TRUE(features.endTime);
    EXPECT_TRUE(features.endDateFree);
    EXPECT_TRUE(features.alarm);
    EXPECT_TRUE(features.alarmDate);
    EXPECT_TRUE(features.alarmRelative);
    EXPECT_EQ(features.longestAlarmLead, 99);
    EXPECT_EQ(features.firstYear, 2000);
    const ScheduleEditFeatures none = views::scheduleEditFeatures(ScheduleLimits{});
    EXPECT_EQ(none.firstYear, 1900) << "no model: the calendar's years";
    EXPECT_EQ(none.lastYear, 2099);
    EXPECT_FALSE(none.alarm);
}

} // namespace
