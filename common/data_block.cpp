#include "data_block.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

size_t linkOffset(RecordLinkField field)
{
    return field == RECORD_LINK_PREV ? offsetof(RecordHeader, prev) : offsetof(RecordHeader, next);
}

} // namespace

void *RecordLink(const void *record, RecordLinkField field)
{
    if (!record)
        return nullptr;
    int32_t distance = 0;
    std::memcpy(&distance, static_cast<const char *>(record) + linkOffset(field), sizeof distance);
    if (distance == 0)
        return nullptr;
    // Integer arithmetic: the linked record belongs to the same block, but the compiler cannot
    // know that.
    return reinterpret_cast<void *>(reinterpret_cast<uintptr_t>(record)
                                    + static_cast<uintptr_t>(static_cast<intptr_t>(distance)));
}

int SetRecordLink(void *record, RecordLinkField field, const void *target)
{
    if (!record)
        return 0;
    int32_t distance = 0;
    int fits = 1;
    if (target) {
        const auto wide = static_cast<intptr_t>(reinterpret_cast<uintptr_t>(target)
                                                - reinterpret_cast<uintptr_t>(record));
        if (wide >= std::numeric_limits<int32_t>::min()
            && wide <= std::numeric_limits<int32_t>::max())
            distance = static_cast<int32_t>(wide);
        else
            fits = 0;
    }
    std::memcpy(static_cast<char *>(record) + linkOffset(field), &distance, sizeof distance);
    return fits;
}

void ChainRecords(void *previous, void *record)
{
    if (previous)
        SetRecordLink(previous, RECORD_LINK_NEXT, record);
    if (record)
        SetRecordLink(record, RECORD_LINK_PREV, previous);
}

size_t ChainLength(const void *first)
{
    // Two walkers, one twice as fast: they meet only when the chain runs in a circle.
    size_t length = 0;
    const void *slow = first;
    const void *fast = first;
    while (fast) {
        fast = RecordLink(fast, RECORD_LINK_NEXT);
        ++length;
        if (!fast)
            break;
        fast = RecordLink(fast, RECORD_LINK_NEXT);
        ++length;
        slow = RecordLink(slow, RECORD_LINK_NEXT);
        if (fast && fast == slow)
            return SIZE_MAX;
    }
    return length;
}

uint32_t RecordKind(const void *record)
{
    if (!record)
        return 0;
    uint32_t kind = 0;
    std::memcpy(&kind, static_cast<const char *>(record) + offsetof(RecordHeader, kind),
                sizeof kind);
    return kind;
}

void *AllocateDataBlock(size_t count, size_t recordSize)
{
    // Checked here rather than left to calloc: sanitizer runtimes abort on an overflowing request.
    if (count == 0 || recordSize == 0 || count > std::numeric_limits<size_t>::max() / recordSize)
        return nullptr;
    return std::calloc(count, recordSize);
}
