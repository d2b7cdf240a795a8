#pragma once

#include "plugins/core/model.h"

#include <string>

namespace plugin {

// Writes the schedule records along the chain from first as one vCalendar with a VEVENT per
// record, the model's ScheduleFormat giving the lines, into out (lines ending in LF). The
// calendar frame is written even when no entry is; then false with the last error -999.
bool writeSchedule(const void *first, const ModelDefinition &model, std::string &out);

} // namespace plugin
