#pragma once

// The records of each kind fitted to another model (model_conversion.h tells the rules).

#include "common/records.h"
#include "exchange/import_report.h"
#include "exchange/model_tables.h"

#include <vector>

namespace exchange {

std::vector<AddressRecord> convertAddresses(const std::vector<AddressRecord> &records,
                                            const ModelTables &from, const ModelTables &to,
                                            ImportReport &report);
std::vector<ScheduleRecord> convertSchedule(const std::vector<ScheduleRecord> &records,
                                            const ModelTables &from, const ModelTables &to,
                                            ImportReport &report);
std::vector<BookmarkRecord> convertBookmarks(const std::vector<BookmarkRecord> &records,
                                             const ModelTables &from, const ModelTables &to,
                                             ImportReport &report);

} // namespace exchange
