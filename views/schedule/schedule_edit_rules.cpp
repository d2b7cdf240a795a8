#include "schedule_edit_rules.h"

#include "app/string_table.h"
#include "common/sjis_cut.h"
#include "common/sjis_literal.h"
#include "views/common/limit_table.h"
#include "views/common/record_fields.h"

#include <algorithm>
#include <cstdio>

namespace views {
namespace {

constexpr int ScheduleTableKind = 4;
constexpr int WeekdayBoxBits = 0x7F;
constexpr size_t SummaryBytes = 129;
constexpr size_t ContentBytes = 257;
constexpr size_t PlaceBytes = 129;

std::string decimal(const char *format, int value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

int numberOf(const std::string &text)
{
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || value > 100000)
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Year, month, day of fields clamped to the model's years and the month's days.
void clampDate(DateFields &fields, const ScheduleEditFeatures &features)
{
    fields.year = clampNumberText(fields.year, features.firstYear, features.lastYear, 4);
    fields.month = clampNumberText(fields.month, 1, 12, 2);
    fields.day = clampNumberText(fields.day, 1,
                                 DaysInMonth(numberOf(fields.year), numberOf(fields.month)), 2);
}

void clampTime(DateFields &fields)
{
    fields.hour = clampNumberText(fields.hour, 0, 23, 2);
    fields.minute = clampNumberText(fields.minute, 0, 59, 2);
}

void copyDate(DateFields &to, const DateFields &from)
{
    to.year = from.year;
    to.month = from.month;
    to.day = from.day;
}

void setTimeOfDay(DateFields &fields, int hour, int minute)
{
    fields.hour = decimal("%d", hour);
    fields.minute = decimal("%d", minute);
}

LocalDateTime momentOrNow(std::string_view text, const LocalDateTime &now)
{
    return ParseScheduleTime(text).value_or(now);
}

} // namespace

ScheduleLimits readScheduleLimits(const host::KindLimitCache &cache)
{
    return readLimitTable<ScheduleLimits>(cache, ScheduleTableKind);
}

ScheduleEditFeatures scheduleEditFeatures(const ScheduleLimits &limits)
{
    ScheduleEditFeatures features;
    const bool years = limits.firstYear > 0 && limits.lastYear >= limits.firstYear;
    features.firstYear = years ? limits.firstYear : 1900;
    features.lastYear = years ? limits.lastYear : 2099;
    features.endTime = limits.startTimeOption != 0;
    features.endDateFree = limits.endTimeOption != 0;
    features.allDay = limits.allDayChoice != 0;
    features.summaryLength = limits.summaryLength;
    features.descriptionLength = limits.descriptionLength;
    features.locationLength = limits.locationLength;
    features.highestRepeatRule = std::clamp(limits.highestRepeatRule, 0, int(REPEAT_YEARLY));
    features.weekdays = limits.weekdayChoice != 0;
    features.repeatCount = limits.repeatCountChoice != 0;
    features.alarm = limits.alarmOption != 0;
    features.alarmDate = limits.alarmTimeOption != 0;
    features.alarmRelative = limits.alarmLeadTimeOption != 0;
    features.longestAlarmLead = std::max(limits.largestAlarmLead, 0);
    features.alarmTone = limits.alarmToneChoice != 0;
    features.alarmVolume = limits.alarmVolumeChoice != 0;
    return features;
}

DateFields dateFieldsOf(const LocalDateTime &moment)
{
    return {decimal("%d", moment.year), decimal("%d", moment.month), decimal("%d", moment.day),
            decimal("%d", moment.hour), decimal("%d", moment.minute)};
}

LocalDateTime momentOf(const DateFields &fields)
{
    return {numberOf(fields.year), numberOf(fields.month),  numberOf(fields.day),
            numberOf(fields.hour), numberOf(fields.minute), 0};
}

std::string clampNumberText(std::string_view text, int minimum, int maximum, size_t digits)
{
    int value;
    if (text.size() > digits) {
        value = maximum;
    } else if (text.empty()) {
        value = minimum;
    } else {
        value = numberOf(std::string(text));
        if (text.size() >= 2 && value == 0)
            value = minimum;
        value = std::clamp(value, minimum, std::max(minimum, maximum));
    }
    return decimal("%d", value);
}

std::vector<std::string> repeatRuleItems(int highestRule)
{
    const std::vector<std::string> all{sjis("なし"), sjis("毎日"), sjis("毎週"), sjis("毎月"),
                                       sjis("毎年")};
    const auto count = static_cast<size_t>(std::clamp(highestRule, 0, int(REPEAT_YEARLY)) + 1);
    return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(count)};
}

std::vector<std::string> repeatCountItems()
{
    std::vector<std::string> items{app::text(app::TextId::RepeatForever)};
    for (int times = 1; times <= HighestRepeatCount; ++times)
        items.push_back(app::formatText(app::TextId::RepeatTimes, times));
    return items;
}

bool weekdaysEnabled(const ScheduleEditFeatures &features, int repeatRule)
{
    return features.weekdays && repeatRule == REPEAT_WEEKLY;
}

ScheduleEditForm openScheduleForm(const ScheduleRecord &record,
                                  const ScheduleEditFeatures &features, const LocalDateTime &now)
{
    ScheduleEditForm form;
    const std::string startText = fieldText(record.start);
    const std::string alarmText = fieldText(record.alarm);
    const LocalDateTime start = momentOrNow(startText, now);
    LocalDateTime end = momentOrNow(fieldText(record.end), now);
    if (!features.endTime) {
        end = start;
    } else if (!features.endDateFree) {
        end.year = start.year;
        end.month = start.month;
        end.day = start.day;
    }
    form.start = dateFieldsOf(start);
    form.end = dateFieldsOf(end);
    form.allDay = record.allDay != 0;
    if (form.allDay)
        setTimeOfDay(form.end, 23, 59);
    form.summary = fieldText(record.summary);
    form.content = fieldText(record.description);
    form.place = fieldText(record.location);
    form.weekdays = record.weekdays & WeekdayBoxBits;
    form.repeatRule = record.repeatRule >= 0 && record.repeatRule <= features.highestRepeatRule
                          ? record.repeatRule
                          : 0;
    form.repeatCount = record.repeatCount >= 0 && record.repeatCount <= HighestRepeatCount
                           ? record.repeatCount
                           : 0;

    const LocalDateTime alarm = momentOrNow(alarmText, now);
    form.alarmAt = dateFieldsOf(alarm);
    const auto lead = static_cast<int>(
        std::clamp<int64_t>(MinutesBetween(alarm, start), 0, features.longestAlarmLead));
    form.leadHours = decimal("%d", lead / 60);
    form.leadMinutes = decimal("%d", lead % 60);
    form.alarmOn = !alarmText.empty();
    if (form.alarmOn && alarmText != startText && features.alarmDate)
        form.alarmMode = features.alarmRelative ? AlarmMode::BeforeStart : AlarmMode::AtDate;
    form.tone = record.alarmTone;
    form.volume = record.alarmVolume;
    form.icon = record.icon;
    return form;
}

void normaliseTimes(ScheduleEditForm &form, const ScheduleEditFeatures &features)
{
    clampDate(form.start, features);
    clampTime(form.start);
    if (!features.endTime) {
        form.end = form.start;
        return;
    }
    if (features.endDateFree && !form.allDay)
        clampDate(form.end, features);
    else
        copyDate(form.end, form.start);
    if (!form.allDay)
        clampTime(form.end);
}

void normaliseAlarm(ScheduleEditForm &form, const ScheduleEditFeatures &features)
{
    clampDate(form.alarmAt, features);
    clampTime(form.alarmAt);
    const int longest = features.longestAlarmLead;
    form.leadHours = clampNumberText(form.leadHours, 0, longest / 60, 2);
    form.leadMinutes
        = clampNumberText(form.leadMinutes, 0, longest - numberOf(form.leadHours) * 60, 2);
}

void setAllDay(ScheduleEditForm &form, bool on)
{
    form.allDay = on;
    if (!on)
        return;
    setTimeOfDay(form.start, 0, 0);
    copyDate(form.end, form.start);
    setTimeOfDay(form.end, 23, 59);
}

OptionChoice optionChoice(const std::vector<std::string> &names, int32_t value)
{
    OptionChoice choice;
    choice.texts = names;
    for (size_t position = 0; position < names.size(); ++position)
        choice.values.push_back(int32_t(position));
    if (value >= 0 && size_t(value) < names.size()) {
        choice.selected = value;
    } else {
        choice.texts.push_back(decimal("%d", value));
        choice.values.push_back(value);
        choice.selected = int(names.size());
    }
    return choice;
}

bool applyScheduleForm(ScheduleEditForm &form, const ScheduleEditFeatures &features,
                       int64_t nowUtcSeconds, ScheduleRecord &record)
{
    normaliseTimes(form, features);
    normaliseAlarm(form, features);
    const LocalDateTime start = momentOf(form.start);
    const LocalDateTime end = momentOf(form.end);
    if (end < start)
        return false;
    ScheduleRecord edited = record;
    const std::string startText = FormatScheduleTime(start);
    setFieldText(edited.start, startText);
    setFieldText(edited.end, FormatScheduleTime(end));
    setFieldText(edited.summary, sjisCut(form.summary, SummaryBytes));
    setFieldText(edited.description, sjisCut(form.content, ContentBytes));
    setFieldText(edited.location, sjisCut(form.place, PlaceBytes));
    edited.repeatRule = form.repeatRule;
    edited.repeatCount = form.repeatCount;
    edited.alarmVolume = form.volume;
    edited.alarmTone = form.tone;
    edited.icon = form.icon;
    edited.allDay = form.allDay ? 1 : 0;
    edited.weekdays = (record.weekdays & ~WeekdayBoxBits) | (form.weekdays & WeekdayBoxBits);
    std::string alarm;
    if (form.alarmOn) {
        alarm = startText;
        if (form.alarmMode == AlarmMode::AtDate) {
            alarm = FormatScheduleTime(momentOf(form.alarmAt));
        } else if (form.alarmMode == AlarmMode::BeforeStart) {
            const int lead = numberOf(form.leadHours) * 60 + numberOf(form.leadMinutes);
            alarm = FormatScheduleTime(AddMinutes(start, -lead));
        }
    }
    setFieldText(edited.alarm, alarm);
    setFieldText(edited.lastModified, ScheduleTimeOfUtc(nowUtcSeconds));
    record = edited;
    return true;
}

} // namespace views
