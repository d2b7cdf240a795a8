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

std::string_view withoutByteOrderMark(std::string_view bytes)
{
    const std::string_view Mark = reinterpret_cast<const char *>(u8"\uFEFF");
    if (bytes.starts_with(Mark))
        bytes.remove_prefix(Mark.size());
    return bytes;
}

std::optional<std::string> utf8From(std::string_view text, std::string_view charset)
{
    if (!isPlainCharsetName(charset))
        return std::nullopt;
    const std::string from
        = platform::isShiftJisName(charset) ? std::string("CP932") : std::string(charset);
    return platform::toUtf8From(text, from.c_str());
}

} // namespace exchange
