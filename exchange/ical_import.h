#pragma once

// iCalendar 2.0 files (RFC 5545) of today's calendar programs as schedule entries of the
// current model.

#include "common/inform_blocks.h"
#include "common/records.h"
#include "exchange/import_report.h"
#include "views/common/choice_lists.h"

#include <string_view>
#include <vector>

namespace exchange {

enum class IcalImportError {
    None,
    // Nothing libical reads as a VCALENDAR object: no such object, an empty file, NUL bytes
    // (a UTF-16 file, say).
    NotCalendar,
    // A VCALENDAR of a version other than 2.0; vCalendar 1.0 is the phones' own format and goes
    // through the model plug-ins.
    UnsupportedVersion,
};

struct ScheduleImport
{
    IcalImportError error = IcalImportError::None;
    // Header version 0x10003, size 664, kind 1003, chained through next in file order (the
    // links are byte distances, so a copy of the vector is a chain too): ready for
    // ScheduleStore::AddRecords(records.data(), ..., true, ...). Empty on an error.
    std::vector<ScheduleRecord> records;
    // Every change an entry went through, labelled "VEVENT <n>: <first line of its summary or
    // description, up to 40 characters and "...">" (n from 1 in file order); the file's own notes
    // under "VCALENDAR", skipped components once per kind under their name ("VTODO").
    ImportReport report;
};

// Reads bytes (UTF-8, a leading byte-order mark allowed) with libical; never fails on damaged
// input beyond the errors above: what libical cannot read is reported and left out.
//
// limits are the current model's (views::readScheduleLimits); optionName gives the names of
// its icons (list 401), alarm volumes (402) and tones (403). For each VEVENT, up to
// ScheduleStore::Capacity entries:
// - DTSTART (needed) and DTEND or DURATION give start and end as UTC text "YYYYMMDDTHHMMSSZ".
//   Times in UTC, with TZID Asia/Tokyo (also "Japan", "Tokyo Standard Time"), UTC, a zone the
//   file's VTIMEZONE or the system's zone database describes, or floating (taken as Japan time)
//   convert exactly; another TZID is taken as Japan time. VALUE=DATE days become an all-day
//   entry, 00:00 of the first day to 23:59 of the last (the day before DTEND). An entry whose
//   start lies outside the model's years is left out.
// - The first RRULE: FREQ DAILY, WEEKLY, MONTHLY, YEARLY up to the model's highest rule,
//   INTERVAL 1, COUNT (or UNTIL, counted; at most 99) as the repeat count (none: without end),
//   BYDAY of a weekly rule as the weekday bits where the model has weekdays, a BYDAY, BYMONTHDAY or
//   BYMONTH that only repeats the start's own day; any other rule is dropped.
// - The first VALARM's TRIGGER (absolute, or relative to the start or the end) as the alarm,
//   fitted to the model's alarm kinds and longest lead.
// - SUMMARY, DESCRIPTION, LOCATION to Shift_JIS ('?' for what code page 932 lacks), line
//   breaks as LF and other control characters but TAB left out, cut on a character boundary
//   to the model's length and the field; without a summary field the summary leads the
//   description.
// - The first CATEGORIES value that equals an icon name picks the icon, else icon 0.
// - LAST-MODIFIED, X-CELLVANE-ALARM-TONE, X-CELLVANE-ALARM-VOLUME as written by the export.
ScheduleImport importICalendar(std::string_view bytes, const ScheduleLimits &limits,
                               const views::OptionName &optionName);

} // namespace exchange
