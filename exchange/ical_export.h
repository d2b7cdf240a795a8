#pragma once

// The schedule as an iCalendar 2.0 file (RFC 5545), for today's calendar programs.

#include "views/common/choice_lists.h"

#include <cstdint>
#include <string>

namespace views {
class ScheduleStore;
}

namespace exchange {

// The whole calendar, UTF-8 with CR LF lines, the caller's string: VERSION 2.0, PRODID
// "-//Cellvane//Cellvane//JA", a VTIMEZONE Asia/Tokyo (+0900, no daylight saving) and one
// VEVENT per present entry of store (entries marked deleted left out) in store order.
//
// An entry whose start is no valid date is left out: a VEVENT needs one. Each VEVENT holds
// - UID "cellvane-<16 hex digits>@cellvane.invalid": a 64-bit FNV-1a hash of the fields
//   ScheduleStore::Identical compares, so the same entry gets the same UID in every export and
//   an edited one a new UID; the second, third ... entry of identical content in one export
//   gets "-2", "-3" ... before the '@';
// - DTSTAMP: the entry's last-modified time when it is a valid date, else nowUtcSeconds (UTC);
//   LAST-MODIFIED too when the entry has one;
// - DTSTART and DTEND in Japan time with TZID=Asia/Tokyo; DTEND only when the end is a valid
//   date after the start. An all-day entry (allDay 1) gives VALUE=DATE days: DTSTART the
//   start's day, DTEND the day after the end's day (after the start's day when the end is no
//   date or lies before it);
// - RRULE for repeat rules 1 to 4: FREQ DAILY, WEEKLY, MONTHLY or YEARLY, COUNT the repeat
//   count when 1 to 99 (0 repeats without end, as the editor's "無期限"; other counts read as
//   0 too), BYDAY the weekday bits 0 (Sunday) to 6 of a weekly rule when any is set;
// - SUMMARY, DESCRIPTION, LOCATION from the Shift_JIS fields when not empty (CR LF and CR
//   become LF);
// - CATEGORIES the name optionName gives the icon in list 401, when it gives one;
// - X-CELLVANE-ALARM-TONE and X-CELLVANE-ALARM-VOLUME, the alarm tone and volume indexes,
//   when not 0;
// - a VALARM (ACTION DISPLAY, DESCRIPTION the summary, else the description, else "アラーム")
//   when the alarm is a valid date: TRIGGER relative to DTSTART (-PT10M) when the alarm lies at
//   or before the start, an absolute UTC TRIGGER when after it.
std::string exportICalendar(const views::ScheduleStore &store, const views::OptionName &optionName,
                            int64_t nowUtcSeconds);

} // namespace exchange
