#pragma once

#include "common/data_block.h"
#include "plugins/core/last_error.h"
#include "plugins/core/line_reader.h"
#include "plugins/core/plugin_interface.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace plugin {

// The complete objects of a file: a begin line followed later by its end line.
inline size_t countCompleteObjects(LineReader &reader, std::string_view begin, std::string_view end)
{
    size_t count = 0;
    bool open = false;
    std::string line;
    while (reader.readLine(line)) {
        if (line == begin)
            open = true;
        else if (open && line == end) {
            open = false;
            ++count;
        }
    }
    return count;
}

// The two passes of a loader of fixed-size records over one open file: count(reader) counts the
// complete objects, parse(reader, records, count) fills at most count records and returns how
// many it took. Sets the last error: 0 with a block, else null with -999 (nothing counted or
// taken), -1001 (file position) or -9999 (memory); -32768 between the passes.
template<typename Record, typename Count, typename Parse>
void *loadFixedRecords(LineReader &reader, Count count, Parse parse)
{
    if (!reader.savePosition()) {
        setLastError(PLUGIN_FILE_POSITION);
        return nullptr;
    }
    const size_t counted = count(reader);
    if (counted == 0) {
        setLastError(PLUGIN_NO_ENTRY);
        return nullptr;
    }
    setLastError(PLUGIN_LOAD_IN_PROGRESS);
    auto *block = static_cast<Record *>(AllocateDataBlock(counted, sizeof(Record)));
    if (!block) {
        setLastError(PLUGIN_NO_MEMORY);
        return nullptr;
    }
    if (!reader.restorePosition()) {
        std::free(block);
        setLastError(PLUGIN_FILE_POSITION);
        return nullptr;
    }
    if (parse(reader, block, counted) == 0) {
        std::free(block);
        setLastError(PLUGIN_NO_ENTRY);
        return nullptr;
    }
    setLastError(PLUGIN_OK);
    return block;
}

} // namespace plugin
