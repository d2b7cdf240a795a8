#pragma once

#include "plugins/core/line_reader.h"
#include "plugins/core/model.h"

namespace plugin {

// Reads the vMessages of an open mail card file into a DataBlock of MailRecords laid end to end
// (each 800 bytes plus its body, at any byte offset), the taken messages chained in file order.
// A complete message (its body ended, then "END:VMSG") is taken when it says "VERSION:1.1";
// messages that are skipped leave nothing in the block. Sets the last error: 0 with a block,
// else null with -999 (no complete message, none taken), -1001 (the file ended before the
// complete messages the counting pass found were read again, or the position was lost) or
// -9999 (memory, or a message that does not fit the block counted for it).
void *loadMail(LineReader &reader, const ModelDefinition &model);

} // namespace plugin
