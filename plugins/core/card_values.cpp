#include "card_values.h"

#include "plugins/core/codec.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>
#include <vector>

namespace plugin {

ParamFlags paramFlags(std::string_view line)
{
    std::string upper(line.substr(0, line.find(':')));
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const std::string_view parameters(upper);
    ParamFlags flags;
    for (size_t at = parameters.find(';'); at != std::string_view::npos;
         at = parameters.find(';', at + 1)) {
        const std::string_view rest = parameters.substr(at + 1);
        if (startsWith(rest, "CHARSET="))
            flags.jis = !startsWith(rest.substr(8), "SHIFT_JIS");
        else if (startsWith(rest, "ENCODING="))
            flags.quotedPrintable = startsWith(rest.substr(9), "QUOTED-PRINTABLE");
    }
    return flags;
}

bool storeText(std::string_view text, char *field, size_t fieldSize)
{
    std::memset(field, 0, fieldSize);
    const size_t length = std::min(text.size(), text.find('\0'));
    if (length >= fieldSize)
        return false;
    std::memcpy(field, text.data(), length);
    return true;
}

bool storeValue(const std::string &value, ParamFlags flags, char *field, size_t fieldSize)
{
    std::memset(field, 0, fieldSize);
    std::string decoded;
    if (flags.quotedPrintable) {
        const int size = codec::quotedPrintableDecode(value.c_str(), nullptr);
        if (size <= 0 || static_cast<size_t>(size) > kValueBytes)
            return false;
        std::vector<char> buffer(kValueBytes, '\0');
        codec::quotedPrintableDecode(value.c_str(), buffer.data());
        decoded = buffer.data();
    } else {
        decoded = value.c_str();
    }
    if (!flags.jis)
        return storeText(decoded, field, fieldSize);
    const int length = codec::jisToSJis(decoded.c_str(), nullptr);
    if (length < 0 || static_cast<size_t>(length) >= fieldSize)
        return false;
    codec::jisToSJis(decoded.c_str(), field);
    return true;
}

void ReadContinuation(LineReader &reader, std::string &line)
{
    constexpr size_t kPieceBytes = 1023;
    bool pieceEndedLine = true;
    std::string piece;
    while (!pieceEndedLine || (!line.empty() && line.back() == '=')) {
        if (pieceEndedLine)
            line.pop_back();
        const size_t room = kValueBytes - 1 - line.size();
        if (!reader.readPiece(piece, std::min(kPieceBytes, room), &pieceEndedLine))
            return;
        line += piece;
    }
}

std::string afterColon(std::string_view line, size_t from)
{
    const size_t colon = line.find(':', from);
    if (colon == std::string_view::npos)
        return {};
    return std::string(line.substr(colon + 1));
}

std::string_view cutComponents(std::string_view value, int count)
{
    for (int i = 0; i < count; ++i) {
        const size_t at = value.rfind(';');
        if (at == std::string_view::npos)
            break;
        value = value.substr(0, at);
    }
    return value;
}

std::string_view component(std::string_view value, int index)
{
    for (int i = 0; i < index; ++i) {
        const size_t at = value.find(';');
        if (at == std::string_view::npos)
            return {};
        value = value.substr(at + 1);
    }
    return value.substr(0, value.find(';'));
}

int32_t leadingNumber(std::string_view text)
{
    size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    int64_t value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > std::numeric_limits<int32_t>::max())
            value = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    }
    if (negative)
        value = -value;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

namespace {

// A decimal number as integer digits and fraction digits, leading and trailing zeros dropped.
std::pair<std::string, std::string> decimalParts(std::string_view text)
{
    size_t at = 0;
    std::string whole;
    std::string fraction;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
        whole.push_back(text[at++]);
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
            fraction.push_back(text[at++]);
    }
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return {whole, fraction};
}

} // namespace

bool readsAsNumber(std::string_view text, std::string_view expected)
{
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '.'))
        return false;
    return decimalParts(text) == decimalParts(expected);
}

} // namespace plugin
