#include "plugin_host.h"

#include "common/compare_length_first.h"
#include "platform/directory_walk.h"

#include <cstdlib>

namespace host {
namespace {

template<typename Function>
bool resolve(const platform::DynamicLibrary &library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(library.symbol(name));
    return function != nullptr;
}

// Takes ownership of a calloc'd name block and returns its text.
std::optional<std::string> takeName(char *block)
{
    if (!block)
        return std::nullopt;
    std::string name = block;
    std::free(block);
    return name;
}

} // namespace

void PluginEntry::clear()
{
    library.unload();
    getSupportModelName = nullptr;
    getPluginCode = nullptr;
    getInformTable = nullptr;
    loadData = nullptr;
    saveData = nullptr;
    getPluginLastError = nullptr;
}

PluginHost::~PluginHost()
{
    unloadAll();
}

int PluginHost::discover(const std::string &folder)
{
    if (m_count > 0)
        return m_count;
    for (const std::string &name : platform::filesWithSuffix(folder, ".pmd")) {
        PluginEntry *free = nullptr;
        for (PluginEntry &slot : m_slots) {
            if (!slot.library.isLoaded()) {
                free = &slot;
                break;
            }
        }
        if (!free)
            break;
        if (bindSlot(*free, folder + name))
            ++m_count;
    }
    return m_count;
}

bool PluginHost::bindSlot(PluginEntry &slot, const std::string &path)
{
    if (!slot.library.load(path))
        return false;
    const platform::DynamicLibrary &library = slot.library;
    const bool complete = resolve(library, "GetSupportModelName", slot.getSupportModelName)
                          && resolve(library, "GetPluginCode", slot.getPluginCode)
                          && resolve(library, "GetInformTable", slot.getInformTable)
                          && resolve(library, "LoadData", slot.loadData)
                          && resolve(library, "SaveData", slot.saveData)
                          && resolve(library, "GetPluginLastError", slot.getPluginLastError);
    if (!complete)
        slot.clear();
    return complete;
}

bool PluginHost::select(int index)
{
    if (index < 0 || index >= m_count)
        return false;
    m_current = index;
    return true;
}

bool PluginHost::selectByModelName(const std::string &name)
{
    const int remembered = m_current;
    for (int i = 0; i < m_count; ++i) {
        select(i);
        const std::optional<std::string> model = currentModelName();
        if (model && CompareLengthFirst(model->c_str(), name.c_str()) == 0)
            return true;
    }
    // Put back exactly what was current before, even "none".
    m_current = remembered;
    return false;
}

const PluginEntry *PluginHost::current() const
{
    if (m_current < 0 || m_current >= m_count)
        return nullptr;
    const PluginEntry &slot = m_slots[static_cast<size_t>(m_current)];
    return slot.library.isLoaded() ? &slot : nullptr;
}

char *PluginHost::getSupportModelName() const
{
    const PluginEntry *slot = current();
    return slot && slot->getSupportModelName ? slot->getSupportModelName() : nullptr;
}

uint32_t PluginHost::getPluginCode() const
{
    const PluginEntry *slot = current();
    return slot && slot->getPluginCode ? slot->getPluginCode() : 0;
}

void *PluginHost::getInformTable(int type, int index) const
{
    const PluginEntry *slot = current();
    return slot && slot->getInformTable ? slot->getInformTable(type, index) : nullptr;
}

void *PluginHost::loadData(int kind, const char *path) const
{
    const PluginEntry *slot = current();
    if (!slot || !slot->loadData || !path)
        return nullptr;
    return slot->loadData(kind, path);
}

int PluginHost::saveData(int kind, const char *path, void *block) const
{
    const PluginEntry *slot = current();
    if (!slot || !slot->saveData || !path || !block)
        return 0;
    return slot->saveData(kind, path, block);
}

int PluginHost::getPluginLastError() const
{
    const PluginEntry *slot = current();
    return slot && slot->getPluginLastError ? slot->getPluginLastError() : -1;
}

std::optional<std::string> PluginHost::currentModelName() const
{
    return takeName(getSupportModelName());
}

std::optional<std::string> PluginHost::modelNameAt(int index) const
{
    if (index < 0 || index >= m_count)
        return std::nullopt;
    const PluginEntry &slot = m_slots[static_cast<size_t>(index)];
    return slot.getSupportModelName ? takeName(slot.getSupportModelName()) : std::nullopt;
}

int PluginHost::indexOfPluginCode(uint32_t code) const
{
    for (int i = 0; i < m_count; ++i) {
        const PluginEntry &slot = m_slots[static_cast<size_t>(i)];
        if (slot.getPluginCode && slot.getPluginCode() == code)
            return i;
    }
    return -1;
}

void PluginHost::unloadAll()
{
    for (PluginEntry &slot : m_slots)
        slot.clear();
    m_count = 0;
    m_current = -1;
}

} // namespace host
