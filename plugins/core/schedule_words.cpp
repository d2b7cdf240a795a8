#include "schedule_words.h"

#include "common/records.h"

namespace plugin {
namespace {

constexpr const char *kWeekdayWords[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

} // namespace

const char *repeatWord(const ScheduleFormat &format, int32_t rule)
{
    switch (rule) {
    case REPEAT_DAILY:
        return "D1";
    case REPEAT_WEEKLY:
        return "W1";
    case REPEAT_MONTHLY:
        return "MD1";
    case REPEAT_YEARLY:
        return format.yearlyWord;
    default:
        return nullptr;
    }
}

int32_t weekdaysOf(std::string_view text)
{
    int32_t weekdays = 0;
    for (int day = 0; day < 7; ++day)
        if (text.find(std::string(" ") + kWeekdayWords[day] + " ") != std::string_view::npos)
            weekdays |= 1 << day;
    return weekdays;
}

std::string weekdayWords(int32_t weekdays)
{
    std::string words;
    for (int day = 0; day < 7; ++day)
        if (weekdays & (1 << day))
            words += std::string(kWeekdayWords[day]) + " ";
    return words;
}

int32_t iconOf(const ScheduleFormat &format, int32_t number)
{
    if (format.iconCodes.empty())
        return number >= 0 && number < format.iconCount ? number : 0;
    for (size_t i = 0; i < format.iconCodes.size(); ++i)
        if (format.iconCodes[i] == number)
            return static_cast<int32_t>(i);
    return 0;
}

int32_t iconNumber(const ScheduleFormat &format, int32_t icon)
{
    if (icon < 0 || icon >= format.iconCount)
        icon = 0;
    if (format.iconCodes.empty())
        return icon;
    return static_cast<size_t>(icon) < format.iconCodes.size() ? format.iconCodes[icon] : 0;
}

const char *categoryWord(const ScheduleFormat &format, int32_t icon)
{
    if (icon < 0 || static_cast<size_t>(icon) >= format.categoryWords.size())
        return format.categoryWords.empty() ? "" : format.categoryWords[0];
    return format.categoryWords[icon];
}

} // namespace plugin
