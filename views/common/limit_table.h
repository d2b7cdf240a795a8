#pragma once

#include "common/records.h"
#include "host/kind_limit_cache.h"

#include <cstring>

namespace views {

// The current model's limit table of viewKind as its layout Table (AddressLimits,
// ScheduleLimits ...), word by word from the cache. A word the table does not hold reads 0.
template<typename Table>
Table readLimitTable(const host::KindLimitCache &cache, int viewKind)
{
    Table table{};
    for (size_t offset = sizeof(RecordHeader); offset + sizeof(int32_t) <= sizeof table;
         offset += sizeof(int32_t)) {
        if (const std::optional<int32_t> word = cache.word(viewKind, int(offset)))
            std::memcpy(reinterpret_cast<unsigned char *>(&table) + offset, &*word,
                        sizeof(int32_t));
    }
    return table;
}

} // namespace views
