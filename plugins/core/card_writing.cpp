#include "card_writing.h"

#include "plugins/core/codec.h"

#include <algorithm>
#include <vector>

namespace plugin {

std::string quotedPrintable(const std::string &text, int prefixLength)
{
    const int size = codec::quotedPrintableEncode(text.c_str(), nullptr, 72, prefixLength);
    std::vector<char> encoded(static_cast<size_t>(std::max(size, 0)) + 10, '\0');
    codec::quotedPrintableEncode(text.c_str(), encoded.data(), 72, prefixLength);
    return encoded.data();
}

} // namespace plugin
