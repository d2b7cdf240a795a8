#pragma once

#include <cstdio>
#include <cstring>
#include <string>

namespace plugin {

// printf-style formatting into a string; the formats come from the model tables.
template<typename... Args>
std::string formatted(const char *format, Args... args)
{
    const int length = std::snprintf(nullptr, 0, format, args...);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.resize(static_cast<size_t>(length));
    return text;
}

// text quoted-printable encoded at line width 72 (soft breaks as "=" line ends), the first
// prefixLength bytes of text being a property name already in the line and left as they are.
std::string quotedPrintable(const std::string &text, int prefixLength);

// Ends a text field of a record copied from the caller, so that nothing past it is read.
template<size_t N>
void terminate(char (&field)[N])
{
    field[N - 1] = '\0';
}

} // namespace plugin
