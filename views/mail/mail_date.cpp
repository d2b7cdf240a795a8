#include "mail_date.h"

#include <array>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>

namespace views {
namespace {

constexpr std::array<const char *, 12> MonthNames
    = {"jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};

bool isSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

struct DateFields
{
    int day = -1;
    std::string month; // empty until read
    int year = -1;
    int hour = -1;
    int minute = -1;
    int second = -1;

    bool accepted() const
    {
        return day >= 1 && year >= 1 && hour >= 0 && minute >= 0 && second >= 0;
    }
};

// Reads the text the way the pattern "%2d %3c %d %2d:%2d[:%2d]" does: each field is stored as
// soon as it is read, and reading stops at the first field that does not match.
class DateScanner
{
public:
    explicit DateScanner(std::string_view text)
        : m_text(text)
    {
    }

    void scan(DateFields &fields, bool withSecond)
    {
        if (!number(fields.day, 2))
            return;
        skipSpaces();
        if (m_position + 3 > m_text.size())
            return;
        fields.month = std::string(m_text.substr(m_position, 3));
        m_position += 3;
        if (!number(fields.year, 0) || !number(fields.hour, 2) || !literal(':')
            || !number(fields.minute, 2))
            return;
        if (withSecond && literal(':'))
            number(fields.second, 2);
    }

private:
    void skipSpaces()
    {
        while (m_position < m_text.size() && isSpace(m_text[m_position]))
            ++m_position;
    }

    bool literal(char wanted)
    {
        if (m_position >= m_text.size() || m_text[m_position] != wanted)
            return false;
        ++m_position;
        return true;
    }

    // A decimal number after optional white space, with an optional sign, of at most width
    // characters (0: any); values beyond int saturate rather than overflow.
    bool number(int &out, size_t width)
    {
        skipSpaces();
        const size_t end = width == 0 ? m_text.size() : std::min(m_text.size(), m_position + width);
        size_t at = m_position;
        bool negative = false;
        if (at < end && (m_text[at] == '-' || m_text[at] == '+'))
            negative = m_text[at++] == '-';
        long long value = 0;
        const size_t digits = at;
        while (at < end && m_text[at] >= '0' && m_text[at] <= '9') {
            value = std::min<long long>(value * 10 + (m_text[at] - '0'), INT_MAX);
            ++at;
        }
        if (at == digits)
            return false;
        out = static_cast<int>(negative ? -value : value);
        m_position = at;
        return true;
    }

    std::string_view m_text;
    size_t m_position = 0;
};

std::string monthText(const std::string &month)
{
    if (month.empty())
        return "-1";
    std::string lower = month;
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (size_t i = 0; i < MonthNames.size(); ++i) {
        if (lower == MonthNames[i]) {
            char number[4];
            std::snprintf(number, sizeof number, "%02d", static_cast<int>(i + 1));
            return number;
        }
    }
    return lower;
}

} // namespace

std::string MailDateText(std::string_view date)
{
    size_t start = 0;
    while (start < date.size() && isSpace(date[start]))
        ++start;
    date.remove_prefix(start);
    // Stops at a NUL as the stored C text would.
    date = date.substr(0, std::min(date.size(), strnlen(date.data(), date.size())));

    DateFields fields;
    DateScanner(date).scan(fields, true);
    if (!fields.accepted() && date.size() > 3 && date[3] == ',') {
        DateScanner(date.substr(std::min<size_t>(5, date.size()))).scan(fields, true);
    }
    if (!fields.accepted()) {
        fields.second = 0;
        DateScanner(date).scan(fields, false);
    }
    char text[96];
    std::snprintf(text, sizeof text, "%4d/%s/%02d %02d:%02d:%02d", fields.year,
                  monthText(fields.month).c_str(), fields.day, fields.hour, fields.minute,
                  fields.second);
    return text;
}

} // namespace views
