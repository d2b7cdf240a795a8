#include "encoded_words.h"

#include "exchange/mail_address.h"
#include "exchange/utf8_text.h"

#include <algorithm>
#include <cstdint>

namespace exchange {
namespace {

// 36 bytes give 48 base64 characters, a word of 60: a header name and one word fit a line.
constexpr size_t WordTextBytes = 36;
constexpr std::string_view Fold = "\n ";

std::string base64(std::string_view bytes)
{
    static constexpr std::string_view Alphabet
        = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t n = std::min<size_t>(3, bytes.size() - i);
        uint32_t group = 0;
        for (size_t k = 0; k < 3; ++k)
            group = group << 8 | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (size_t k = 0; k < 4; ++k)
            out += k <= n ? Alphabet[group >> (18 - 6 * k) & 0x3F] : '=';
    }
    return out;
}

// A quoted string's content without its quotes and backslashes; other text as it is.
std::string unquoted(std::string_view phrase)
{
    if (phrase.size() < 2 || phrase.front() != '"' || phrase.back() != '"')
        return std::string(phrase);
    std::string text;
    for (size_t i = 1; i + 1 < phrase.size(); ++i) {
        if (phrase[i] == '\\' && i + 2 < phrase.size())
            ++i;
        text += phrase[i];
    }
    return text;
}

std::string encodedAddress(std::string_view address)
{
    if (isAscii(address))
        return std::string(address);
    const size_t open = address.rfind('<');
    if (open == std::string_view::npos || address.find('>', open) == std::string_view::npos)
        return encodeHeaderText(address);
    std::string_view phrase = address.substr(0, open);
    while (!phrase.empty() && (phrase.back() == ' ' || phrase.back() == '\t'))
        phrase.remove_suffix(1);
    const std::string name = unquoted(phrase);
    const std::string_view bareAddress = address.substr(open);
    return name.empty() ? std::string(bareAddress)
                        : encodeHeaderText(name) + " " + std::string(bareAddress);
}

} // namespace

bool isAscii(std::string_view text)
{
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

std::string encodeHeaderText(std::string_view utf8)
{
    if (isAscii(utf8))
        return std::string(utf8);
    std::string encoded;
    while (!utf8.empty()) {
        const size_t cut = utf8CutLength(utf8, WordTextBytes);
        if (!encoded.empty())
            encoded += Fold;
        encoded += "=?UTF-8?B?" + base64(utf8.substr(0, cut)) + "?=";
        utf8.remove_prefix(cut);
    }
    return encoded;
}

std::string encodeAddressList(std::string_view utf8)
{
    if (isAscii(utf8))
        return std::string(utf8);
    std::string list;
    for (std::string_view address : splitAddressList(utf8)) {
        if (!list.empty())
            list += "," + std::string(Fold);
        list += encodedAddress(address);
    }
    return list;
}

} // namespace exchange
