#pragma once

#include "common/inform_blocks.h"
#include "common/owned_block.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace testing_support {

// A model plug-in opened with dlopen and bound by export name, as the editor does.
class PluginLibrary
{
public:
    explicit PluginLibrary(const std::string &path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary &) = delete;
    PluginLibrary &operator=(const PluginLibrary &) = delete;

    bool isLoaded() const { return m_handle != nullptr; }
    const std::string &loadError() const { return m_error; }

    char *(*getSupportModelName)() = nullptr;
    uint32_t (*getPluginCode)() = nullptr;
    void *(*getInformTable)(int32_t, int32_t) = nullptr;
    void *(*loadData)(int32_t, const char *) = nullptr;
    int32_t (*saveData)(int32_t, const char *, const void *) = nullptr;
    int32_t (*getPluginLastError)() = nullptr;

private:
    void *m_handle = nullptr;
    std::string m_error;
};

// A block returned by a plug-in, freed with free.
template<typename T>
using Block = OwnedBlock<T>;

template<typename T>
Block<T> takeBlock(void *block)
{
    return Block<T>(static_cast<T *>(block));
}

// The path of the built plug-in of model ("sh505i" ...).
std::string pluginPath(const std::string &model);

// The file's bytes; empty when it cannot be read.
std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &bytes);

// UTF-8 text as Shift_JIS (CP932) bytes.
std::string sjis(const std::string &utf8);

} // namespace testing_support
