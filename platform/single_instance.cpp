#include "single_instance.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

SingleInstanceLock::~SingleInstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::string SingleInstanceLock::defaultDirectory()
{
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime)
        return runtime;
    const char *temp = std::getenv("TMPDIR");
    return temp && *temp ? temp : "/tmp";
}

bool SingleInstanceLock::acquire(const std::string &name, const std::string &directory)
{
    if (m_fd >= 0)
        return true;
    const std::string folder = directory.empty() ? defaultDirectory() : directory;
    // The user id keeps two users of a shared temporary directory apart.
    const std::string path
        = folder + "/" + name + "." + std::to_string(static_cast<unsigned long>(::getuid()));
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

} // namespace platform
