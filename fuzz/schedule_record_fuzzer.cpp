// A schedule record as a card load hands it over: any bytes in the date-time texts and fields.
// The store takes it, shows its cells and its day, and the editor opens and applies it; the
// texts it writes must read back as dates.
#include "views/schedule/schedule_edit_rules.h"
#include "views/schedule/schedule_store.h"

#include "common/data_kind.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ScheduleRecord record{};
    std::memcpy(&record, data, std::min(size, sizeof record));
    record.header = {RECORD_VERSION_SCHEDULE, sizeof record, KIND_SCHEDULE, 0, 0};
    // The same bytes also as one bare text, as the parser sees a field.
    views::DisplayScheduleTime(std::string_view(reinterpret_cast<const char *>(data), size));

    views::ScheduleStore store;
    if (store.AddRecords(&record, true, false, true) != 1)
        std::abort();
    store.Rebuild();
    store.DayOfRow(0);
    if (store.SelectDay({2003, 1, 1}) > 1)
        std::abort();

    ScheduleRecord copy;
    store.GetRecord(0, copy, {2003, 1, 1});
    ScheduleLimits limits{};
    limits.startTimeOption = 1;
    limits.endTimeOption = 1;
    limits.alarmOption = 1;
    limits.alarmTimeOption = 1;
    limits.alarmLeadTimeOption = 1;
    limits.largestAlarmLead = 99;
    limits.highestRepeatRule = 4;
    limits.firstYear = 2000;
    limits.lastYear = 2099;
    const views::ScheduleEditFeatures features = views::scheduleEditFeatures(limits);
    views::ScheduleEditForm form = views::openScheduleForm(copy, features, {2003, 6, 1, 12, 0, 0});
    if (views::applyScheduleForm(form, features, 1054436400, copy)) {
        for (const char *text : {copy.start, copy.end, copy.lastModified}) {
            if (!views::ParseScheduleTime(text))
                std::abort();
        }
        if (store.ReplaceRecord(0, copy) != 0)
            std::abort();
    }
    return 0;
}
