#pragma once

#include <string>

namespace platform {

// A per-user lock that one running copy of the program holds for its whole life. It is an
// advisory lock on a file in the user's runtime directory, so it is released by the system
// when the process ends, however it ends.
class SingleInstanceLock
{
public:
    SingleInstanceLock() = default;
    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;
    ~SingleInstanceLock();

    // Takes the lock called name in directory (the user's runtime directory when empty). False
    // when another holder has it or the lock file cannot be opened; never waits.
    bool acquire(const std::string &name, const std::string &directory = {});

    bool isHeld() const { return m_fd >= 0; }

    // The directory used when acquire() is given none: $XDG_RUNTIME_DIR, else the system's
    // temporary directory.
    static std::string defaultDirectory();

private:
    int m_fd = -1;
};

} // namespace platform
