#include "line_breaks.h"

namespace exchange {

std::string crLfLines(std::string_view text)
{
    std::string lines;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r' || text[at] == '\n') {
            lines += "\r\n";
            if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
                ++at;
        } else {
            lines += text[at];
        }
    }
    return lines;
}

} // namespace exchange
