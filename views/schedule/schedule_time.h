#pragma once

// The schedule's date-time texts. Records carry UTC text "YYYYMMDDTHHMMSSZ" (16 characters; a
// 14-character form with a two-digit year after 1900 is also read); the view and the editor
// work in Japan time, UTC + 9 hours without daylight saving, whatever the machine's time zone.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace views {

// A day of the calendar.
struct CalendarDate
{
    int year = 0;
    int month = 0;
    int day = 0;

    bool operator==(const CalendarDate &) const = default;
};

// A moment in Japan time, field by field. Fields read from damaged text may lie outside their
// ranges; every function here takes them without fault.
struct LocalDateTime
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    CalendarDate date() const { return {year, month, day}; }
    bool operator==(const LocalDateTime &) const = default;
    // Field by field from the year down, which is time order for valid fields.
    bool operator<(const LocalDateTime &other) const;
};

// 31, 28 (29 in Gregorian leap years), 31, 30 ... 31; a negative year or a month outside 1 to 12
// yields 31.
int DaysInMonth(int year, int month);

// 0 Sunday to 6 Saturday, for a valid Gregorian date.
int WeekdayOf(const CalendarDate &date);

// The name of weekday 0 (Sunday, "日") to 6 (Saturday, "土"), from the string table.
const char *WeekdayName(int weekday);

// The date days after date (before it for negative days), by whole calendar days.
CalendarDate AddDays(const CalendarDate &date, int days);

// moment moved by minutes (back for negative ones) with calendar carries, so the day, month or
// year may change. Fields outside their ranges are carried as far as the steps reach them.
LocalDateTime AddMinutes(const LocalDateTime &moment, int64_t minutes);

// Whole minutes from from to to, rounded down (negative when to lies before from). The dates
// are taken as Gregorian dates even when a field lies outside its range.
int64_t MinutesBetween(const LocalDateTime &from, const LocalDateTime &to);

// The Japan-time fields of a UTC text, or nothing when the text has neither form: 16 characters
// with 'T' at 8 and 'Z' at 15, or 14 with 'T' at 6 and 'Z' at 13. A field holding anything
// but digits reads 0.
std::optional<LocalDateTime> ParseScheduleTime(std::string_view text);

// The UTC text (16-character form) of a Japan-time moment.
std::string FormatScheduleTime(const LocalDateTime &local);

// "%4d/%02d/%02d %02d:%02d:%02d" of the Japan-time fields of text, or "----/--/-- --:--:--"
// when it is no date.
std::string DisplayScheduleTime(std::string_view text);

// The Japan-time fields of a moment given as seconds since 1970-01-01 00:00 UTC.
LocalDateTime JapanTimeOf(int64_t utcSeconds);

// The UTC text (16-character form) of seconds since 1970-01-01 00:00 UTC.
std::string ScheduleTimeOfUtc(int64_t utcSeconds);

} // namespace views
