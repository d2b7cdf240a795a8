#include "ical_import.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/sjis_literal.h"
#include "exchange/charset_decoding.h"
#include "exchange/ical_terms.h"
#include "exchange/imported_text.h"
#include "exchange/line_breaks.h"
#include "exchange/report_note.h"
#include "platform/sjis_text.h"
#include "views/common/record_fields.h"
#include "views/schedule/schedule_edit_rules.h"
#include "views/schedule/schedule_store.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {
namespace {

using app::TextId;
using views::LocalDateTime;

constexpr int64_t SecondsPerDay = 86400;
// Spans beyond this (durations, alarm leads) cannot lead to a date the phones hold.
constexpr int64_t LongestSpan = 400 * 366 * SecondsPerDay;
constexpr size_t LabelCharacters = 40;
constexpr const char *CalendarLabel = "VCALENDAR";

const char *const JapanZoneNames[] = {"Asia/Tokyo", "Japan", "Tokyo Standard Time"};
const char *const UtcZoneNames[] = {"UTC", "Etc/UTC", "GMT", "Etc/GMT"};

// Read into the record, or reported on their own.
const icalproperty_kind MappedProperties[] = {
    ICAL_DTSTART_PROPERTY,      ICAL_DTEND_PROPERTY,        ICAL_DURATION_PROPERTY,
    ICAL_RRULE_PROPERTY,        ICAL_EXRULE_PROPERTY,       ICAL_EXDATE_PROPERTY,
    ICAL_RDATE_PROPERTY,        ICAL_RECURRENCEID_PROPERTY, ICAL_SUMMARY_PROPERTY,
    ICAL_DESCRIPTION_PROPERTY,  ICAL_LOCATION_PROPERTY,     ICAL_CATEGORIES_PROPERTY,
    ICAL_LASTMODIFIED_PROPERTY, ICAL_XLICERROR_PROPERTY,
};
// The calendar programs' bookkeeping and extensions: nothing a user misses on the phone.
const icalproperty_kind BookkeepingProperties[] = {
    ICAL_UID_PROPERTY,    ICAL_DTSTAMP_PROPERTY, ICAL_CREATED_PROPERTY, ICAL_SEQUENCE_PROPERTY,
    ICAL_TRANSP_PROPERTY, ICAL_CLASS_PROPERTY,   ICAL_STATUS_PROPERTY,  ICAL_X_PROPERTY,
};

template<typename List, typename Value>
bool contains(const List &list, const Value &value)
{
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

// Values of a libical BY... array up to its end mark.
template<size_t N>
std::vector<short> partOf(const short (&part)[N])
{
    std::vector<short> values;
    for (size_t i = 0; i < N && part[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        values.push_back(part[i]);
    return values;
}

std::string dayText(const LocalDateTime &moment)
{
    char text[48];
    std::snprintf(text, sizeof text, "%d/%02d/%02d", moment.year, moment.month, moment.day);
    return text;
}

// The first line of text, at most LabelCharacters characters ("..." for the rest).
std::string labelText(std::string_view text)
{
    text = text.substr(0, text.find('\n'));
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == LabelCharacters)
            return std::string(text.substr(0, i)) + "...";
    }
    return std::string(text);
}

std::string utf8Name(const char *sjisName)
{
    return platform::sjisToUtf8(sjisName);
}

std::string textOf(const char *text)
{
    return text ? text : "";
}

int64_t durationSeconds(const icaldurationtype &duration)
{
    const int64_t seconds = (int64_t{duration.weeks} * 7 + duration.days) * SecondsPerDay
                            + int64_t{duration.hours} * 3600 + int64_t{duration.minutes} * 60
                            + duration.seconds;
    return duration.is_neg ? -seconds : seconds;
}

LocalDateTime fieldsOf(const icaltimetype &time)
{
    if (time.is_date)
        return {time.year, time.month, time.day, 0, 0, 0};
    return {time.year, time.month, time.day, time.hour, time.minute, time.second};
}

int64_t utcOfJapanTime(const LocalDateTime &japan)
{
    return ical::secondsOfFields(japan) - ical::JapanOffsetSeconds;
}

// A zone written in the file, used only when its rules are of the yearly kind real zones
// have: libical expands a zone's rules from their first year, and a rule of another frequency
// or from an ancient year would take it a very long time.
bool hasPlainRules(icaltimezone *zone)
{
    icalcomponent *component = icaltimezone_get_component(zone);
    if (!component)
        return false;
    constexpr int EarliestRuleYear = 1600; // Windows zones start in 1601
    constexpr int MostRuleDates = 1000;
    for (icalcomponent *rules = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT);
         rules; rules = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
        icalproperty *start = icalcomponent_get_first_property(rules, ICAL_DTSTART_PROPERTY);
        if (!start || icalproperty_get_dtstart(start).year < EarliestRuleYear)
            return false;
        for (icalproperty *rule = icalcomponent_get_first_property(rules, ICAL_RRULE_PROPERTY);
             rule; rule = icalcomponent_get_next_property(rules, ICAL_RRULE_PROPERTY)) {
            const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
            if (recurrence.freq != ICAL_YEARLY_RECURRENCE || recurrence.interval != 1)
                return false;
        }
        if (icalcomponent_count_properties(rules, ICAL_RDATE_PROPERTY) > MostRuleDates)
            return false;
    }
    return true;
}

// The note on a line libical could not read (its X-LIC-ERROR property), or nothing for any
// other property and for an empty value ("DESCRIPTION:"), which loses nothing.
std::optional<std::string> unreadableLineNote(icalproperty *property)
{
    if (icalproperty_isa(property) != ICAL_XLICERROR_PROPERTY)
        return std::nullopt;
    const std::string error = textOf(icalproperty_get_xlicerror(property));
    if (error.rfind("No value for ", 0) == 0)
        return std::nullopt;
    return reportNote(TextId::ScheduleImportUnreadableLine, error.c_str());
}

// What the import needs of the current model.
struct ModelFit
{
    views::ScheduleEditFeatures features;
    ScheduleLimits limits;
    std::vector<std::string> iconNames; // UTF-8, by icon
    size_t toneCount = 0;
    size_t volumeCount = 0;

    bool holdsYear(int64_t utcSeconds) const
    {
        const int year = views::JapanTimeOf(utcSeconds).year;
        return year >= features.firstYear && year <= features.lastYear;
    }
};

ModelFit modelFitOf(const ScheduleLimits &limits, const views::OptionName &optionName)
{
    ModelFit fit;
    fit.features = views::scheduleEditFeatures(limits);
    fit.limits = limits;
    for (const std::string &name : views::optionNames(optionName, 401))
        fit.iconNames.push_back(platform::sjisToUtf8(name));
    fit.toneCount = views::optionNames(optionName, 403).size();
    fit.volumeCount = views::optionNames(optionName, 402).size();
    return fit;
}

// An instant as seconds from 1970 UTC, and whether the file gave a day only.
struct Moment
{
    int64_t utc = 0;
    bool date = false;
};

class EventReader
{
public:
    EventReader(icalcomponent *calendar, icalcomponent *event, const ModelFit &fit,
                ImportReport &report, std::string label)
        : m_calendar(calendar)
        , m_event(event)
        , m_fit(fit)
        , m_features(fit.features)
        , m_report(report)
        , m_label(std::move(label))
    {
    }

    // The entry, or nothing (reported) when the model cannot take it.
    std::optional<ScheduleRecord> read();

private:
    void note(std::string text);
    std::optional<Moment> momentOf(icalproperty *property, const icaltimetype &time);
    std::optional<int> zoneOffset(const char *tzid, const icaltimetype &time);
    void readEnd(const Moment &start, ScheduleRecord &record);
    void readRepeat(const Moment &start, ScheduleRecord &record);
    bool fitRepeat(const icalrecurrencetype &rule, const Moment &start, ScheduleRecord &record);
    std::optional<int64_t> occurrencesUntil(const icalrecurrencetype &rule, const Moment &start);
    void readAlarm(const Moment &start, ScheduleRecord &record);
    void readTexts(ScheduleRecord &record);
    template<size_t Size>
    void fitText(const std::string &utf8, const std::string &name, int modelLength,
                 char (&field)[Size]);
    void readIcon(ScheduleRecord &record);
    void readAlarmChoices(ScheduleRecord &record);
    void readLastModified(ScheduleRecord &record);
    void noteUnread();

    icalcomponent *m_calendar;
    icalcomponent *m_event;
    const ModelFit &m_fit;
    const views::ScheduleEditFeatures &m_features;
    ImportReport &m_report;
    std::string m_label;
    icaltimetype m_startTime = icaltime_null_time(); // DTSTART as the file wrote it
    int64_t m_fileEnd = 0;                           // the end the file gives, before fitting
};

void EventReader::note(std::string text)
{
    // An entry's notes are the last ones added; the same note (a zone unknown to DTSTART and
    // DTEND) is given once.
    const bool given = !m_report.entries.empty() && m_report.entries.back().label == m_label
                       && contains(m_report.entries.back().notes, text);
    if (!given)
        m_report.add(m_label, std::move(text));
}

std::optional<int> EventReader::zoneOffset(const char *tzid, const icaltimetype &time)
{
    if (contains(JapanZoneNames, std::string_view(tzid)))
        return ical::JapanOffsetSeconds;
    if (contains(UtcZoneNames, std::string_view(tzid)))
        return 0;
    icaltimezone *zone = icalcomponent_get_timezone(m_calendar, tzid);
    if (zone && !hasPlainRules(zone))
        zone = nullptr;
    if (!zone)
        zone = icaltimezone_get_builtin_timezone(tzid);
    if (!zone)
        return std::nullopt;
    icaltimetype local = time;
    local.zone = nullptr;
    int daylight = 0;
    return icaltimezone_get_utc_offset(zone, &local, &daylight);
}

std::optional<Moment> EventReader::momentOf(icalproperty *property, const icaltimetype &time)
{
    if (icaltime_is_null_time(time))
        return std::nullopt;
    const LocalDateTime fields = fieldsOf(time);
    if (!ical::isValidMoment(fields))
        return std::nullopt;
    const int64_t asUtc = ical::secondsOfFields(fields);
    if (time.is_date)
        return Moment{asUtc - ical::JapanOffsetSeconds, true};
    if (icaltime_is_utc(time))
        return Moment{asUtc, false};
    icalparameter *tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    const char *zone = tzid ? icalparameter_get_tzid(tzid) : nullptr;
    if (!zone) // floating time: the phone's own
        return Moment{asUtc - ical::JapanOffsetSeconds, false};
    std::optional<int> offset = zoneOffset(zone, time);
    if (!offset) {
        note(reportNote(TextId::ScheduleImportUnknownZone, zone));
        offset = ical::JapanOffsetSeconds;
    }
    return Moment{asUtc - *offset, false};
}

void EventReader::readEnd(const Moment &start, ScheduleRecord &record)
{
    m_fileEnd = start.date ? start.utc + SecondsPerDay : start.utc;
    icalproperty *endProperty = icalcomponent_get_first_property(m_event, ICAL_DTEND_PROPERTY);
    icalproperty *duration = icalcomponent_get_first_property(m_event, ICAL_DURATION_PROPERTY);
    bool endInYears = true;
    if (endProperty) {
        if (const std::optional<Moment> end
            = momentOf(endProperty, icalproperty_get_dtend(endProperty)))
            m_fileEnd = end->utc;
    } else if (duration) {
        const int64_t seconds = durationSeconds(icalproperty_get_duration(duration));
        if (std::abs(seconds) <= LongestSpan)
            m_fileEnd = start.utc + seconds;
        else
            endInYears = false;
    }

    const LocalDateTime startTime = views::JapanTimeOf(start.utc);
    const int64_t startDayEnd
        = utcOfJapanTime({startTime.year, startTime.month, startTime.day, 23, 59, 0});
    // What an end that cannot stand gives way to: the start, or the end of its day for an
    // all-day entry.
    const int64_t fallback = start.date ? startDayEnd : start.utc;
    int64_t end = m_fileEnd;
    if (start.date) {
        const LocalDateTime last
            = views::JapanTimeOf(m_fileEnd > start.utc ? m_fileEnd - 1 : start.utc);
        end = utcOfJapanTime({last.year, last.month, last.day, 23, 59, 0});
        record.allDay = 1;
    }
    if (end < start.utc) {
        note(reportNote(TextId::ScheduleImportEndBeforeStart));
        end = fallback;
    }
    if (!endInYears || !m_fit.holdsYear(end)) {
        note(reportNote(TextId::ScheduleImportEndOutsideYears));
        end = fallback;
    }
    if (record.allDay && !m_features.allDay) {
        note(reportNote(TextId::ScheduleImportNoAllDay));
        record.allDay = 0;
    }
    if (!m_features.endTime) {
        if (end != start.utc)
            note(reportNote(TextId::ScheduleImportNoEndTime));
        end = start.utc;
    } else if (!m_features.endDateFree && views::JapanTimeOf(end).date() != startTime.date()) {
        note(reportNote(TextId::ScheduleImportEndDateFixed));
        end = startDayEnd;
    }
    views::setFieldText(record.end, views::ScheduleTimeOfUtc(end));
}

std::optional<int64_t> EventReader::occurrencesUntil(const icalrecurrencetype &rule,
                                                     const Moment &start)
{
    // The iterator runs in the start's own frame: UNTIL in UTC moves by the start's offset.
    icaltimetype first = m_startTime;
    first.zone = nullptr;
    icalrecurrencetype bounded = rule;
    if (icaltime_is_utc(rule.until) && !first.is_date) {
        const int64_t offset = ical::secondsOfFields(fieldsOf(first)) - start.utc;
        bounded.until = icaltime_add(rule.until, icaldurationtype_from_int(int(offset)));
    }
    bounded.until.zone = nullptr;
    icalrecur_iterator *iterator = icalrecur_iterator_new(bounded, first);
    if (!iterator)
        return std::nullopt;
    int64_t count = 0;
    while (count <= views::HighestRepeatCount
           && !icaltime_is_null_time(icalrecur_iterator_next(iterator)))
        ++count;
    icalrecur_iterator_free(iterator);
    return std::max<int64_t>(count, 1);
}

// Whether rule means what the record's repeat fields can say; if so they are set.
bool EventReader::fitRepeat(const icalrecurrencetype &rule, const Moment &start,
                            ScheduleRecord &record)
{
    const std::optional<int32_t> repeat = ical::ruleOf(rule.freq);
    if (!repeat || *repeat > m_features.highestRepeatRule || rule.interval > 1
        || !partOf(rule.by_second).empty() || !partOf(rule.by_minute).empty()
        || !partOf(rule.by_hour).empty() || !partOf(rule.by_year_day).empty()
        || !partOf(rule.by_week_no).empty() || !partOf(rule.by_set_pos).empty())
        return false;

    // BYDAY, BYMONTHDAY and BYMONTH name days as the file's zone sees them; the record's
    // weekdays are Japan's, a day later or earlier for a start near midnight elsewhere.
    const LocalDateTime written = fieldsOf(m_startTime);
    const LocalDateTime japan = views::JapanTimeOf(start.utc);
    const int shift = static_cast<int>((ical::secondsOfFields(ical::midnightOf(japan))
                                        - ical::secondsOfFields(ical::midnightOf(written)))
                                       / SecondsPerDay);
    int32_t weekdays = 0;
    for (const short day : partOf(rule.by_day)) {
        const int bit = ical::bitOfWeekday(icalrecurrencetype_day_day_of_week(day));
        if (icalrecurrencetype_day_position(day) != 0 || bit < 0 || bit >= ical::WeekdayBits)
            return false;
        weekdays
            |= 1 << (((bit + shift) % ical::WeekdayBits + ical::WeekdayBits) % ical::WeekdayBits);
    }
    const int32_t startBit = 1 << views::WeekdayOf(japan.date());
    if (weekdays != 0 && *repeat != REPEAT_WEEKLY)
        return false;
    if (weekdays != 0 && !m_features.weekdays && weekdays != startBit)
        return false;
    const std::vector<short> monthDays = partOf(rule.by_month_day);
    const std::vector<short> months = partOf(rule.by_month);
    const bool ownDay = monthDays.empty()
                        || (monthDays.size() == 1 && monthDays[0] == written.day
                            && (*repeat == REPEAT_MONTHLY || *repeat == REPEAT_YEARLY));
    const bool ownMonth
        = months.empty()
          || (months.size() == 1 && months[0] == written.month && *repeat == REPEAT_YEARLY);
    if (!ownDay || !ownMonth)
        return false;

    int64_t count = rule.count > 0 ? rule.count : 0;
    if (count == 0 && !icaltime_is_null_time(rule.until)) {
        const std::optional<int64_t> counted = occurrencesUntil(rule, start);
        if (!counted)
            return false;
        count = *counted;
    }
    if (count > 0 && !m_features.repeatCount) {
        note(reportNote(TextId::ScheduleImportRepeatCountDropped, int(count)));
        count = 0;
    } else if (count > views::HighestRepeatCount) {
        note(reportNote(TextId::ScheduleImportRepeatCountCut, views::HighestRepeatCount));
        count = views::HighestRepeatCount;
    }
    record.repeatRule = *repeat;
    record.repeatCount = static_cast<int32_t>(count);
    record.weekdays = m_features.weekdays ? weekdays : 0;
    return true;
}

void EventReader::readRepeat(const Moment &start, ScheduleRecord &record)
{
    icalproperty *first = icalcomponent_get_first_property(m_event, ICAL_RRULE_PROPERTY);
    if (!first)
        return;
    icalrecurrencetype rule = icalproperty_get_rrule(first);
    if (!fitRepeat(rule, start, record)) {
        const ical::BufferPtr text(icalrecurrencetype_as_string_r(&rule));
        note(reportNote(TextId::ScheduleImportRepeatDropped, text ? text.get() : ""));
    }
    if (icalcomponent_get_next_property(m_event, ICAL_RRULE_PROPERTY))
        note(reportNote(TextId::ScheduleImportExtraRule));
}

void EventReader::readAlarm(const Moment &start, ScheduleRecord &record)
{
    icalcomponent *alarm = icalcomponent_get_first_component(m_event, ICAL_VALARM_COMPONENT);
    if (!alarm)
        return;
    if (icalcomponent_get_next_component(m_event, ICAL_VALARM_COMPONENT))
        note(reportNote(TextId::ScheduleImportExtraAlarm));
    icalproperty *trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
    if (!trigger) {
        note(reportNote(TextId::ScheduleImportAlarmWithoutTime));
        return;
    }
    if (!m_features.alarm) {
        note(reportNote(TextId::ScheduleImportNoAlarm));
        return;
    }
    const icaltriggertype when = icalproperty_get_trigger(trigger);
    std::optional<int64_t> at;
    if (!icaltime_is_null_time(when.time)) {
        if (const std::optional<Moment> moment = momentOf(trigger, when.time))
            at = moment->utc;
    } else {
        icalparameter *related = icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
        const bool fromEnd = related && icalparameter_get_related(related) == ICAL_RELATED_END;
        const int64_t seconds = durationSeconds(when.duration);
        if (std::abs(seconds) <= LongestSpan)
            at = (fromEnd ? m_fileEnd : start.utc) + seconds;
    }
    if (!at || !m_fit.holdsYear(*at)) {
        note(reportNote(TextId::ScheduleImportAlarmOutsideYears));
        return;
    }
    const int64_t lead = start.utc - *at;
    if (lead != 0 && !m_features.alarmDate) {
        const int64_t longest = int64_t{m_features.longestAlarmLead} * 60;
        if (m_features.alarmRelative && lead > longest && longest > 0) {
            note(reportNote(TextId::ScheduleImportAlarmLeadCut, m_features.longestAlarmLead));
            *at = start.utc - longest;
        } else if (!m_features.alarmRelative || lead < 0 || longest <= 0) {
            note(reportNote(TextId::ScheduleImportAlarmAtStart));
            *at = start.utc;
        }
    }
    views::setFieldText(record.alarm, views::ScheduleTimeOfUtc(*at));
}

template<size_t Size>
void EventReader::fitText(const std::string &utf8, const std::string &name, int modelLength,
                          char (&field)[Size])
{
    if (utf8.empty())
        return;
    if (modelLength <= 0) {
        note(reportNote(TextId::ScheduleImportFieldMissing, name.c_str()));
        return;
    }
    const ImportedText text = importedText(utf8, std::min<size_t>(size_t(modelLength), Size - 1));
    if (text.replaced > 0)
        note(reportNote(TextId::ScheduleImportCharactersReplaced, name.c_str(), text.replaced));
    // libical drops the blanks around a value when it reads a file, so the text keeps none
    // either (a cut or an odd escape may leave some): the entry then reads back from this
    // program's export as it is.
    std::string kept = text.sjis;
    if (text.cut() && kept.ends_with('\r'))
        kept.pop_back(); // the cut fell inside a line break
    kept.erase(kept.find_last_not_of(" \t") + 1);
    kept.erase(0, kept.find_first_not_of(" \t"));
    if (text.cut()) {
        note(reportNote(TextId::ScheduleImportTextCut, name.c_str(), int(kept.size()),
                        int(text.fullBytes)));
    }
    views::setFieldText(field, kept);
}

void EventReader::readTexts(ScheduleRecord &record)
{
    std::string summary = crLfLines(ical::plainText(textOf(icalcomponent_get_summary(m_event))));
    std::string description
        = crLfLines(ical::plainText(textOf(icalcomponent_get_description(m_event))));
    if (!summary.empty() && m_fit.limits.summaryLength <= 0 && m_fit.limits.descriptionLength > 0) {
        note(reportNote(TextId::ScheduleImportSummaryMoved));
        description = description.empty() ? summary : summary + "\r\n" + description;
        summary.clear();
    }
    fitText(summary, utf8Name(sjis("概要")), m_fit.limits.summaryLength, record.summary);
    fitText(description, utf8Name(sjis("内容")), m_fit.limits.descriptionLength,
            record.description);
    fitText(crLfLines(ical::plainText(textOf(icalcomponent_get_location(m_event)))),
            utf8Name(sjis("場所")), m_fit.limits.locationLength, record.location);
}

void EventReader::readIcon(ScheduleRecord &record)
{
    std::vector<std::string> categories;
    for (icalproperty *property
         = icalcomponent_get_first_property(m_event, ICAL_CATEGORIES_PROPERTY);
         property; property = icalcomponent_get_next_property(m_event, ICAL_CATEGORIES_PROPERTY))
        categories.push_back(textOf(icalproperty_get_categories(property)));
    if (categories.empty())
        return;
    std::string unused;
    bool chosen = false;
    for (const std::string &category : categories) {
        const auto name = std::find(m_fit.iconNames.begin(), m_fit.iconNames.end(), category);
        if (!chosen && name != m_fit.iconNames.end()) {
            record.icon = static_cast<int32_t>(name - m_fit.iconNames.begin());
            chosen = true;
        } else {
            unused += (unused.empty() ? "" : ", ") + category;
        }
    }
    if (unused.empty())
        return;
    const std::string icon = m_fit.iconNames.empty() ? "0" : m_fit.iconNames[size_t(record.icon)];
    note(reportNote(chosen ? TextId::ScheduleImportCategoriesUnused
                           : TextId::ScheduleImportIconUnmatched,
                    unused.c_str(), icon.c_str()));
}

void EventReader::readAlarmChoices(ScheduleRecord &record)
{
    struct Choice
    {
        const char *property;
        std::string name;
        bool offered;
        size_t count;
        int32_t &value;
    };
    const Choice choices[] = {
        {ical::AlarmToneProperty, utf8Name(sjis("ｱﾗｰﾑ音")), m_features.alarmTone, m_fit.toneCount,
         record.alarmTone},
        {ical::AlarmVolumeProperty, utf8Name(sjis("ｱﾗｰﾑ音量")), m_features.alarmVolume,
         m_fit.volumeCount, record.alarmVolume},
    };
    for (icalproperty *property = icalcomponent_get_first_property(m_event, ICAL_X_PROPERTY);
         property; property = icalcomponent_get_next_property(m_event, ICAL_X_PROPERTY)) {
        const std::string name = textOf(icalproperty_get_x_name(property));
        for (const Choice &choice : choices) {
            if (name != choice.property)
                continue;
            const std::string text = textOf(icalproperty_get_x(property));
            char *end = nullptr;
            const long value = std::strtol(text.c_str(), &end, 10);
            if (choice.offered && !text.empty() && *end == '\0' && value >= 0
                && static_cast<size_t>(value) < choice.count)
                choice.value = static_cast<int32_t>(value);
            else
                note(reportNote(TextId::ScheduleImportChoiceRefused, choice.name.c_str(),
                                text.c_str()));
        }
    }
}

void EventReader::readLastModified(ScheduleRecord &record)
{
    icalproperty *property = icalcomponent_get_first_property(m_event, ICAL_LASTMODIFIED_PROPERTY);
    if (!property)
        return;
    const std::optional<Moment> moment
        = momentOf(property, icalproperty_get_lastmodified(property));
    if (moment && ical::isValidMoment(views::JapanTimeOf(moment->utc)))
        views::setFieldText(record.lastModified, views::ScheduleTimeOfUtc(moment->utc));
}

void EventReader::noteUnread()
{
    std::string unread;
    std::string exceptions;
    for (icalproperty *property = icalcomponent_get_first_property(m_event, ICAL_ANY_PROPERTY);
         property; property = icalcomponent_get_next_property(m_event, ICAL_ANY_PROPERTY)) {
        const icalproperty_kind kind = icalproperty_isa(property);
        if (const std::optional<std::string> lost = unreadableLineNote(property))
            note(*lost);
        if (kind == ICAL_EXDATE_PROPERTY || kind == ICAL_RDATE_PROPERTY
            || kind == ICAL_EXRULE_PROPERTY) {
            const std::string name = textOf(icalproperty_kind_to_string(kind));
            if (exceptions.find(name) == std::string::npos)
                exceptions += (exceptions.empty() ? "" : ", ") + name;
        }
        if (contains(MappedProperties, kind) || contains(BookkeepingProperties, kind))
            continue;
        const ical::BufferPtr name(icalproperty_get_property_name_r(property));
        const std::string text = name ? name.get() : "?";
        if (unread.find(text) == std::string::npos)
            unread += (unread.empty() ? "" : ", ") + text;
    }
    if (!exceptions.empty())
        note(reportNote(TextId::ScheduleImportExceptionsDropped, exceptions.c_str()));
    if (icalcomponent_get_first_property(m_event, ICAL_RECURRENCEID_PROPERTY))
        note(reportNote(TextId::ScheduleImportSingleOccurrence));
    if (!unread.empty())
        note(reportNote(TextId::ScheduleImportNoPlace, unread.c_str()));
}

std::optional<ScheduleRecord> EventReader::read()
{
    noteUnread();
    icalproperty *startProperty = icalcomponent_get_first_property(m_event, ICAL_DTSTART_PROPERTY);
    if (startProperty)
        m_startTime = icalproperty_get_dtstart(startProperty);
    const std::optional<Moment> start
        = startProperty ? momentOf(startProperty, m_startTime) : std::nullopt;
    if (!start) {
        note(reportNote(TextId::ScheduleImportNoStart));
        return std::nullopt;
    }
    if (!m_fit.holdsYear(start->utc)) {
        note(reportNote(TextId::ScheduleImportStartOutsideYears,
                        dayText(views::JapanTimeOf(start->utc)).c_str(), m_features.firstYear,
                        m_features.lastYear));
        return std::nullopt;
    }
    ScheduleRecord record{};
    record.header.version = RECORD_VERSION_SCHEDULE;
    record.header.size = sizeof(ScheduleRecord);
    record.header.kind = KIND_SCHEDULE;
    views::setFieldText(record.start, views::ScheduleTimeOfUtc(start->utc));
    readEnd(*start, record);
    readRepeat(*start, record);
    readAlarm(*start, record);
    readTexts(record);
    readIcon(record);
    readAlarmChoices(record);
    readLastModified(record);
    return record;
}

std::string eventLabel(icalcomponent *event, int ordinal)
{
    std::string label = "VEVENT " + std::to_string(ordinal);
    std::string text = textOf(icalcomponent_get_summary(event));
    if (text.empty())
        text = textOf(icalcomponent_get_description(event));
    if (!text.empty())
        label += ": " + labelText(text);
    return label;
}

// The VCALENDAR objects of root: itself, or the children of libical's XROOT when the file
// holds several.
std::vector<icalcomponent *> calendarsOf(icalcomponent *root)
{
    std::vector<icalcomponent *> calendars;
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root);
    } else if (icalcomponent_isa(root) == ICAL_XROOT_COMPONENT) {
        for (icalcomponent *child
             = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
             child; child = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(child);
    }
    return calendars;
}

// Whether calendar says it is iCalendar 2.0 (a calendar without VERSION is taken as one).
bool isVersion2(icalcomponent *calendar, ImportReport &report)
{
    icalproperty *version = icalcomponent_get_first_property(calendar, ICAL_VERSION_PROPERTY);
    if (!version) {
        report.add(CalendarLabel, reportNote(TextId::ScheduleImportNoVersion));
        return true;
    }
    return textOf(icalproperty_get_version(version)) == "2.0";
}

class CalendarReader
{
public:
    CalendarReader(const ModelFit &fit, ScheduleImport &result)
        : m_fit(fit)
        , m_result(result)
    {
    }

    void read(icalcomponent *calendar);
    void finish();

private:
    const ModelFit &m_fit;
    ScheduleImport &m_result;
    int m_events = 0;
    int m_beyondCapacity = 0;
    std::map<std::string, int> m_skipped; // component name -> count
};

void CalendarReader::read(icalcomponent *calendar)
{
    for (icalproperty *error = icalcomponent_get_first_property(calendar, ICAL_XLICERROR_PROPERTY);
         error; error = icalcomponent_get_next_property(calendar, ICAL_XLICERROR_PROPERTY))
        if (const std::optional<std::string> lost = unreadableLineNote(error))
            m_result.report.add(CalendarLabel, *lost);
    for (icalcomponent *component = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT);
         component; component = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind kind = icalcomponent_isa(component);
        if (kind == ICAL_VTIMEZONE_COMPONENT)
            continue;
        if (kind != ICAL_VEVENT_COMPONENT) {
            const std::string name = textOf(icalcomponent_kind_to_string(kind));
            ++m_skipped[name.empty() ? "X" : name]; // libical names the ones it does not know "X"
            continue;
        }
        ++m_events;
        if (m_result.records.size() >= size_t(views::ScheduleStore::Capacity)) {
            ++m_beyondCapacity;
            continue;
        }
        EventReader reader(calendar, component, m_fit, m_result.report,
                           eventLabel(component, m_events));
        if (std::optional<ScheduleRecord> record = reader.read())
            m_result.records.push_back(*record);
    }
}

void CalendarReader::finish()
{
    for (const auto &[name, count] : m_skipped)
        m_result.report.add(name, reportNote(TextId::ScheduleImportNotEvent, count));
    if (m_beyondCapacity > 0)
        m_result.report.add(CalendarLabel,
                            reportNote(TextId::ScheduleImportBeyondCapacity,
                                       views::ScheduleStore::Capacity, m_beyondCapacity));
    for (size_t i = 1; i < m_result.records.size(); ++i)
        ChainRecords(&m_result.records[i - 1], &m_result.records[i]);
}

} // namespace

ScheduleImport importICalendar(std::string_view bytes, const ScheduleLimits &limits,
                               const views::OptionName &optionName)
{
    ScheduleImport result;
    bytes = withoutByteOrderMark(bytes);
    if (bytes.find('\0') != std::string_view::npos) {
        result.error = IcalImportError::NotCalendar;
        return result;
    }
    const std::string text(bytes);
    const ical::ComponentPtr root(icalparser_parse_string(text.c_str()));
    const std::vector<icalcomponent *> calendars
        = root ? calendarsOf(root.get()) : std::vector<icalcomponent *>();
    if (calendars.empty()) {
        result.error = IcalImportError::NotCalendar;
        return result;
    }
    for (icalcomponent *calendar : calendars) {
        if (!isVersion2(calendar, result.report)) {
            result = {};
            result.error = IcalImportError::UnsupportedVersion;
            return result;
        }
    }
    const ModelFit fit = modelFitOf(limits, optionName);
    CalendarReader reader(fit, result);
    for (icalcomponent *calendar : calendars)
        reader.read(calendar);
    reader.finish();
    return result;
}

} // namespace exchange
