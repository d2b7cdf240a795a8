#pragma once

#include <cstdint>
#include <span>

namespace plugin {

// The record fields a quoted-printable schedule line carries.
enum class ScheduleText { Description, Summary, Location };

// The lines of a written VEVENT, in order. Each step names the record field it writes.
enum class EventLine {
    Text,          // format as it stands
    Start,         // %s with the start text
    End,           // %s with the end text
    QuotedPrinted, // format is the property name, the field follows quoted-printable;
                   // emptyFormat for an empty field (null: no line)
    Category,      // %s, the category word of the icon
    IconNumber,    // %d, the icon (outside the list: 0)
    IconCode,      // %d, the phone's code of the icon
    Alarm,         // %s with the alarm text; emptyFormat for no alarm
    AlarmAtStart,  // %s with the start text when an alarm is set; emptyFormat otherwise
    Repeat,        // "RRULE:<word> [days]#<count>"; "RRULE:" for a rule the model lacks
    LastModified,  // %s with the last-modified text
    AlarmVolume,   // %d (outside the list: 0); emptyFormat, when set, for no alarm
    AlarmTone,     // as AlarmVolume
    AllDay,        // format for an all-day entry, emptyFormat otherwise
};

struct EventLineStep
{
    EventLine line;
    const char *format;
    const char *emptyFormat = nullptr;
    ScheduleText text = ScheduleText::Description; // QuotedPrinted only
};

// A model's vCalendar format: what its schedule loader reads and its writer writes beyond the
// lines every model shares.
struct ScheduleFormat
{
    // Both ways.
    bool readsTodos = false;                         // VTODO objects are counted and read
    std::span<const char *const> categoryWords = {}; // CATEGORIES word by icon; empty: none
    const char *yearlyWord = nullptr;                // RRULE word of the yearly rule; null: none
    bool weekdays = false;                           // weekday words in a weekly RRULE
    bool repeatCount = false;                        // the count after '#' (false: written as 0)
    const char *iconProperty = nullptr;              // "X-ICON:": icon number or code
    std::span<const int32_t> iconCodes = {};         // icon code by icon; empty: the number is it
    int32_t iconCount = 0;                           // icons 0 .. iconCount - 1 (option list 401)
    const char *alarmVolumeProperty = nullptr;       // "X-VOL:"
    const char *alarmToneProperty = nullptr;         // "X-FUJITSU-SCH_ALMKND:"
    int32_t alarmChoices = 8;                        // volumes and tones 0 .. alarmChoices - 1
    // Loading only.
    bool readsEventSummary = false;       // SUMMARY in events too (to-dos always)
    bool readsLastModified = false;       // "LAST-MODIFIED:"
    bool readsLocation = false;           // "LOCATION"
    const char *allDayProperty = nullptr; // "X-SEMC-ALLDAY:": all-day when the value holds "ON"
    // Writing only.
    bool skipsEmptyStart = false;              // records without a start are not written
    std::span<const EventLineStep> lines = {}; // between "BEGIN:VEVENT" and "END:VEVENT"
};

} // namespace plugin
