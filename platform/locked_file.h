#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// A file opened for reading and writing and held with an exclusive lock until it is closed, so
// that no second writer can interleave with an update. Opening never waits for the lock: a file
// another holder has locked fails to open.
class LockedFile
{
public:
    enum class OpenMode { Existing, Created };

    LockedFile() = default;
    LockedFile(const LockedFile &) = delete;
    LockedFile &operator=(const LockedFile &) = delete;
    ~LockedFile();

    // Opens path, creating it when it does not exist. False when it can be neither opened nor
    // created, or when another holder has it locked; mode tells which way it was opened.
    bool openOrCreate(const std::string &path, OpenMode &mode);

    // Reads up to size bytes at offset, as many as the file holds there; -1 on a read error.
    long readAt(uint64_t offset, void *buffer, size_t size) const;

    // Writes the block with a single write call; false when it fails or writes short.
    bool writeAt(uint64_t offset, const void *buffer, size_t size) const;

    // Closes the file and deletes it; used to take back a file this update created.
    void closeAndRemove();

    void close();

private:
    int m_fd = -1;
    std::string m_path;
};

} // namespace platform
