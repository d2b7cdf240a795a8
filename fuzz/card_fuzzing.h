#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fuzzing {

// A folder for the card files of one fuzz run, made once. It holds an empty data-management
// file, because the SH505i plug-in reads and writes only beside one.
inline const std::string &cardDirectory()
{
    static const std::string directory = [] {
        char pattern[] = "/tmp/cellvane-fuzz-card-XXXXXX";
        if (!mkdtemp(pattern))
            std::abort();
        std::ofstream(std::string(pattern) + "/PIM_DATA.PIM", std::ios::binary)
            .write("\0\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0", 16);
        return std::string(pattern);
    }();
    return directory;
}

// Stops the run when a loaded text field has no terminator within it.
template<size_t N>
void checkTerminated(const char (&field)[N])
{
    if (strnlen(field, N) >= N)
        std::abort();
}

} // namespace fuzzing
