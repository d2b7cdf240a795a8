#include "charset_decoding.h"

#include "exchange/utf8_text.h"
#include "platform/sjis_text.h"

#include <algorithm>
#include <cctype>

namespace exchange {
namespace {

// A name that goes to iconv_open as it is, so that no option suffix ("//IGNORE") or path
// reaches it from a file.
bool isPlainCharsetName(std::string_view name)
{
    return !name.empty() && name.size() <= 40 && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.'
               || c == ':';
    });
}

} // namespace

bool isUtf8(std::string_view text)
{
    // Decoding replaces every broken sequence, so only well-formed text comes back the same.
    return utf8Text(utf8CodePoints(text)) == text;
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

std::optional<std::string> utf8From(std::string_view text, std::string_view charset)
{
    if (!isPlainCharsetName(charset))
        return std::nullopt;
    const std::string from = isShiftJisName(charset) ? std::string("CP932") : std::string(charset);
    return platform::toUtf8From(text, from.c_str());
}

} // namespace exchange
