#include "imported_text.h"

#include "common/sjis_cut.h"

#include <iconv.h>

namespace exchange {
namespace {

// The length of the valid UTF-8 sequence text starts with, or 0 when it starts with none
// (overlong forms, surrogates and values beyond U+10FFFF included).
size_t sequenceLength(std::string_view text)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

} // namespace

ImportedText importedText(std::string_view utf8, size_t maxBytes)
{
    ImportedText result;
    const iconv_t converter = ::iconv_open("CP932", "UTF-8");
    std::string sjis;
    while (!utf8.empty()) {
        const size_t length = sequenceLength(utf8);
        char buffer[8];
        char *in = const_cast<char *>(utf8.data());
        size_t inLeft = length;
        char *out = buffer;
        size_t outLeft = sizeof buffer;
        const bool converted
            = length > 0 && converter != reinterpret_cast<iconv_t>(-1)
              && ::iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1)
              && inLeft == 0;
        if (converted) {
            sjis.append(buffer, static_cast<size_t>(out - buffer));
        } else {
            sjis += '?';
            ++result.replaced;
            if (converter != reinterpret_cast<iconv_t>(-1))
                ::iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
        utf8.remove_prefix(length > 0 ? length : 1);
    }
    if (converter != reinterpret_cast<iconv_t>(-1))
        ::iconv_close(converter);
    result.fullBytes = sjis.size();
    result.sjis = std::string(sjisCut(sjis, maxBytes));
    return result;
}

} // namespace exchange
