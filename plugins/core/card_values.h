#pragma once

#include "plugins/core/line_reader.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace plugin {

// The work buffer every decoded value must fit, terminator included.
constexpr size_t kValueBytes = 4096;

// How a property's value is encoded, from its parameters (the part of the line before the first
// ':', compared upper-cased): "CHARSET=" other than SHIFT_JIS means 7-bit JIS,
// "ENCODING=QUOTED-PRINTABLE" quoted-printable; the last parameter of each kind wins.
struct ParamFlags
{
    bool jis = false;
    bool quotedPrintable = false;
};

ParamFlags paramFlags(std::string_view line);

// Decodes value (quoted-printable first, then JIS, as flags say) into field of fieldSize bytes.
// A value whose decoded form does not fit (kValueBytes for the quoted-printable step, fieldSize
// for the result) leaves the field empty: values are never cut. Returns whether it fitted.
bool storeValue(const std::string &value, ParamFlags flags, char *field, size_t fieldSize);

// Copies text into field when it fits (shorter than fieldSize), else leaves the field empty.
bool storeText(std::string_view text, char *field, size_t fieldSize);

template<size_t N>
bool storeText(std::string_view text, char (&field)[N])
{
    return storeText(text, field, N);
}

template<size_t N>
bool storeValue(const std::string &value, ParamFlags flags, char (&field)[N])
{
    return storeValue(value, flags, field, N);
}

// Joins the soft-break continuation lines of a quoted-printable value: while line ends with
// '=', drops it and appends the next physical line (read in pieces of at most 1023 bytes). Stops
// before line would reach kValueBytes, leaving the rest of the file for the next read.
void ReadContinuation(LineReader &reader, std::string &line);

// The text after the first ':' at or after position from; empty when there is none.
std::string afterColon(std::string_view line, size_t from = 0);

// Removes the last ';' and everything after it, count times (fewer when there are fewer ';').
std::string_view cutComponents(std::string_view value, int count);

// The component-th ';'-separated component of value (0 first); empty when there are fewer.
std::string_view component(std::string_view value, int index);

// The leading decimal number of text, with an optional sign, as atoi reads it, but held to the
// 32-bit range instead of overflowing.
int32_t leadingNumber(std::string_view text);

// Whether text begins with a decimal number equal to expected ("2.1" reads "2.1", "2.10",
// "02.1").
bool readsAsNumber(std::string_view text, std::string_view expected);

inline bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace plugin
