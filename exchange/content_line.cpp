#include "content_line.h"

#include "exchange/utf8_text.h"

namespace exchange {
namespace {

constexpr size_t LineOctets = 75;
constexpr std::string_view LineBreak = "\r\n";
constexpr std::string_view Fold = "\r\n ";

} // namespace

std::string escapeContentText(std::string_view utf8)
{
    std::string escaped;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\r' || c == '\n') {
            escaped += "\\n";
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
                ++i;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string foldContentLine(std::string_view line)
{
    std::string folded;
    // The first line holds 75 octets; a continuation line its space and 74 more.
    size_t room = LineOctets;
    while (line.size() > room) {
        const size_t cut = utf8CutLength(line, room);
        folded.append(line.substr(0, cut));
        folded.append(Fold);
        line.remove_prefix(cut);
        room = LineOctets - 1;
    }
    folded.append(line);
    folded.append(LineBreak);
    return folded;
}

} // namespace exchange
