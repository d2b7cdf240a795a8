#pragma once

// Reading and writing the fixed text fields of the interchange records (char[N], Shift_JIS,
// NUL-terminated inside the field).

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

} // namespace views
