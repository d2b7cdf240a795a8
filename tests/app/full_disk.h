#pragma once

#include "app/pc_file_io.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

// A disk that takes limit bytes and then is full: the write(2) the file replacement uses.
inline app::WriteBytes failingAfter(size_t limit)
{
    return [limit, written = size_t{0}](int fd, const void *data, size_t size) mutable -> ssize_t {
        if (written >= limit) {
            errno = ENOSPC;
            return -1;
        }
        const ssize_t result = ::write(fd, data, std::min(size, limit - written));
        if (result > 0)
            written += static_cast<size_t>(result);
        return result;
    };
}
