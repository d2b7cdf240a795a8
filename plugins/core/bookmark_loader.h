#pragma once

#include "plugins/core/line_reader.h"
#include "plugins/core/model.h"

namespace plugin {

// Reads the vBookmarks of an open bookmark card file (.VBM or Internet-shortcut .URL) into a
// DataBlock of BookmarkRecords, the taken bookmarks chained in file order. A bookmark is taken
// when it says "VERSION:1.0"; lines of its ENV part are not read. Sets the last error: 0 with a
// block, else null with -999 (none counted or taken), -1001 or -9999.
void *loadBookmarks(LineReader &reader, const ModelDefinition &model);

} // namespace plugin
