#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Conversions between the program's Shift_JIS text (code page 932) and UTF-8, for the window
// boundary only. A byte sequence that does not convert becomes U+FFFD ('?' the other way), so
// a conversion never fails as a whole.
std::string sjisToUtf8(std::string_view sjis);
std::string utf8ToSjis(std::string_view utf8);

// text in the character set iconv calls charset, converted to Shift_JIS the same way; nothing
// when iconv does not know the set.
std::optional<std::string> toSjisFrom(std::string_view text, const char *charset);

// text in the character set iconv calls charset, converted to UTF-8 with U+FFFD for what does
// not convert; nothing when iconv does not know the set. For the exports of today's formats.
std::optional<std::string> toUtf8From(std::string_view text, const char *charset);

// True for the names a Shift_JIS text goes by (SHIFT_JIS, SJIS, CP932, WINDOWS-31J ...), in any
// case; such text is code page 932.
bool isShiftJisName(std::string_view charset);

} // namespace platform
