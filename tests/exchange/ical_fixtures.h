#pragma once

// The schedule models and the record fields the iCalendar tests compare.

#include "common/records.h"
#include "common/sjis_literal.h"
#include "platform/sjis_text.h"
#include "views/common/record_fields.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ical_testing {

// The three models the cases import into.
enum class Model {
    Full,   // every field and choice
    Sh505i, // no summary, location, weekdays, all-day, tone or volume, as the SH505i
    Narrow, // no end time or repeat count, short texts, alarms only up to 30 minutes before
};

inline ScheduleLimits limitsOf(Model model)
{
    ScheduleLimits limits{};
    limits.startTimeOption = 1;
    limits.endTimeOption = 1;
    limits.descriptionLength = 256;
    limits.highestRepeatRule = 4;
    limits.repeatCountChoice = 1;
    limits.alarmOption = 1;
    limits.alarmTimeOption = 1;
    limits.alarmLeadTimeOption = 1;
    limits.largestAlarmLead = 99;
    limits.firstYear = 2000;
    limits.lastYear = 2099;
    switch (model) {
    case Model::Full:
        limits.summaryLength = 64;
        limits.locationLength = 64;
        limits.weekdayChoice = 1;
        limits.allDayChoice = 1;
        limits.alarmToneChoice = 1;
        limits.alarmVolumeChoice = 1;
        break;
    case Model::Sh505i:
        limits.descriptionLength = 200;
        break;
    case Model::Narrow:
        limits.startTimeOption = 0;
        limits.summaryLength = 10;
        limits.descriptionLength = 20;
        limits.locationLength = 10;
        limits.highestRepeatRule = REPEAT_WEEKLY;
        limits.weekdayChoice = 1;
        limits.repeatCountChoice = 0;
        limits.alarmTimeOption = 0;
        limits.largestAlarmLead = 30;
        limits.allDayChoice = 1;
        break;
    }
    return limits;
}

// Icons (list 401), alarm volumes (402) and tones (403) of a made-up model.
inline std::optional<std::string> optionName(int list, int index)
{
    static const std::map<int, std::vector<std::string>> names = {
        {401, {sjis("なし"), sjis("仕事"), sjis("旅行")}},
        {402, {"1", "2"}},
        {403, {"A", "B", "C"}},
    };
    const auto found = names.find(list);
    if (found == names.end() || index < 0 || size_t(index) >= found->second.size())
        return std::nullopt;
    return found->second[size_t(index)];
}

// What one record should hold; texts in UTF-8.
struct Fields
{
    std::string start = "20240108T010000Z"; // Monday 8 January 2024, 10:00 in Japan
    std::string end = "20240108T010000Z";
    std::string alarm = {};
    std::string summary = {};
    std::string description = {};
    std::string location = {};
    int32_t repeatRule = REPEAT_NONE;
    int32_t repeatCount = 0;
    int32_t weekdays = 0;
    int32_t icon = 0;
    int32_t allDay = 0;
    int32_t alarmTone = 0;
    int32_t alarmVolume = 0;
    std::string lastModified = {};
};

inline Fields fieldsOf(const ScheduleRecord &record)
{
    return {views::fieldText(record.start),
            views::fieldText(record.end),
            views::fieldText(record.alarm),
            platform::sjisToUtf8(views::fieldText(record.summary)),
            platform::sjisToUtf8(views::fieldText(record.description)),
            platform::sjisToUtf8(views::fieldText(record.location)),
            record.repeatRule,
            record.repeatCount,
            record.weekdays,
            record.icon,
            record.allDay,
            record.alarmTone,
            record.alarmVolume,
            views::fieldText(record.lastModified)};
}

inline void expectFields(const Fields &actual, const Fields &expected)
{
    EXPECT_EQ(actual.start, expected.start);
    EXPECT_EQ(actual.end, expected.end);
    EXPECT_EQ(actual.alarm, expected.alarm);
    EXPECT_EQ(actual.summary, expected.summary);
    EXPECT_EQ(actual.description, expected.description);
    EXPECT_EQ(actual.location, expected.location);
    EXPECT_EQ(actual.repeatRule, expected.repeatRule);
    EXPECT_EQ(actual.repeatCount, expected.repeatCount);
    EXPECT_EQ(actual.weekdays, expected.weekdays);
    EXPECT_EQ(actual.icon, expected.icon);
    EXPECT_EQ(actual.allDay, expected.allDay);
    EXPECT_EQ(actual.alarmTone, expected.alarmTone);
    EXPECT_EQ(actual.alarmVolume, expected.alarmVolume);
    EXPECT_EQ(actual.lastModified, expected.lastModified);
}

} // namespace ical_testing
