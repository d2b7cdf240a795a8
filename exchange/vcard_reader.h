#pragma once

// vCard 2.1, 3.0 and 4.0 read in layers, without any notion of the address book: the file's
// bytes become unfolded lines, each line its group, name, parameters and raw value, and the
// lines between BEGIN:VCARD and END:VCARD one entry of decoded properties (UTF-8 text). Every
// function takes any bytes: what it cannot read it skips or counts, it never fails.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

// The logical lines of a file. A UTF-8 byte-order mark at the start is skipped; lines end at
// CR LF, LF or a lone CR. A line starting with a space or a tab continues the one before
// without that character. A quoted-printable line (its part before ':' names
// QUOTED-PRINTABLE) ending in '=' continues with the next line as it stands, the '=' dropped
// (a soft line break), unless that line is END:VCARD. Empty lines are dropped.
std::vector<std::string> unfoldVCardLines(std::string_view bytes);

struct VCardParameter
{
    std::string name;                // upper case
    std::vector<std::string> values; // the ','-separated values, quotes removed

    bool operator==(const VCardParameter &) const = default;
};

// One content line, "group.NAME;PARAM=a,b;WORD:value".
struct VCardLine
{
    std::string group; // "item1" of "item1.TEL", else empty
    std::string name;  // upper case
    // 2.1's bare words (TEL;CELL;HOME) are TYPE values, and ENCODING ones for the encoding
    // words (QUOTED-PRINTABLE, BASE64, B, 8BIT, 7BIT).
    std::vector<VCardParameter> parameters;
    std::string value; // as the line holds it, after the first ':' outside quotes

    bool operator==(const VCardLine &) const = default;
};

// The parts of line; nothing when it has no ':' after its name or no name.
std::optional<VCardLine> parseVCardLine(std::string_view line);

// A content line with its value decoded.
struct VCardProperty
{
    std::string group;
    std::string name;
    std::vector<VCardParameter> parameters;
    // The value in UTF-8 with its transfer encoding and backslash escapes undone; for a binary
    // value, its bytes.
    std::string text;
    // The value split into its ';'-separated fields, each a list of its ','-separated items
    // (2.1 has no item lists: one item per field), escapes undone, UTF-8.
    std::vector<std::vector<std::string>> fields;
    bool binary = false;         // Base64 without a CHARSET: text holds the bytes
    bool unknownCharset = false; // its CHARSET is unknown; the entry's own set was taken

    // Every value of the parameters called name (upper case).
    std::vector<std::string> values(std::string_view name) const;
    // Whether a parameter called name (upper case) has value, compared without case.
    bool hasValue(std::string_view name, std::string_view value) const;
    // The items of every field, in order.
    std::vector<std::string> items() const;
};

// The decoding of one entry's lines.
struct VCardDialect
{
    bool version21 = true; // 2.1 escapes (no "\n", no ',' lists); else 3.0 / 4.0
    // The set of values without a CHARSET: Shift_JIS (code page 932), else UTF-8.
    bool shiftJis = false;
};

// line decoded: quoted-printable or Base64 undone, then the text read in its CHARSET (or the
// dialect's set) and split. In Shift_JIS text a lead byte and the byte after it are one
// character, so a second byte 0x5C is no backslash.
VCardProperty decodeVCardLine(const VCardLine &line, const VCardDialect &dialect);

// The bytes of line's value with its transfer encoding undone.
std::string transferDecodedValue(const VCardLine &line);

// One vCard of a file.
struct VCardEntry
{
    std::string version;                   // the VERSION value, "" when missing
    std::vector<VCardProperty> properties; // in file order; BEGIN, END and VERSION left out
    int unreadableLines = 0;               // lines inside the card with no name or no ':'
    int nestedCards = 0;                   // vCards inside this one (2.1 AGENT), skipped
    bool terminated = true;                // false when the file ended before END:VCARD

    // The first property called name (upper case), or null.
    const VCardProperty *first(std::string_view name) const;
};

// The vCards of a file, in order; lines outside BEGIN:VCARD ... END:VCARD are ignored. A
// card's values without a CHARSET are UTF-8 when all of them are well-formed UTF-8, else
// Shift_JIS; the 2.1 rules apply unless VERSION says otherwise.
std::vector<VCardEntry> readVCards(std::string_view bytes);

} // namespace exchange
