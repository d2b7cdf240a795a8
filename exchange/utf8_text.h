#pragma once

// UTF-8 text as the exports write it: code points and cuts on character boundaries.

#include <cstddef>
#include <string>
#include <string_view>

namespace exchange {

// The code points of utf8; a byte that starts no well-formed sequence stands for U+FFFD.
std::u32string utf8CodePoints(std::string_view utf8);

// codePoints as UTF-8; a value that is no Unicode scalar value is written as U+FFFD.
std::string utf8Text(std::u32string_view codePoints);

// The length of the longest start of text that holds at most maxBytes bytes and does not end
// inside a character (a lead byte and its continuation bytes stay together). Text that is no
// well-formed UTF-8 may be cut inside what it holds, but a maxBytes above 3 always keeps some.
size_t utf8CutLength(std::string_view text, size_t maxBytes);

} // namespace exchange
