#include "mail_subject.h"

#include "host/codec_binding.h"
#include "platform/sjis_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <optional>
#include <vector>

namespace views {
namespace {

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Runs a HandsetKit-style function: size first, then convert into a zero-filled buffer one
// byte longer; the result ends at its first NUL.
std::string runCodec(const MailCodecs::Function &function, const std::string &source)
{
    const int size = function(source.c_str(), nullptr);
    if (size <= 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(size) + 1, '\0');
    function(source.c_str(), buffer.data());
    return std::string(buffer.data(), strnlen(buffer.data(), buffer.size()));
}

std::string toShiftJis(const std::string &decoded, std::string_view charset,
                       const MailCodecs &codecs)
{
    // Shift_JIS itself needs no conversion.
    if (platform::isShiftJisName(charset))
        return decoded;
    if (lowerCase(charset) == "iso-2022-jp")
        return codecs.jisToSjis ? runCodec(codecs.jisToSjis, decoded) : decoded;
    // A set iconv does not know stays as decoded.
    return platform::toSjisFrom(decoded, std::string(charset).c_str()).value_or(decoded);
}

} // namespace

MailCodecs mailCodecsOf(const host::CodecBinding &binding)
{
    if (!binding.isBound())
        return {};
    const host::CodecBinding *codec = &binding;
    return {[codec](const char *src, char *dst) { return codec->base64Decode(src, dst); },
            [codec](const char *src, char *dst) { return codec->quotedPrintableDecode(src, dst); },
            [codec](const char *src, char *dst) { return codec->jisToSjis(src, dst); }};
}

std::string MailSubjectText(std::string_view subject, const MailCodecs &codecs)
{
    const std::string_view shown = subject;
    while (!subject.empty() && std::isspace(static_cast<unsigned char>(subject.front())))
        subject.remove_prefix(1);
    if (subject.size() < 4 || !subject.starts_with("=?") || !subject.ends_with("?="))
        return std::string(shown);
    const size_t marker = subject.find('?', 2);
    const size_t payloadEnd = subject.size() - 2;
    if (marker == std::string_view::npos || marker + 3 > payloadEnd)
        return std::string(shown);
    const std::string_view encoding = subject.substr(marker, 3);
    const bool base64 = encoding == "?B?";
    if (!base64 && encoding != "?Q?")
        return std::string(shown);
    std::string payload(subject.substr(marker + 3, payloadEnd - (marker + 3)));
    if (payload.empty())
        return std::string(shown);
    if (payload.size() == 1)
        return {};
    const MailCodecs::Function &decode
        = base64 ? codecs.base64Decode : codecs.quotedPrintableDecode;
    if (!decode)
        return std::string(shown);
    if (!base64)
        std::replace(payload.begin(), payload.end(), '_', ' ');
    // A payload holding a NUL ends there, as the C text the decoders read does.
    payload.resize(strnlen(payload.c_str(), payload.size()));
    const std::string decoded = runCodec(decode, payload);
    if (decoded.empty())
        return {};
    return toShiftJis(decoded, subject.substr(2, marker - 2), codecs);
}

} // namespace views
