#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace host {

class PluginHost;

// The current model's limit tables, one per view kind (1 bookmarks, 2 address book, 3 mail,
// 4 schedule), as returned by GetInformTable(kind, 0). A kind the model gives no table for
// holds null. The cache owns the blocks and frees them when refilled or destroyed.
class KindLimitCache
{
public:
    KindLimitCache() = default;
    KindLimitCache(const KindLimitCache &) = delete;
    KindLimitCache &operator=(const KindLimitCache &) = delete;
    ~KindLimitCache();

    // Frees the old tables and asks the current plug-in of host for the four new ones.
    void refill(const PluginHost &host);
    void clear();

    // The raw table of view kind 1 to 4, or null.
    const unsigned char *table(int viewKind) const;

    // The signed word at byte offset of kind's table. Read only from a table whose header says
    // version 0x10000, kind = viewKind and a size that reaches past the word; nothing else.
    std::optional<int32_t> word(int viewKind, int offset) const;

    // Word 24 of the bookmark table, the number of bookmarks the phone takes; 0 without it.
    int32_t bookmarkCapacity() const;
    // Word 24 of the address table, the highest memory number + 1; 0 without it.
    int32_t addressEntryCapacity() const;

private:
    std::array<void *, 4> m_tables{};
};

} // namespace host
