#pragma once

#include <string>
#include <string_view>

namespace exchange {

// text with every line break (CR LF, CR or LF) as CR LF, the way the records keep the lines of
// their texts (as the phones write them to the card).
std::string crLfLines(std::string_view text);

} // namespace exchange
