#include "pc_file_io.h"

#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app {
namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return m_fd; }
    // Closes now, reporting the errno of a failed close (0 on success).
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

int writeAll(int fd, std::span<const unsigned char> bytes, const WriteBytes &write)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write ? write(fd, bytes.data() + done, bytes.size() - done)
                                      : ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        done += static_cast<size_t>(written);
    }
    return 0;
}

// The permission bits the new file takes: those of the file it replaces, else the usual
// ones under the process's umask.
mode_t modeFor(const std::string &path)
{
    struct stat existing;
    if (::stat(path.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

PcFileBytes readPcFile(const std::string &path)
{
    PcFileBytes file;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status;
    if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0) {
        file.systemError = errno;
        return file;
    }
    if (!S_ISREG(status.st_mode)) {
        file.systemError = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        return file;
    }
    if (static_cast<uint64_t>(status.st_size) > MaxPcFileSize) {
        file.result = PcFileBytes::TooLarge;
        return file;
    }
    try {
        file.bytes.resize(static_cast<size_t>(status.st_size));
    } catch (const std::exception &) { // bad_alloc, or a size beyond what a vector holds
        file.result = PcFileBytes::NoMemory;
        return file;
    }
    // The file may change size while it is read: take what is there up to the size it had.
    size_t done = 0;
    while (done < file.bytes.size()) {
        const ssize_t got = ::read(fd.get(), file.bytes.data() + done, file.bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            file.systemError = errno;
            file.bytes.clear();
            return file;
        }
        if (got == 0)
            break;
        done += static_cast<size_t>(got);
    }
    file.bytes.resize(done);
    file.result = PcFileBytes::Read;
    return file;
}

int replaceFile(const std::string &path, std::span<const unsigned char> bytes,
                const WriteBytes &write)
{
    std::string temporary = path + ".XXXXXX";
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0)
        return errno;
    int error = 0;
    if (::fchmod(fd.get(), modeFor(path)) != 0)
        error = errno;
    if (!error)
        error = writeAll(fd.get(), bytes, write);
    if (!error && ::fsync(fd.get()) != 0)
        error = errno;
    const int closeError = fd.close();
    if (!error)
        error = closeError;
    if (!error && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error)
        ::unlink(temporary.c_str());
    return error;
}

} // namespace app
