#include "schedule_time.h"

#include "app/string_table.h"

#include <algorithm>
#include <cstdio>

namespace views {
namespace {

constexpr int JapanOffsetMinutes = 9 * 60;
constexpr int64_t SecondsPerDay = 86400;

int64_t floorDivide(int64_t value, int64_t divisor)
{
    const int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

// Days since 1970-01-01 of a Gregorian date (Hinnant's civil algorithm).
int64_t daysFromCivil(int64_t year, int month, int day)
{
    year -= month <= 2;
    const int64_t era = floorDivide(year, 400);
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CalendarDate civilFromDays(int64_t days)
{
    days += 719468;
    const int64_t era = floorDivide(days, 146097);
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra
        = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shifted = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
    const int month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
    const int64_t year = yearOfEra + era * 400 + (month <= 2);
    return {static_cast<int>(year), month, day};
}

void stepForward(LocalDateTime &moment)
{
    if (++moment.day <= DaysInMonth(moment.year, moment.month))
        return;
    moment.day = 1;
    if (++moment.month > 12) {
        moment.month = 1;
        ++moment.year;
    }
}

void stepBack(LocalDateTime &moment)
{
    if (--moment.day >= 1)
        return;
    if (--moment.month < 1) {
        moment.month = 12;
        --moment.year;
    }
    moment.day = DaysInMonth(moment.year, moment.month);
}

// A field of the text: its characters must all be digits, else the field is 0.
int readDigits(std::string_view text, size_t position, size_t length)
{
    int value = 0;
    for (const char c : text.substr(position, length)) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

bool LocalDateTime::operator<(const LocalDateTime &other) const
{
    const int mine[6] = {year, month, day, hour, minute, second};
    const int theirs[6]
        = {other.year, other.month, other.day, other.hour, other.minute, other.second};
    return std::lexicographical_compare(mine, mine + 6, theirs, theirs + 6);
}

int DaysInMonth(int year, int month)
{
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 0 || month < 1 || month > 12)
        return 31;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : Days[month - 1];
}

int WeekdayOf(const CalendarDate &date)
{
    // 1970-01-01 was a Thursday.
    const int64_t days = daysFromCivil(date.year, date.month, date.day);
    return static_cast<int>(days - floorDivide(days + 4, 7) * 7 + 4);
}

const char *WeekdayName(int weekday)
{
    static constexpr app::TextId Names[7]
        = {app::TextId::Sunday,   app::TextId::Monday, app::TextId::Tuesday, app::TextId::Wednesday,
           app::TextId::Thursday, app::TextId::Friday, app::TextId::Saturday};
    return app::text(Names[static_cast<size_t>(std::clamp(weekday, 0, 6))]);
}

CalendarDate AddDays(const CalendarDate &date, int days)
{
    return civilFromDays(daysFromCivil(date.year, date.month, date.day) + days);
}

LocalDateTime AddMinutes(const LocalDateTime &moment, int64_t minutes)
{
    LocalDateTime moved = moment;
    const int64_t totalMinutes = moved.minute + minutes;
    moved.minute = static_cast<int>(totalMinutes - floorDivide(totalMinutes, 60) * 60);
    const int64_t totalHours = moved.hour + floorDivide(totalMinutes, 60);
    moved.hour = static_cast<int>(totalHours - floorDivide(totalHours, 24) * 24);
    for (int64_t days = floorDivide(totalHours, 24); days != 0; days += days > 0 ? -1 : 1) {
        if (days > 0)
            stepForward(moved);
        else
            stepBack(moved);
    }
    return moved;
}

int64_t MinutesBetween(const LocalDateTime &from, const LocalDateTime &to)
{
    const auto secondsOf = [](const LocalDateTime &moment) {
        return daysFromCivil(moment.year, moment.month, moment.day) * SecondsPerDay
               + int64_t{moment.hour} * 3600 + int64_t{moment.minute} * 60 + moment.second;
    };
    return floorDivide(secondsOf(to) - secondsOf(from), 60);
}

std::optional<LocalDateTime> ParseScheduleTime(std::string_view text)
{
    LocalDateTime utc;
    if (text.size() == 16 && text[8] == 'T' && text[15] == 'Z') {
        utc.year = readDigits(text, 0, 4);
        utc.month = readDigits(text, 4, 2);
        utc.day = readDigits(text, 6, 2);
        utc.hour = readDigits(text, 9, 2);
        utc.minute = readDigits(text, 11, 2);
        utc.second = readDigits(text, 13, 2);
    } else if (text.size() == 14 && text[6] == 'T' && text[13] == 'Z') {
        utc.year = 1900 + readDigits(text, 0, 2);
        utc.month = readDigits(text, 2, 2);
        utc.day = readDigits(text, 4, 2);
        utc.hour = readDigits(text, 7, 2);
        utc.minute = readDigits(text, 9, 2);
        utc.second = readDigits(text, 11, 2);
    } else {
        return std::nullopt;
    }
    return AddMinutes(utc, JapanOffsetMinutes);
}

std::string FormatScheduleTime(const LocalDateTime &local)
{
    const LocalDateTime utc = AddMinutes(local, -JapanOffsetMinutes);
    char text[80];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", utc.year, utc.month, utc.day,
                  utc.hour, utc.minute, utc.second);
    return text;
}

std::string DisplayScheduleTime(std::string_view text)
{
    const std::optional<LocalDateTime> local = ParseScheduleTime(text);
    if (!local)
        return "----/--/-- --:--:--";
    char shown[80];
    std::snprintf(shown, sizeof shown, "%4d/%02d/%02d %02d:%02d:%02d", local->year, local->month,
                  local->day, local->hour, local->minute, local->second);
    return shown;
}

LocalDateTime JapanTimeOf(int64_t utcSeconds)
{
    const int64_t local = utcSeconds + int64_t{JapanOffsetMinutes} * 60;
    const int64_t days = floorDivide(local, SecondsPerDay);
    const int64_t inDay = local - days * SecondsPerDay;
    const CalendarDate date = civilFromDays(days);
    return {date.year,
            date.month,
            date.day,
            static_cast<int>(inDay / 3600),
            static_cast<int>(inDay / 60 % 60),
            static_cast<int>(inDay % 60)};
}

std::string ScheduleTimeOfUtc(int64_t utcSeconds)
{
    return FormatScheduleTime(JapanTimeOf(utcSeconds));
}

} // namespace views
