#pragma once

#include "plugins/core/line_reader.h"
#include "plugins/core/model.h"

namespace plugin {

// Reads the VEVENTs (and, where the model's ScheduleFormat says so, VTODOs) of an open vCalendar
// card file into a DataBlock of ScheduleRecords, the taken entries chained in file order. An
// entry is taken when its calendar said "VERSION:1.0" before it. Sets the last error: 0 with a
// block, else null with -999 (no entry, an unclosed calendar, none taken), -1001 or -9999.
void *loadSchedule(LineReader &reader, const ModelDefinition &model);

} // namespace plugin
