#pragma once

#include "host/plugin_exports.h"
#include "platform/dynamic_library.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace host {

// One bound plug-in: its library and the six exports. A slot is free while no library is held.
struct PluginEntry
{
    platform::DynamicLibrary library;
    GetSupportModelNameFn getSupportModelName = nullptr;
    GetPluginCodeFn getPluginCode = nullptr;
    GetInformTableFn getInformTable = nullptr;
    LoadDataFn loadData = nullptr;
    SaveDataFn saveData = nullptr;
    GetPluginLastErrorFn getPluginLastError = nullptr;

    void clear();
};

// Finds the model plug-ins, binds their exports and forwards calls to the current one. Bound
// plug-ins occupy slots 0 to count-1 in the order they were loaded; the slot index is the
// plug-in index used everywhere in the program. The libraries are released with the host.
class PluginHost
{
public:
    static constexpr int SlotCount = 32;

    PluginHost() = default;
    PluginHost(const PluginHost &) = delete;
    PluginHost &operator=(const PluginHost &) = delete;
    ~PluginHost();

    // Loads every "*.pmd" file of folder (ending with '/') in the order the file system lists
    // them, keeping those that export all six functions, up to SlotCount. Files that are no
    // loadable library or lack an export are skipped silently. Does nothing once plug-ins are
    // bound. Returns the number bound.
    int discover(const std::string &folder);

    int count() const { return m_count; }
    int currentIndex() const { return m_current; }

    // Makes plug-in index current; false, with nothing changed, unless 0 <= index < count.
    bool select(int index);

    // Makes the plug-in whose model name equals name (same bytes, same length) current. When
    // none matches, the current plug-in stays as it was and the result is false.
    bool selectByModelName(const std::string &name);

    // Forwarders to the current plug-in. With no current plug-in (or a missing export) they
    // return null, 0 and -1 as the neutral values; LoadData with a null path returns null and
    // SaveData with a null path or block returns 0.
    char *getSupportModelName() const;
    uint32_t getPluginCode() const;
    void *getInformTable(int type, int index) const;
    void *loadData(int kind, const char *path) const;
    int saveData(int kind, const char *path, void *block) const;
    int getPluginLastError() const;

    // The current plug-in's model name, the block freed; nothing when it cannot be had.
    std::optional<std::string> currentModelName() const;

    // The index of the plug-in whose code is code, or -1; the current plug-in is not changed.
    int indexOfPluginCode(uint32_t code) const;

    // The model name of plug-in index; nothing when the index is out of range or it has none.
    std::optional<std::string> modelNameAt(int index) const;

    // Releases every library.
    void unloadAll();

private:
    const PluginEntry *current() const;
    bool bindSlot(PluginEntry &slot, const std::string &path);

    int m_count = 0;
    int m_current = -1;
    std::array<PluginEntry, SlotCount> m_slots;
};

} // namespace host
