#include "file_time.h"

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::optional<LocalTime> lastWriteLocalTime(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status {};
    const bool statted = ::fstat(fd, &status) == 0;
    ::close(fd);
    if (!statted)
        return std::nullopt;
    std::tm local {};
    const time_t seconds = status.st_mtim.tv_sec;
    if (!::localtime_r(&seconds, &local))
        return std::nullopt;
    return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                     local.tm_hour,        local.tm_min,     local.tm_sec};
}

} // namespace platform
