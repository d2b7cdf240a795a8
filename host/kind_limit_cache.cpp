#include "kind_limit_cache.h"

#include "host/plugin_host.h"

#include <cstdlib>
#include <cstring>

namespace host {
namespace {

constexpr uint32_t InformVersion = 0x10000;

uint32_t unsignedAt(const unsigned char *table, int offset)
{
    uint32_t value;
    std::memcpy(&value, table + offset, sizeof value);
    return value;
}

} // namespace

KindLimitCache::~KindLimitCache()
{
    clear();
}

void KindLimitCache::clear()
{
    for (void *&table : m_tables) {
        std::free(table);
        table = nullptr;
    }
}

void KindLimitCache::refill(const PluginHost &host)
{
    clear();
    for (int kind = 1; kind <= 4; ++kind)
        m_tables[static_cast<size_t>(kind - 1)] = host.getInformTable(kind, 0);
}

const unsigned char *KindLimitCache::table(int viewKind) const
{
    if (viewKind < 1 || viewKind > 4)
        return nullptr;
    return static_cast<const unsigned char *>(m_tables[static_cast<size_t>(viewKind - 1)]);
}

std::optional<int32_t> KindLimitCache::word(int viewKind, int offset) const
{
    const unsigned char *block = table(viewKind);
    if (!block || offset < 20)
        return std::nullopt;
    // A table from a broken plug-in must not make the editor read past its block.
    if (unsignedAt(block, 0) != InformVersion || unsignedAt(block, 8) != uint32_t(viewKind)
        || unsignedAt(block, 4) < uint32_t(offset) + 4)
        return std::nullopt;
    int32_t value;
    std::memcpy(&value, block + offset, sizeof value);
    return value;
}

int32_t KindLimitCache::bookmarkCapacity() const
{
    return word(1, 24).value_or(0);
}

int32_t KindLimitCache::addressEntryCapacity() const
{
    return word(2, 24).value_or(0);
}

} // namespace host
