#pragma once

// Reading and writing the fixed fields of the interchange records: text fields (char[N],
// Shift_JIS, NUL-terminated inside the field) and the links of a record kept in a store.

#include "common/records.h"
#include "common/sjis_cut.h"

#include <cstddef>
#include <cstring>
#include <string>

namespace views {

// A field that lacks its terminator is cut inside the field, never inside a character, so that
// nothing reads past it later.
template<size_t Size>
void terminateField(char (&field)[Size])
{
    if (std::memchr(field, 0, Size))
        return;
    const size_t end = sjisCutLength(std::string_view(field, Size), Size - 1);
    std::memset(field + end, 0, Size - end);
}

// The text of a field, up to its terminator or its end.
template<size_t Size>
std::string fieldText(const char (&field)[Size])
{
    return std::string(field, strnlen(field, Size));
}

template<size_t Size>
bool sameFieldText(const char (&a)[Size], const char (&b)[Size])
{
    return std::strncmp(a, b, Size) == 0;
}

// Fills field with the start of text that fits it (cut on a character boundary), zeroing the
// rest.
template<size_t Size>
void setFieldText(char (&field)[Size], std::string_view text)
{
    std::memset(field, 0, Size);
    copySjisField(field, text);
}

// The links a record holds in slot of a store, as the PC files keep them: the byte offsets of
// the slots before and after it, 0 before the first.
inline void setSlotLinks(RecordHeader &header, size_t slot, size_t recordSize)
{
    header.prev = static_cast<int32_t>(slot > 0 ? (slot - 1) * recordSize : 0);
    header.next = static_cast<int32_t>((slot + 1) * recordSize);
}

} // namespace views
