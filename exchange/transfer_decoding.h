#pragma once

// The transfer encodings of card values, decoded to their bytes. Neither ever fails: what does
// not decode is kept or skipped as each function says.

#include <string>
#include <string_view>

namespace exchange {

// "=XY" (hex digits of either case) becomes the byte 0xXY; a '=' without two hex digits after
// it, and every other byte, is copied as it stands. Soft line breaks are the line reader's: the
// text comes here joined.
std::string decodeQuotedPrintable(std::string_view text);

// The bytes of Base64 text (the standard alphabet, "+/"; "-_" read the same). Characters
// outside the alphabet (white space, line breaks) are skipped; the first '=' ends the text;
// bits of a last, incomplete group that do not fill a byte are dropped.
std::string decodeBase64(std::string_view text);

} // namespace exchange
