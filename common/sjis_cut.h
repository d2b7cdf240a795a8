#pragma once

#include <cstddef>
#include <string_view>

// Cutting Shift_JIS text to a byte count without splitting a character. A lead byte
// (0x81-0x9F, 0xE0-0xFC) and the byte after it form one character; every other byte is one.

// True for the first byte of a two-byte character.
bool isSjisLeadByte(unsigned char byte);

// The length of the longest start of text that holds at most maxBytes bytes and ends on a
// character boundary. A lead byte without its second byte (at the end of text) is never kept.
size_t sjisCutLength(std::string_view text, size_t maxBytes);

// The start of text that sjisCutLength keeps.
std::string_view sjisCut(std::string_view text, size_t maxBytes);

// Copies the start of text that fits field (its size - 1 bytes and the NUL) into field.
template<size_t N>
void copySjisField(char (&field)[N], std::string_view text)
{
    const std::string_view kept = sjisCut(text, N - 1);
    kept.copy(field, kept.size());
    field[kept.size()] = '\0';
}
