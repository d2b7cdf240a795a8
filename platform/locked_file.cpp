#include "locked_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {
namespace {

int openExisting(const std::string &path)
{
    return ::open(path.c_str(), O_RDWR | O_CLOEXEC);
}

int createNew(const std::string &path)
{
    return ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
}

} // namespace

LockedFile::~LockedFile()
{
    close();
}

bool LockedFile::openOrCreate(const std::string &path, OpenMode &mode)
{
    close();
    int fd = openExisting(path);
    mode = OpenMode::Existing;
    if (fd < 0 && errno == ENOENT) {
        fd = createNew(path);
        mode = OpenMode::Created;
    }
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_path = path;
    return true;
}

long LockedFile::readAt(uint64_t offset, void *buffer, size_t size) const
{
    size_t total = 0;
    auto *bytes = static_cast<char *>(buffer);
    while (total < size) {
        const ssize_t got = ::pread(m_fd, bytes + total, size - total,
                                    static_cast<off_t>(offset + total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        total += static_cast<size_t>(got);
    }
    return static_cast<long>(total);
}

bool LockedFile::writeAt(uint64_t offset, const void *buffer, size_t size) const
{
    ssize_t written;
    do {
        written = ::pwrite(m_fd, buffer, size, static_cast<off_t>(offset));
    } while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(size);
}

void LockedFile::closeAndRemove()
{
    if (m_fd < 0)
        return;
    const std::string path = m_path;
    close();
    ::unlink(path.c_str());
}

void LockedFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

} // namespace platform
