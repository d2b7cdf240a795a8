#pragma once

// The schedule editor's rules without widgets: the working form the two pages show, how it is
// filled from a record, the clamping of the number edits, the all-day and alarm rules and the
// steps of OK. Texts are Shift_JIS.

#include "common/inform_blocks.h"
#include "common/records.h"
#include "views/schedule/schedule_time.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace host {
class KindLimitCache;
}

namespace views {

// The current model's schedule limits, word by word from the cached table of view kind 4. A
// word the table does not hold reads 0, which turns its choice off.
ScheduleLimits readScheduleLimits(const host::KindLimitCache &cache);

// What the editor offers on the model, from its ScheduleLimits words.
struct ScheduleEditFeatures
{
    int firstYear = 0;
    int lastYear = 0;
    bool endTime = false;       // word 36: the entry has an end time
    bool endDateFree = false;   // word 40: the end date may differ from the start date
    bool allDay = false;        // word 96
    int summaryLength = 0;      // word 52; below 1 the field is read-only
    int descriptionLength = 0;  // word 60
    int locationLength = 0;     // word 68
    int highestRepeatRule = 0;  // word 76; below 1 the list is disabled
    bool weekdays = false;      // word 80: weekdays of a weekly repeat
    bool repeatCount = false;   // word 84
    bool alarm = false;         // word 88
    bool alarmDate = false;     // word 108: an alarm at a given date and time
    bool alarmRelative = false; // word 112: an alarm a given time before the start
    int longestAlarmLead = 0;   // word 116, minutes
    bool alarmTone = false;     // word 100
    bool alarmVolume = false;   // word 104
};

// A table without a valid year range (no model) gives the calendar's 1900 to 2099.
ScheduleEditFeatures scheduleEditFeatures(const ScheduleLimits &limits);

// The five number edits of one moment, as texts.
struct DateFields
{
    std::string year;
    std::string month;
    std::string day;
    std::string hour;
    std::string minute;

    bool operator==(const DateFields &) const = default;
};

DateFields dateFieldsOf(const LocalDateTime &moment);
// The moment of fields read as numbers (seconds 0); fields are expected normalised.
LocalDateTime momentOf(const DateFields &fields);

// Clamps one number edit to minimum to maximum with at most digits characters: longer text
// gives maximum; two or more characters reading 0, or no text, give minimum; a value above or
// below the range gives the nearer end. The result is written back as "%d".
std::string clampNumberText(std::string_view text, int minimum, int maximum, size_t digits);

enum class AlarmMode { AtStart, AtDate, BeforeStart };

// What the two pages show and the user changes.
struct ScheduleEditForm
{
    DateFields start;
    DateFields end;
    bool allDay = false;
    int repeatRule = 0;  // position in the repeat-rule list
    int repeatCount = 0; // position in the repeat-count list (0 = no limit)
    int weekdays = 0;    // bits 1 Sunday to 64 Saturday of the seven boxes
    std::string summary;
    std::string content;
    std::string place;
    bool alarmOn = false;
    AlarmMode alarmMode = AlarmMode::AtStart;
    DateFields alarmAt;
    std::string leadHours;
    std::string leadMinutes;
    int32_t tone = 0;   // the value the chosen entry stands for
    int32_t volume = 0; // the value the chosen entry stands for
    int32_t icon = 0;   // the value the chosen entry stands for
};

constexpr int HighestRepeatCount = 99;

// "なし", "毎日", "毎週", "毎月", "毎年" up to the highest rule (at least "なし").
std::vector<std::string> repeatRuleItems(int highestRule);
// "無期限", then "%d回" for 1 to 99.
std::vector<std::string> repeatCountItems();
// The weekday boxes are open only on models with weekdays and with "毎週" chosen.
bool weekdaysEnabled(const ScheduleEditFeatures &features, int repeatRule);

// Fills the form from record (the view's Get record) on opening. A moment that is no date
// shows now (Japan time). Without an end time the end shows the start; with a fixed end date
// the end takes the start's date with its own hour and minute. All-day shows end 23:59. The
// lead before the start is start - alarm in whole minutes, kept within 0 and the longest lead.
ScheduleEditForm openScheduleForm(const ScheduleRecord &record,
                                  const ScheduleEditFeatures &features, const LocalDateTime &now);

// Leaving a number edit of the first page: start fields clamped (year to the model's years,
// day to its month), then the end fields: clamped when the end date may differ, else the
// start's date; hour 0-23 and minute 0-59 unless all-day. Without an end time the end takes
// all five start fields. While all-day is ticked the end date follows the start date.
void normaliseTimes(ScheduleEditForm &form, const ScheduleEditFeatures &features);
// Leaving a number edit of the second page: the alarm date as the start date, the lead hours
// 0 to longest / 60, the lead minutes 0 to longest - hours * 60.
void normaliseAlarm(ScheduleEditForm &form, const ScheduleEditFeatures &features);

// Ticking all-day: start 0:00, end on the start date at 23:59. Clearing it changes no field.
void setAllDay(ScheduleEditForm &form, bool on);

// The values of an option list (tone 403, volume 402, icon 401): one per name by position,
// then "%d" for value when no entry stands for it, so a value the model does not list stays.
struct OptionChoice
{
    std::vector<std::string> texts;
    std::vector<int32_t> values;
    int selected = 0;
};
OptionChoice optionChoice(const std::vector<std::string> &names, int32_t value);

// OK: normalises both pages and writes the form into record: start and end (UTC text,
// seconds 0), summary, description and location cut to their fields on character boundaries,
// repeat rule and count, tone, volume, icon, all-day, weekdays (bits 1-64 from the form,
// higher bits kept), the alarm (start, a given date, or the start less the lead) and the
// last-modified time now. False, with record untouched, when the end lies before the start.
bool applyScheduleForm(ScheduleEditForm &form, const ScheduleEditFeatures &features,
                       int64_t nowUtcSeconds, ScheduleRecord &record);

} // namespace views
