// An iCalendar file from anywhere, as the schedule's import reads it on a model that offers
// every field. What it gives must be records the store takes, and the export of those records
// must read back to the same records.
#include "exchange/ical_export.h"
#include "exchange/ical_import.h"
#include "views/schedule/schedule_store.h"

#include "common/data_kind.h"

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

ScheduleLimits everyField()
{
    ScheduleLimits limits{};
    limits.startTimeOption = 1;
    limits.endTimeOption = 1;
    limits.summaryLength = 64;
    limits.descriptionLength = 256;
    limits.locationLength = 64;
    limits.highestRepeatRule = 4;
    limits.weekdayChoice = 1;
    limits.repeatCountChoice = 1;
    limits.alarmOption = 1;
    limits.allDayChoice = 1;
    limits.alarmToneChoice = 1;
    limits.alarmVolumeChoice = 1;
    limits.alarmTimeOption = 1;
    limits.alarmLeadTimeOption = 1;
    limits.largestAlarmLead = 99;
    limits.firstYear = 2000;
    limits.lastYear = 2099;
    return limits;
}

std::optional<std::string> optionName(int list, int index)
{
    if (index < 0 || index >= 4)
        return std::nullopt;
    const char *const icons[] = {"none", "work", "trip", "home"};
    return list == 401 ? std::string(icons[index]) : std::to_string(list * 10 + index);
}

bool sameFields(const ScheduleRecord &a, const ScheduleRecord &b)
{
    return std::memcmp(reinterpret_cast<const char *>(&a) + sizeof(RecordHeader),
                       reinterpret_cast<const char *>(&b) + sizeof(RecordHeader),
                       sizeof a - sizeof(RecordHeader))
           == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ScheduleLimits limits = everyField();
    const exchange::ScheduleImport imported = exchange::importICalendar(
        std::string_view(reinterpret_cast<const char *>(data), size), limits, optionName);
    if (imported.error != exchange::IcalImportError::None && !imported.records.empty())
        std::abort();
    for (const exchange::ImportReportEntry &entry : imported.report.entries)
        if (entry.label.empty() || entry.notes.empty())
            std::abort();
    if (imported.records.empty())
        return 0;

    views::ScheduleStore store;
    if (store.AddRecords(imported.records.data(), true, true, true)
        != static_cast<int>(imported.records.size()))
        std::abort();
    for (const ScheduleRecord &record : imported.records) {
        if (!views::ParseScheduleTime(record.start) || !views::ParseScheduleTime(record.end)
            || std::strlen(record.summary) > 64 || std::strlen(record.location) > 64)
            std::abort();
    }

    const exchange::ScheduleImport again = exchange::importICalendar(
        exchange::exportICalendar(store, optionName, 0), limits, optionName);
    if (again.error != exchange::IcalImportError::None
        || again.records.size() != imported.records.size())
        std::abort();
    for (size_t i = 0; i < again.records.size(); ++i)
        if (!sameFields(again.records[i], imported.records[i]))
            std::abort();
    return 0;
}
