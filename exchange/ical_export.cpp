#include "ical_export.h"

#include "common/data_kind.h"
#include "common/sjis_literal.h"
#include "exchange/ical_terms.h"
#include "platform/sjis_text.h"
#include "views/common/record_fields.h"
#include "views/schedule/schedule_edit_rules.h"
#include "views/schedule/schedule_store.h"

#include <cstdio>
#include <map>
#include <optional>

namespace exchange {
namespace {

using views::CalendarDate;
using views::LocalDateTime;

constexpr const char *ProductId = "-//Cellvane//Cellvane//JA";
constexpr int WeekdayMask = (1 << ical::WeekdayBits) - 1;

// The Japan time of a record's date-time field, when it holds a valid date.
template<size_t Size>
std::optional<LocalDateTime> momentOf(const char (&field)[Size])
{
    const std::optional<LocalDateTime> moment = views::ParseScheduleTime(views::fieldText(field));
    return moment && ical::isValidMoment(*moment) ? moment : std::nullopt;
}

icaltimetype floatingTime(const LocalDateTime &moment)
{
    icaltimetype time = icaltime_null_time();
    time.year = moment.year;
    time.month = moment.month;
    time.day = moment.day;
    time.hour = moment.hour;
    time.minute = moment.minute;
    time.second = moment.second;
    return time;
}

icaltimetype dateOf(const CalendarDate &day)
{
    icaltimetype time = icaltime_null_date();
    time.year = day.year;
    time.month = day.month;
    time.day = day.day;
    return time;
}

icaltimetype utcTimeOf(const LocalDateTime &japan)
{
    icaltimetype time = floatingTime(views::AddMinutes(japan, -ical::JapanOffsetSeconds / 60));
    time.zone = icaltimezone_get_utc_timezone();
    return time;
}

icaltimetype utcTimeOfSeconds(int64_t utcSeconds)
{
    return utcTimeOf(views::JapanTimeOf(utcSeconds));
}

icalproperty *inJapan(icalproperty *property)
{
    icalproperty_add_parameter(property, icalparameter_new_tzid(ical::JapanZone));
    return property;
}

// The UTF-8 text of a Shift_JIS field.
template<size_t Size>
std::string utf8Of(const char (&field)[Size])
{
    return platform::sjisToUtf8(ical::plainText(views::fieldText(field)));
}

class UidHash
{
public:
    template<size_t Size>
    void text(const char (&field)[Size])
    {
        for (const char c : views::fieldText(field))
            byte(static_cast<unsigned char>(c));
        byte(0);
    }
    void number(int32_t value)
    {
        const auto bits = static_cast<uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8)
            byte(static_cast<unsigned char>(bits >> shift));
    }
    uint64_t value() const { return m_hash; }

private:
    void byte(unsigned char b)
    {
        m_hash ^= b;
        m_hash *= 0x100000001b3ULL;
    }

    uint64_t m_hash = 0xcbf29ce484222325ULL;
};

uint64_t contentHash(const ScheduleRecord &record)
{
    UidHash hash;
    hash.text(record.start);
    hash.text(record.end);
    hash.text(record.alarm);
    hash.text(record.summary);
    hash.text(record.description);
    hash.text(record.location);
    hash.number(record.repeatRule);
    hash.number(record.repeatCount);
    hash.number(record.weekdays);
    hash.number(record.icon);
    hash.number(record.alarmVolume);
    hash.number(record.allDay);
    return hash.value();
}

std::string uidOf(uint64_t hash, int occurrence)
{
    char text[64];
    if (occurrence > 1)
        std::snprintf(text, sizeof text, "cellvane-%016llx-%d@cellvane.invalid",
                      static_cast<unsigned long long>(hash), occurrence);
    else
        std::snprintf(text, sizeof text, "cellvane-%016llx@cellvane.invalid",
                      static_cast<unsigned long long>(hash));
    return text;
}

icalcomponent *japanTimeZone()
{
    icalcomponent *zone = icalcomponent_new_vtimezone();
    icalcomponent_add_property(zone, icalproperty_new_tzid(ical::JapanZone));
    icalcomponent *standard = icalcomponent_new_xstandard();
    icalcomponent_add_property(standard,
                               icalproperty_new_dtstart(floatingTime({1970, 1, 1, 0, 0, 0})));
    icalcomponent_add_property(standard, icalproperty_new_tzoffsetfrom(ical::JapanOffsetSeconds));
    icalcomponent_add_property(standard, icalproperty_new_tzoffsetto(ical::JapanOffsetSeconds));
    icalcomponent_add_property(standard, icalproperty_new_tzname("JST"));
    icalcomponent_add_component(zone, standard);
    return zone;
}

std::optional<icalrecurrencetype> repeatOf(const ScheduleRecord &record)
{
    const std::optional<icalrecurrencetype_frequency> frequency
        = ical::frequencyOf(record.repeatRule);
    if (!frequency)
        return std::nullopt;
    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    rule.freq = *frequency;
    if (record.repeatCount >= 1 && record.repeatCount <= views::HighestRepeatCount)
        rule.count = record.repeatCount;
    if (record.repeatRule == REPEAT_WEEKLY) {
        int used = 0;
        for (int bit = 0; bit < ical::WeekdayBits; ++bit)
            if (record.weekdays & WeekdayMask & (1 << bit))
                rule.by_day[used++] = static_cast<short>(ical::weekdayOfBit(bit));
    }
    return rule;
}

void addText(icalcomponent *event, icalproperty *(*make)(const char *), const std::string &text)
{
    if (!text.empty())
        icalcomponent_add_property(event, make(text.c_str()));
}

void addIndex(icalcomponent *event, const char *name, int32_t value)
{
    if (value == 0)
        return;
    icalproperty *property = icalproperty_new_x(std::to_string(value).c_str());
    icalproperty_set_x_name(property, name);
    icalcomponent_add_property(event, property);
}

icalcomponent *alarmOf(const LocalDateTime &alarm, const LocalDateTime &reference,
                       const std::string &text)
{
    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_null_duration();
    const int64_t after = ical::secondsOfFields(alarm) - ical::secondsOfFields(reference);
    if (after <= 0)
        trigger.duration = icaldurationtype_from_int(static_cast<int>(after));
    else
        trigger.time = utcTimeOf(alarm);
    icalcomponent *component = icalcomponent_new_valarm();
    icalcomponent_add_property(component, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icalcomponent_add_property(component, icalproperty_new_description(text.c_str()));
    icalcomponent_add_property(component, icalproperty_new_trigger(trigger));
    return component;
}

class EventWriter
{
public:
    EventWriter(const views::OptionName &optionName, int64_t nowUtcSeconds)
        : m_optionName(optionName)
        , m_nowUtcSeconds(nowUtcSeconds)
    {
    }

    // The VEVENT of record, or null when its start is no date.
    icalcomponent *event(const ScheduleRecord &record);

private:
    void addTimes(icalcomponent *event, const ScheduleRecord &record, const LocalDateTime &start);

    const views::OptionName &m_optionName;
    int64_t m_nowUtcSeconds;
    std::map<uint64_t, int> m_uses;
};

void EventWriter::addTimes(icalcomponent *event, const ScheduleRecord &record,
                           const LocalDateTime &start)
{
    const std::optional<LocalDateTime> end = momentOf(record.end);
    if (record.allDay == 1) {
        CalendarDate last = start.date();
        if (end && !(ical::midnightOf(*end) < ical::midnightOf(start)))
            last = end->date();
        icalcomponent_add_property(event, icalproperty_new_dtstart(dateOf(start.date())));
        icalcomponent_add_property(event, icalproperty_new_dtend(dateOf(views::AddDays(last, 1))));
        return;
    }
    icalcomponent_add_property(event, inJapan(icalproperty_new_dtstart(floatingTime(start))));
    if (end && start < *end)
        icalcomponent_add_property(event, inJapan(icalproperty_new_dtend(floatingTime(*end))));
}

icalcomponent *EventWriter::event(const ScheduleRecord &record)
{
    const std::optional<LocalDateTime> start = momentOf(record.start);
    if (!start)
        return nullptr;
    const uint64_t hash = contentHash(record);
    icalcomponent *event = icalcomponent_new_vevent();
    icalcomponent_add_property(event, icalproperty_new_uid(uidOf(hash, ++m_uses[hash]).c_str()));
    const std::optional<LocalDateTime> modified = momentOf(record.lastModified);
    icalcomponent_add_property(
        event, icalproperty_new_dtstamp(modified ? utcTimeOf(*modified)
                                                 : utcTimeOfSeconds(m_nowUtcSeconds)));
    addTimes(event, record, *start);
    if (const std::optional<icalrecurrencetype> rule = repeatOf(record))
        icalcomponent_add_property(event, icalproperty_new_rrule(*rule));

    const std::string summary = utf8Of(record.summary);
    const std::string description = utf8Of(record.description);
    addText(event, icalproperty_new_summary, summary);
    addText(event, icalproperty_new_description, description);
    addText(event, icalproperty_new_location, utf8Of(record.location));
    const std::optional<std::string> icon
        = m_optionName ? m_optionName(401, record.icon) : std::nullopt;
    if (icon)
        addText(event, icalproperty_new_categories, platform::sjisToUtf8(*icon));
    if (modified)
        icalcomponent_add_property(event, icalproperty_new_lastmodified(utcTimeOf(*modified)));
    addIndex(event, ical::AlarmToneProperty, record.alarmTone);
    addIndex(event, ical::AlarmVolumeProperty, record.alarmVolume);

    if (const std::optional<LocalDateTime> alarm = momentOf(record.alarm)) {
        const LocalDateTime reference = record.allDay == 1 ? ical::midnightOf(*start) : *start;
        const std::string text = !summary.empty()       ? summary
                                 : !description.empty() ? description
                                                        : platform::sjisToUtf8(sjis("アラーム"));
        icalcomponent_add_component(event, alarmOf(*alarm, reference, text));
    }
    return event;
}

} // namespace

std::string exportICalendar(const views::ScheduleStore &store, const views::OptionName &optionName,
                            int64_t nowUtcSeconds)
{
    const ical::ComponentPtr calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(ProductId));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_component(calendar.get(), japanTimeZone());
    EventWriter writer(optionName, nowUtcSeconds);
    for (int index = 0; index < store.RecordCount(); ++index) {
        const ScheduleRecord &record = *store.record(index);
        if (record.header.kind != KIND_SCHEDULE)
            continue;
        if (icalcomponent *event = writer.event(record))
            icalcomponent_add_component(calendar.get(), event);
    }
    const ical::BufferPtr text(icalcomponent_as_ical_string_r(calendar.get()));
    return text ? std::string(text.get()) : std::string();
}

} // namespace exchange
