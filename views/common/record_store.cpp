#include "record_store.h"

#include <cstring>

namespace views {
namespace {

constexpr size_t SizeOffset = offsetof(RecordHeader, size);
constexpr size_t KindOffset = offsetof(RecordHeader, kind);

uint32_t readWord(const unsigned char *bytes)
{
    uint32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

} // namespace

RecordStore::RecordStore(uint32_t kind)
    : m_kind(kind)
{
}

bool RecordStore::append(const void *record, size_t size)
{
    if (!record || size < HeaderSize)
        return false;
    const auto *bytes = static_cast<const unsigned char *>(record);
    const uint32_t declared = readWord(bytes + SizeOffset);
    if (readWord(bytes + KindOffset) != m_kind || declared < HeaderSize || declared > size)
        return false;
    m_offsets.push_back(m_bytes.size());
    m_bytes.insert(m_bytes.end(), bytes, bytes + declared);
    return true;
}

const unsigned char *RecordStore::record(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_bytes.data() + m_offsets[static_cast<size_t>(index)];
}

size_t RecordStore::recordSize(int index) const
{
    const unsigned char *bytes = record(index);
    return bytes ? readWord(bytes + SizeOffset) : 0;
}

int32_t RecordStore::wordAt(int index, size_t offset, int32_t fallback) const
{
    const unsigned char *bytes = record(index);
    if (!bytes || offset + 4 > recordSize(index))
        return fallback;
    int32_t value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

const char *RecordStore::textAt(int index, size_t offset) const
{
    const unsigned char *bytes = record(index);
    const size_t size = recordSize(index);
    if (!bytes || offset >= size || !std::memchr(bytes + offset, 0, size - offset))
        return "";
    return reinterpret_cast<const char *>(bytes + offset);
}

bool RecordStore::isMarkedForRemoval(int index) const
{
    const unsigned char *bytes = record(index);
    return bytes && readWord(bytes + KindOffset) == 0;
}

void RecordStore::markForRemoval(int index)
{
    if (index < 0 || index >= count())
        return;
    std::memset(m_bytes.data() + m_offsets[static_cast<size_t>(index)] + KindOffset, 0,
                sizeof(uint32_t));
}

int RecordStore::compact()
{
    std::vector<unsigned char> bytes;
    std::vector<size_t> offsets;
    for (int i = 0; i < count(); ++i) {
        if (isMarkedForRemoval(i))
            continue;
        const unsigned char *start = record(i);
        offsets.push_back(bytes.size());
        bytes.insert(bytes.end(), start, start + recordSize(i));
    }
    const int dropped = count() - static_cast<int>(offsets.size());
    m_bytes.swap(bytes);
    m_offsets.swap(offsets);
    return dropped;
}

void RecordStore::clear()
{
    m_bytes.clear();
    m_offsets.clear();
}

} // namespace views
