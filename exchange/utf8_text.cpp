#include "utf8_text.h"

namespace exchange {
namespace {

constexpr char32_t Replacement = 0xFFFD;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the sequence a lead byte opens and the bits it carries; 0 for a byte that
// opens none.
size_t sequenceLength(unsigned char lead, char32_t &bits)
{
    if (lead < 0x80) {
        bits = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        bits = lead & 0x1F;
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        bits = lead & 0x0F;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        bits = lead & 0x07;
        return 4;
    }
    return 0;
}

// The smallest code point a sequence of each length may carry; shorter forms are overlong.
constexpr char32_t SmallestOfLength[5] = {0, 0, 0x80, 0x800, 0x10000};

bool isScalarValue(char32_t value)
{
    return value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
}

} // namespace

std::u32string utf8CodePoints(std::string_view utf8)
{
    std::u32string points;
    size_t at = 0;
    while (at < utf8.size()) {
        char32_t value = 0;
        const size_t length = sequenceLength(static_cast<unsigned char>(utf8[at]), value);
        size_t taken = length == 0 ? 0 : 1;
        while (taken > 0 && taken < length && at + taken < utf8.size()
               && isContinuation(static_cast<unsigned char>(utf8[at + taken]))) {
            value = value << 6 | (static_cast<unsigned char>(utf8[at + taken]) & 0x3F);
            ++taken;
        }
        if (taken == 0 || taken < length || value < SmallestOfLength[length]
            || !isScalarValue(value)) {
            points.push_back(Replacement);
            at += taken == 0 ? 1 : taken;
            continue;
        }
        points.push_back(value);
        at += length;
    }
    return points;
}

std::string utf8Text(std::u32string_view codePoints)
{
    std::string text;
    for (char32_t value : codePoints) {
        if (!isScalarValue(value))
            value = Replacement;
        if (value < 0x80) {
            text.push_back(static_cast<char>(value));
        } else if (value < 0x800) {
            text.push_back(static_cast<char>(0xC0 | value >> 6));
            text.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        } else if (value < 0x10000) {
            text.push_back(static_cast<char>(0xE0 | value >> 12));
            text.push_back(static_cast<char>(0x80 | (value >> 6 & 0x3F)));
            text.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        } else {
            text.push_back(static_cast<char>(0xF0 | value >> 18));
            text.push_back(static_cast<char>(0x80 | (value >> 12 & 0x3F)));
            text.push_back(static_cast<char>(0x80 | (value >> 6 & 0x3F)));
            text.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        }
    }
    return text;
}

size_t utf8CutLength(std::string_view text, size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text.size();
    // Back to the byte that opens the character the cut falls into; a character has at most
    // three continuation bytes, so broken text is cut where asked and a cut always advances.
    for (size_t back = 0; back < 4 && back < maxBytes; ++back) {
        if (!isContinuation(static_cast<unsigned char>(text[maxBytes - back])))
            return maxBytes - back;
    }
    return maxBytes;
}

} // namespace exchange
