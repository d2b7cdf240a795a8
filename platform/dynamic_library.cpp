#include "dynamic_library.h"

#include <utility>

#include <dlfcn.h>

namespace platform {

DynamicLibrary::DynamicLibrary(DynamicLibrary &&other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr))
{
}

DynamicLibrary &DynamicLibrary::operator=(DynamicLibrary &&other) noexcept
{
    if (this != &other) {
        unload();
        m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
}

DynamicLibrary::~DynamicLibrary()
{
    unload();
}

bool DynamicLibrary::load(const std::string &path)
{
    unload();
    // A bare name would make dlopen search the library path; the host always means a file.
    if (path.find('/') == std::string::npos)
        return false;
    m_handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    return m_handle != nullptr;
}

void *DynamicLibrary::symbol(const char *name) const
{
    if (!m_handle || !name)
        return nullptr;
    return ::dlsym(m_handle, name);
}

void DynamicLibrary::unload()
{
    if (m_handle)
        ::dlclose(m_handle);
    m_handle = nullptr;
}

} // namespace platform
