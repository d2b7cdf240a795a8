#pragma once

#include <string>

namespace platform {

// A shared library loaded by path and bound by export name. Loading resolves every symbol at
// once, so a library whose own dependencies are missing fails here and not at its first call.
class DynamicLibrary
{
public:
    DynamicLibrary() = default;
    DynamicLibrary(const DynamicLibrary &) = delete;
    DynamicLibrary &operator=(const DynamicLibrary &) = delete;
    DynamicLibrary(DynamicLibrary &&other) noexcept;
    DynamicLibrary &operator=(DynamicLibrary &&other) noexcept;
    ~DynamicLibrary();

    // Loads the library at path, releasing any library held before. False when it cannot be
    // loaded (missing, not a library, unresolved dependency); the object then holds nothing.
    bool load(const std::string &path);

    // The address of the export name, or null when it is missing or nothing is loaded.
    void *symbol(const char *name) const;

    bool isLoaded() const { return m_handle != nullptr; }

    // Releases the library; the addresses taken from it are invalid afterwards.
    void unload();

private:
    void *m_handle = nullptr;
};

} // namespace platform
