#pragma once

#include "plugins/core/line_reader.h"
#include "plugins/core/model.h"

namespace plugin {

// Reads the vCards of an open address-book card file into a DataBlock of AddressRecords (the
// taken cards chained in file order), following the model's AddressFormat. Sets the last error:
// 0 with a block, else null with -999 (too few cards, none taken), -1001 (position) or -9999.
void *loadAddressBook(LineReader &reader, const ModelDefinition &model);

} // namespace plugin
