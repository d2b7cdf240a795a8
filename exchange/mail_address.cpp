#include "mail_address.h"

namespace exchange {
namespace {

bool isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isWhiteSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isWhiteSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::vector<std::string_view> splitAddressList(std::string_view list)
{
    std::vector<std::string_view> addresses;
    bool quoted = false;
    int comments = 0;
    bool angle = false;
    size_t start = 0;
    const auto take = [&](size_t end) {
        const std::string_view address = trimmed(list.substr(start, end - start));
        if (!address.empty())
            addresses.push_back(address);
        start = end + 1;
    };
    for (size_t i = 0; i < list.size(); ++i) {
        const char c = list[i];
        if ((quoted || comments > 0) && c == '\\') {
            ++i;
        } else if (quoted) {
            quoted = c != '"';
        } else if (c == '(') {
            ++comments;
        } else if (comments > 0) {
            comments -= c == ')' ? 1 : 0;
        } else if (c == '"') {
            quoted = true;
        } else if (c == '<') {
            angle = true;
        } else if (c == '>') {
            angle = false;
        } else if (c == ',' && !angle) {
            take(i);
        }
    }
    take(list.size());
    return addresses;
}

std::string bareAddressOf(std::string_view address)
{
    std::string_view bareAddress = trimmed(address);
    const size_t open = bareAddress.rfind('<');
    const size_t close = open == std::string_view::npos ? open : bareAddress.find('>', open);
    if (close != std::string_view::npos) {
        bareAddress = trimmed(bareAddress.substr(open + 1, close - open - 1));
    } else {
        size_t end = 0;
        while (end < bareAddress.size() && !isWhiteSpace(bareAddress[end]))
            ++end;
        bareAddress = bareAddress.substr(0, end);
    }
    for (char c : bareAddress) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte >= 0x7F)
            return {};
    }
    return std::string(bareAddress);
}

} // namespace exchange
