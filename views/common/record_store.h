#pragma once

#include "common/records.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace views {

// The records of one kind of data, end to end in one contiguous block, found by index. Every
// record begins with the 20-byte record header (version, size, kind, prev, next); the store
// takes only records whose header names its kind and whose size is at least the header's and
// at most the bytes given. An entry marked for removal keeps its place (its kind reads 0) until
// compact() drops it.
class RecordStore
{
public:
    static constexpr size_t HeaderSize = sizeof(RecordHeader);

    explicit RecordStore(uint32_t kind);

    uint32_t kind() const { return m_kind; }
    int count() const { return static_cast<int>(m_offsets.size()); }

    // Appends a copy of record (size bytes available); false when the header does not fit.
    bool append(const void *record, size_t size);

    // The record at index, or null outside 0..count-1.
    const unsigned char *record(int index) const;
    size_t recordSize(int index) const;

    // The signed 32-bit word at byte offset of record index; fallback when it lies outside.
    int32_t wordAt(int index, size_t offset, int32_t fallback = 0) const;
    // The NUL-terminated text at byte offset of record index; empty when
    // it lies outside.
    const char *textAt(int index, size_t offset) const;

    bool isMarkedForRemoval(int index) const;
    void markForRemoval(int index);
    // Drops every marked record; returns how many were dropped.
    int compact();
    void clear();

private:
    uint32_t m_kind;
    std::vector<unsigned char> m_bytes;
    std::vector<size_t> m_offsets;
};

} // namespace views
