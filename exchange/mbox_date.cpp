#include "mbox_date.h"

#include "views/mail/mail_date.h"

#include <array>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <optional>

namespace exchange {
namespace {

constexpr int JapanMinutes = 9 * 60;
constexpr std::string_view Unreadable = "Thu Jan  1 00:00:00 1970";

struct ZoneName
{
    std::string_view name;
    int minutes;
};

constexpr std::array<ZoneName, 13> ZoneNames = {{
    {"UT", 0},
    {"UTC", 0},
    {"GMT", 0},
    {"Z", 0},
    {"EST", -5 * 60},
    {"EDT", -4 * 60},
    {"CST", -6 * 60},
    {"CDT", -5 * 60},
    {"MST", -7 * 60},
    {"MDT", -6 * 60},
    {"PST", -8 * 60},
    {"PDT", -7 * 60},
    {"JST", JapanMinutes},
}};

constexpr std::array<std::string_view, 7> WeekdayNames
    = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 12> MonthNames
    = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool isSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameLetters(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != b[i])
            return false;
    }
    return true;
}

// The offset from UTC in minutes the date's last word names, if it names one.
std::optional<int> zoneMinutes(std::string_view date)
{
    date = trimmed(date);
    if (date.ends_with(')')) {
        const size_t open = date.rfind('(');
        date = trimmed(date.substr(0, open == std::string_view::npos ? 0 : open));
    }
    size_t start = date.size();
    while (start > 0 && !isSpace(date[start - 1]))
        --start;
    const std::string_view zone = date.substr(start);
    if (zone.size() == 5 && (zone[0] == '+' || zone[0] == '-')) {
        int digits[4];
        for (size_t i = 0; i < 4; ++i) {
            if (!std::isdigit(static_cast<unsigned char>(zone[i + 1])))
                return std::nullopt;
            digits[i] = zone[i + 1] - '0';
        }
        const int minutes = (digits[0] * 10 + digits[1]) * 60 + digits[2] * 10 + digits[3];
        return zone[0] == '-' ? -minutes : minutes;
    }
    for (const ZoneName &entry : ZoneNames) {
        if (sameLetters(zone, entry.name))
            return entry.minutes;
    }
    return std::nullopt;
}

int fullYear(int year)
{
    if (year < 50)
        return year + 2000;
    return year < 1000 ? year + 1900 : year;
}

} // namespace

std::string mboxFromLineDate(std::string_view date)
{
    using namespace std::chrono;
    // "%4d/%s/%02d %02d:%02d:%02d"; a month that is no number or a field read as -1 fails.
    const std::string shown = views::MailDateText(date);
    int year = 0, monthNumber = 0, dayNumber = 0, hour = 0, minute = 0, second = 0;
    char rest = 0;
    if (std::sscanf(shown.c_str(), "%d/%d/%d %d:%d:%d%c", &year, &monthNumber, &dayNumber, &hour,
                    &minute, &second, &rest)
            != 6
        || year < 0 || year > 9999 || monthNumber < 1 || dayNumber < 1 || hour < 0 || hour > 23
        || minute < 0 || minute > 59 || second < 0 || second > 60)
        return std::string(Unreadable);
    const year_month_day local{std::chrono::year{fullYear(year)},
                               std::chrono::month{static_cast<unsigned>(monthNumber)},
                               std::chrono::day{static_cast<unsigned>(dayNumber)}};
    if (!local.ok())
        return std::string(Unreadable);
    const sys_seconds moment = sys_days{local} + hours{hour} + minutes{minute} + seconds{second}
                               - minutes{zoneMinutes(date).value_or(JapanMinutes)};
    const sys_days day = floor<days>(moment);
    const year_month_day utc{day};
    const hh_mm_ss time{moment - day};
    char text[40];
    std::snprintf(text, sizeof text, "%s %s %2u %02d:%02d:%02d %d",
                  WeekdayNames[weekday{day}.c_encoding()].data(),
                  MonthNames[static_cast<unsigned>(utc.month()) - 1].data(),
                  static_cast<unsigned>(utc.day()), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()), static_cast<int>(utc.year()));
    return text;
}

} // namespace exchange
