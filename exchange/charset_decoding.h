#pragma once

// The character sets an imported file's text comes in, read as UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace exchange {

// Whether text is well-formed UTF-8 (no overlong forms, surrogates or code points beyond
// U+10FFFF). Plain ASCII is.
bool isUtf8(std::string_view text);

// bytes without the UTF-8 byte order mark they may start with.
std::string_view withoutByteOrderMark(std::string_view bytes);

// text of character set charset (an iconv name; platform::isShiftJisName's names read as CP932) in
// UTF-8; every byte that does not convert becomes U+FFFD. Nothing when iconv knows no such set, or
// charset is more than a plain name (letters, digits, "-_.:", up to 40 characters).
std::optional<std::string> utf8From(std::string_view text, std::string_view charset);

} // namespace exchange
