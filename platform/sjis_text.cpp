#include "sjis_text.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <iconv.h>
#include <iterator>

namespace platform {
namespace {

// Converts with iconv, replacing every unconvertible or broken sequence by the replacement
// and skipping one input byte, so that the rest of the text still comes through.
// Nothing when iconv knows no such conversion.
std::optional<std::string> convert(std::string_view input, const char *to, const char *from,
                                   std::string_view replacement)
{
    iconv_t converter = ::iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string output;
    char buffer[256];
    char *in = const_cast<char *>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
        char *out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = ::iconv(converter, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<size_t>(out - buffer));
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            output.append(replacement);
            ++in;
            --inLeft;
            ::iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
    }
    ::iconv_close(converter);
    return output;
}

// A u8 literal is UTF-8 whatever the compiler's execution character set.
const std::string &utf8Replacement()
{
    static const std::string replacement(reinterpret_cast<const char *>(u8"\uFFFD"));
    return replacement;
}

} // namespace

std::string sjisToUtf8(std::string_view sjis)
{
    return convert(sjis, "UTF-8", "CP932", utf8Replacement()).value_or(std::string(sjis));
}

std::string utf8ToSjis(std::string_view utf8)
{
    return convert(utf8, "CP932", "UTF-8", "?").value_or(std::string(utf8));
}

std::optional<std::string> toSjisFrom(std::string_view text, const char *charset)
{
    return convert(text, "CP932", charset, "?");
}

std::optional<std::string> toUtf8From(std::string_view text, const char *charset)
{
    return convert(text, "UTF-8", charset, utf8Replacement());
}

bool isShiftJisName(std::string_view charset)
{
    static constexpr std::string_view Names[]
        = {"SHIFT_JIS", "SHIFT-JIS", "SJIS",        "X-SJIS",    "CP932",
           "MS932",     "MS_KANJI",  "WINDOWS-31J", "CSSHIFTJIS"};
    return std::any_of(std::begin(Names), std::end(Names), [charset](std::string_view name) {
        return charset.size() == name.size()
               && std::equal(name.begin(), name.end(), charset.begin(), [](char a, char b) {
                      return a == std::toupper(static_cast<unsigned char>(b));
                  });
    });
}

} // namespace platform
