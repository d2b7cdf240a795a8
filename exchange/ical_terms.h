#pragma once

// What the schedule's iCalendar export and import agree on: the time zone of the records'
// Japan time, the repeat rules and weekdays as libical names them, this program's own
// properties, and owners for what libical allocates.

#include "common/records.h"
#include "views/schedule/schedule_time.h"

#include <libical/ical.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace exchange::ical {

inline constexpr const char *JapanZone = "Asia/Tokyo";
inline constexpr int JapanOffsetSeconds = 9 * 3600;

// Alarm tone (list 403) and volume (list 402) of the entry by index; only this program reads
// them, so that they survive a way through a calendar program.
inline constexpr const char *AlarmToneProperty = "X-CELLVANE-ALARM-TONE";
inline constexpr const char *AlarmVolumeProperty = "X-CELLVANE-ALARM-VOLUME";

// Fields all within their ranges, the year 1 to 3000 as libical writes it.
inline bool isValidMoment(const views::LocalDateTime &moment)
{
    return moment.year >= 1 && moment.year <= 3000 && moment.month >= 1 && moment.month <= 12
           && moment.day >= 1 && moment.day <= views::DaysInMonth(moment.year, moment.month)
           && moment.hour >= 0 && moment.hour <= 23 && moment.minute >= 0 && moment.minute <= 59
           && moment.second >= 0 && moment.second <= 59;
}

inline views::LocalDateTime midnightOf(const views::LocalDateTime &moment)
{
    return {moment.year, moment.month, moment.day, 0, 0, 0};
}

// Seconds from 1970-01-01 00:00:00 to moment, its fields read as UTC.
inline int64_t secondsOfFields(views::LocalDateTime moment)
{
    const int second = moment.second;
    moment.second = 0;
    return views::MinutesBetween({1970, 1, 1, 0, 0, 0}, moment) * 60 + second;
}

// text as iCalendar's TEXT carries it: every CR LF and lone CR as the one LF it escapes as
// "\n", the other control characters but TAB left out. Safe on Shift_JIS and UTF-8 alike:
// neither uses a byte below 0x20 or 0x7F inside a character.
inline std::string plainText(std::string_view text)
{
    std::string kept;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r') {
            if (i + 1 == text.size() || text[i + 1] != '\n')
                kept += '\n';
        } else if (c >= 0x20 && c != 0x7F) {
            kept += text[i];
        } else if (c == '\n' || c == '\t') {
            kept += text[i];
        }
    }
    return kept;
}

struct RepeatFrequency
{
    int32_t rule; // enum ScheduleRepeat
    icalrecurrencetype_frequency frequency;
};

inline constexpr RepeatFrequency RepeatFrequencies[] = {
    {REPEAT_DAILY, ICAL_DAILY_RECURRENCE},
    {REPEAT_WEEKLY, ICAL_WEEKLY_RECURRENCE},
    {REPEAT_MONTHLY, ICAL_MONTHLY_RECURRENCE},
    {REPEAT_YEARLY, ICAL_YEARLY_RECURRENCE},
};

inline std::optional<icalrecurrencetype_frequency> frequencyOf(int32_t rule)
{
    for (const RepeatFrequency &entry : RepeatFrequencies)
        if (entry.rule == rule)
            return entry.frequency;
    return std::nullopt;
}

inline std::optional<int32_t> ruleOf(icalrecurrencetype_frequency frequency)
{
    for (const RepeatFrequency &entry : RepeatFrequencies)
        if (entry.frequency == frequency)
            return entry.rule;
    return std::nullopt;
}

// Record weekday bit 0 (Sunday) to 6 (Saturday) and libical's ICAL_SUNDAY_WEEKDAY (1) to
// ICAL_SATURDAY_WEEKDAY (7).
inline constexpr int WeekdayBits = 7;
inline icalrecurrencetype_weekday weekdayOfBit(int bit)
{
    return static_cast<icalrecurrencetype_weekday>(ICAL_SUNDAY_WEEKDAY + bit);
}
inline int bitOfWeekday(icalrecurrencetype_weekday weekday)
{
    return static_cast<int>(weekday) - ICAL_SUNDAY_WEEKDAY;
}

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentFree>;

// The text of a libical ..._r call, freed with icalmemory_free_buffer.
struct BufferFree
{
    void operator()(char *buffer) const { icalmemory_free_buffer(buffer); }
};
using BufferPtr = std::unique_ptr<char, BufferFree>;

} // namespace exchange::ical
