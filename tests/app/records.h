#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// A zeroed record of size bytes with a header of the given kind, for filling view stores.
inline std::vector<unsigned char> makeRecord(uint32_t kind, uint32_t size)
{
    std::vector<unsigned char> record(size, 0);
    const uint32_t header[3] = {0x10000, size, kind};
    std::memcpy(record.data(), header, sizeof header);
    return record;
}

inline void putWord(std::vector<unsigned char> &record, size_t offset, int32_t value)
{
    std::memcpy(record.data() + offset, &value, sizeof value);
}

inline void putText(std::vector<unsigned char> &record, size_t offset, const std::string &text)
{
    std::memcpy(record.data() + offset, text.c_str(), text.size() + 1);
}

// An address entry with memory number and name.
inline std::vector<unsigned char> addressRecord(int32_t memoryNumber, const std::string &name)
{
    std::vector<unsigned char> record = makeRecord(1001, 1552);
    putWord(record, 20, memoryNumber);
    putText(record, 92, name);
    return record;
}

// A bookmark with its title.
inline std::vector<unsigned char> bookmarkRecord(const std::string &title)
{
    std::vector<unsigned char> record = makeRecord(1000, 932);
    putText(record, 20, title);
    putText(record, 280, "http://example.jp/");
    return record;
}
