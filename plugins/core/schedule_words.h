#pragma once

#include "plugins/core/schedule_format.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace plugin {

// The RRULE word of a repeat rule (ScheduleRepeat) in the model's format; null for none.
const char *repeatWord(const ScheduleFormat &format, int32_t rule);

// The weekday bits (1 Sunday ... 64 Saturday) whose words stand in text with a blank on both
// sides.
int32_t weekdaysOf(std::string_view text);

// The words of the set weekdays, each followed by one blank ("SU MO ").
std::string weekdayWords(int32_t weekdays);

// The icon an icon property's number means: the number itself, or the index of the equal code;
// 0 when it names no icon of the list.
int32_t iconOf(const ScheduleFormat &format, int32_t number);

// What the icon property carries for icon (icons outside the list count as 0).
int32_t iconNumber(const ScheduleFormat &format, int32_t icon);

// The category word of icon; "" for icons outside the word table.
const char *categoryWord(const ScheduleFormat &format, int32_t icon);

} // namespace plugin
