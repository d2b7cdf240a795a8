#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <sys/types.h>
#include <vector>

namespace app {

// A PC data file read whole. systemError is the errno of a failed open or read.
struct PcFileBytes
{
    // TooLarge: longer than any PC data file can be (its sizes are 32-bit words), not read.
    enum Result { Read, OpenFailed, NoMemory, TooLarge };
    Result result = OpenFailed;
    std::vector<unsigned char> bytes;
    int systemError = 0;
};

// Reads the file at path whole; a file too large to hold in memory gives NoMemory, one larger
// than MaxPcFileSize TooLarge.
inline constexpr uint64_t MaxPcFileSize = 0xFFFFFFFFu;
PcFileBytes readPcFile(const std::string &path);

// The write(2) that replaceFile uses; tests give one that fails after some bytes.
using WriteBytes = std::function<ssize_t(int fd, const void *data, size_t size)>;

// Writes bytes to a new temporary file beside path, flushes it to the disk and only then puts
// it in place of path, so that a failed save never destroys the previous file: on failure
// path is as it was and the temporary file is gone. Returns 0, or the errno of the failure.
int replaceFile(const std::string &path, std::span<const unsigned char> bytes,
                const WriteBytes &write = {});

} // namespace app
