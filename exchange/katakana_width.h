#pragma once

#include <string>
#include <string_view>

namespace exchange {

// utf8 with its half-width katakana (U+FF61 to U+FF9F, as the phones store readings) written
// in full width: "ｶﾞ" becomes "ガ", "ﾊﾟ" "パ", "ｳﾞ" "ヴ". A voiced or semi-voiced sound mark
// after a kana that takes it merges with that kana; one that follows anything else stands as
// "゛" or "゜". Every other character stays as it is.
std::string widenKatakana(std::string_view utf8);

} // namespace exchange
