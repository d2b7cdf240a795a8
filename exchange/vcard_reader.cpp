#include "vcard_reader.h"

#include "common/sjis_cut.h"
#include "exchange/charset_decoding.h"
#include "exchange/transfer_decoding.h"
#include "platform/sjis_text.h"

#include <algorithm>
#include <cctype>

namespace exchange {
namespace {

bool equalsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x))
                      == std::toupper(static_cast<unsigned char>(y));
           });
}

bool containsNoCase(std::string_view text, std::string_view word)
{
    for (size_t at = 0; at + word.size() <= text.size(); ++at) {
        if (equalsNoCase(text.substr(at, word.size()), word))
            return true;
    }
    return false;
}

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isQuotedPrintableLine(std::string_view line)
{
    return containsNoCase(line.substr(0, line.find(':')), "QUOTED-PRINTABLE");
}

bool isCardLine(std::string_view line, std::string_view keyword)
{
    const size_t colon = line.find(':');
    return colon != std::string_view::npos && equalsNoCase(trimmed(line.substr(0, colon)), keyword)
           && equalsNoCase(trimmed(line.substr(colon + 1)), "VCARD");
}

// The physical lines of bytes, without their line ends.
std::vector<std::string_view> physicalLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

// The parts of text separated by separator outside double quotes.
std::vector<std::string_view> splitOutsideQuotes(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    bool quoted = false;
    size_t start = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '"')
            quoted = !quoted;
        else if (text[at] == separator && !quoted) {
            parts.push_back(text.substr(start, at - start));
            start = at + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

VCardParameter parameterOf(std::string_view text)
{
    static constexpr std::string_view EncodingWords[]
        = {"QUOTED-PRINTABLE", "BASE64", "B", "8BIT", "7BIT"};
    const size_t equals = text.find('=');
    VCardParameter parameter;
    std::string_view values;
    if (equals == std::string_view::npos) {
        const bool encoding
            = std::any_of(std::begin(EncodingWords), std::end(EncodingWords),
                          [text](std::string_view word) { return equalsNoCase(text, word); });
        parameter.name = encoding ? "ENCODING" : "TYPE";
        values = text;
    } else {
        parameter.name = upper(trimmed(text.substr(0, equals)));
        values = text.substr(equals + 1);
    }
    for (const std::string_view part : splitOutsideQuotes(values, ',')) {
        std::string value;
        for (const char c : trimmed(part)) {
            if (c != '"')
                value += c;
        }
        // Quotes may hold a list of their own: TYPE="home,work", SORT-AS="Yamada,Taro".
        size_t start = 0;
        for (size_t comma = value.find(','); comma != std::string::npos;
             comma = value.find(',', start)) {
            parameter.values.push_back(value.substr(start, comma - start));
            start = comma + 1;
        }
        parameter.values.push_back(value.substr(start));
    }
    return parameter;
}

// The character escaped by "\c", or 0 when the backslash stands for itself.
char escapedCharacter(char c, bool version21)
{
    switch (c) {
    case '\\':
    case ';':
    case ',':
    case ':':
        return c;
    case 'n':
    case 'N':
        return version21 ? 0 : '\n';
    default:
        return 0;
    }
}

// A value's text and fields in its own character set, escapes undone.
struct SplitValue
{
    std::string text;
    std::vector<std::vector<std::string>> fields;
};

SplitValue splitValue(std::string_view value, bool version21, bool shiftJis)
{
    SplitValue split;
    split.fields.emplace_back(1);
    for (size_t at = 0; at < value.size(); ++at) {
        const char c = value[at];
        std::string &item = split.fields.back().back();
        if (shiftJis && isSjisLeadByte(static_cast<unsigned char>(c)) && at + 1 < value.size()) {
            split.text.append(value.substr(at, 2));
            item.append(value.substr(at, 2));
            ++at;
        } else if (c == '\\' && at + 1 < value.size()
                   && escapedCharacter(value[at + 1], version21) != 0) {
            const char escaped = escapedCharacter(value[at + 1], version21);
            split.text += escaped;
            item += escaped;
            ++at;
        } else if (c == ';') {
            split.text += c;
            split.fields.emplace_back(1);
        } else if (c == ',' && !version21) {
            split.text += c;
            split.fields.back().emplace_back();
        } else {
            split.text += c;
            item += c;
        }
    }
    return split;
}

bool isBase64(const VCardLine &line)
{
    return std::any_of(line.parameters.begin(), line.parameters.end(),
                       [](const VCardParameter &parameter) {
                           return parameter.name == "ENCODING"
                                  && std::any_of(parameter.values.begin(), parameter.values.end(),
                                                 [](const std::string &value) {
                                                     return equalsNoCase(value, "BASE64")
                                                            || equalsNoCase(value, "B");
                                                 });
                       });
}

std::optional<std::string> charsetOf(const VCardLine &line)
{
    for (const VCardParameter &parameter : line.parameters) {
        if (parameter.name == "CHARSET" && !parameter.values.empty())
            return parameter.values.front();
    }
    return std::nullopt;
}

// The text the lines between BEGIN:VCARD and END:VCARD stand for.
VCardEntry decodedEntry(const std::vector<VCardLine> &lines, VCardEntry entry)
{
    VCardDialect dialect;
    dialect.version21 = entry.version.empty() || entry.version == "2.1" || entry.version == "1.0";
    dialect.shiftJis = std::any_of(lines.begin(), lines.end(), [](const VCardLine &line) {
        return !charsetOf(line) && !isBase64(line) && !isUtf8(transferDecodedValue(line));
    });
    for (const VCardLine &line : lines)
        entry.properties.push_back(decodeVCardLine(line, dialect));
    return entry;
}

} // namespace

std::vector<std::string> unfoldVCardLines(std::string_view bytes)
{
    bytes = withoutByteOrderMark(bytes);
    std::vector<std::string> lines;
    bool quotedPrintable = false; // the last line's head names quoted-printable
    bool softBreak = false;       // the last line goes on with the next one as it stands
    for (const std::string_view physical : physicalLines(bytes)) {
        if (softBreak && !isCardLine(physical, "END")) {
            lines.back().append(physical);
            softBreak = !physical.empty() && physical.back() == '=';
        } else if (physical.empty()) {
            softBreak = false;
            continue;
        } else if ((physical.front() == ' ' || physical.front() == '\t') && !lines.empty()) {
            lines.back().append(physical.substr(1));
            softBreak = quotedPrintable && lines.back().back() == '=';
        } else {
            lines.emplace_back(physical);
            quotedPrintable = isQuotedPrintableLine(physical);
            softBreak = quotedPrintable && lines.back().back() == '=';
        }
        if (softBreak)
            lines.back().pop_back();
    }
    return lines;
}

std::optional<VCardLine> parseVCardLine(std::string_view line)
{
    // The head ends at the first ':' outside quotes; parameters lie between ';'s in it.
    // Quotes count only among the parameters, after the first ';'.
    bool parameters = false;
    bool quoted = false;
    size_t colon = std::string_view::npos;
    for (size_t at = 0; at < line.size() && colon == std::string_view::npos; ++at) {
        if (line[at] == ';')
            parameters = true;
        else if (line[at] == '"' && parameters)
            quoted = !quoted;
        else if (line[at] == ':' && !quoted)
            colon = at;
    }
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::vector<std::string_view> head = splitOutsideQuotes(line.substr(0, colon), ';');
    const std::string_view fullName = trimmed(head.front());
    const size_t dot = fullName.rfind('.');
    const std::string_view name
        = dot == std::string_view::npos ? fullName : fullName.substr(dot + 1);
    if (name.empty())
        return std::nullopt;
    VCardLine parsed;
    if (dot != std::string_view::npos)
        parsed.group = std::string(fullName.substr(0, dot));
    parsed.name = upper(name);
    for (size_t i = 1; i < head.size(); ++i) {
        if (!trimmed(head[i]).empty())
            parsed.parameters.push_back(parameterOf(trimmed(head[i])));
    }
    parsed.value = std::string(line.substr(colon + 1));
    return parsed;
}

std::string transferDecodedValue(const VCardLine &line)
{
    if (isBase64(line))
        return decodeBase64(line.value);
    const bool quotedPrintable = std::any_of(
        line.parameters.begin(), line.parameters.end(), [](const VCardParameter &parameter) {
            return parameter.name == "ENCODING"
                   && std::any_of(parameter.values.begin(), parameter.values.end(),
                                  [](const std::string &value) {
                                      return equalsNoCase(value, "QUOTED-PRINTABLE");
                                  });
        });
    return quotedPrintable ? decodeQuotedPrintable(line.value) : line.value;
}

VCardProperty decodeVCardLine(const VCardLine &line, const VCardDialect &dialect)
{
    VCardProperty property;
    property.group = line.group;
    property.name = line.name;
    property.parameters = line.parameters;
    const std::string bytes = transferDecodedValue(line);
    const std::optional<std::string> charset = charsetOf(line);
    if (isBase64(line) && !charset) {
        property.binary = true;
        property.text = bytes;
        return property;
    }
    bool shiftJis = dialect.shiftJis;
    std::optional<std::string> utf8;
    if (charset && platform::isShiftJisName(*charset))
        shiftJis = true;
    else if (charset && (utf8 = utf8From(bytes, *charset)))
        shiftJis = false;
    else if (charset)
        property.unknownCharset = true;
    if (shiftJis && !utf8) {
        // Split first: a Shift_JIS second byte may be 0x5C, the backslash.
        const SplitValue split = splitValue(bytes, dialect.version21, true);
        const auto converted = [](const std::string &text) {
            return utf8From(text, "CP932").value_or(std::string());
        };
        property.text = converted(split.text);
        for (const std::vector<std::string> &field : split.fields) {
            std::vector<std::string> &items = property.fields.emplace_back();
            for (const std::string &item : field)
                items.push_back(converted(item));
        }
        return property;
    }
    if (!utf8)
        utf8 = utf8From(bytes, "UTF-8");
    SplitValue split = splitValue(utf8.value_or(std::string()), dialect.version21, false);
    property.text = std::move(split.text);
    property.fields = std::move(split.fields);
    return property;
}

std::vector<std::string> VCardProperty::values(std::string_view name) const
{
    std::vector<std::string> found;
    for (const VCardParameter &parameter : parameters) {
        if (parameter.name == name)
            found.insert(found.end(), parameter.values.begin(), parameter.values.end());
    }
    return found;
}

bool VCardProperty::hasValue(std::string_view name, std::string_view value) const
{
    const std::vector<std::string> found = values(name);
    return std::any_of(found.begin(), found.end(),
                       [value](const std::string &each) { return equalsNoCase(each, value); });
}

std::vector<std::string> VCardProperty::items() const
{
    std::vector<std::string> all;
    for (const std::vector<std::string> &field : fields)
        all.insert(all.end(), field.begin(), field.end());
    return all;
}

const VCardProperty *VCardEntry::first(std::string_view name) const
{
    for (const VCardProperty &property : properties) {
        if (property.name == name)
            return &property;
    }
    return nullptr;
}

std::vector<VCardEntry> readVCards(std::string_view bytes)
{
    std::vector<VCardEntry> entries;
    std::optional<VCardEntry> open;
    std::vector<VCardLine> lines;
    int nesting = 0;
    for (const std::string &text : unfoldVCardLines(bytes)) {
        const bool begins = isCardLine(text, "BEGIN");
        const bool ends = isCardLine(text, "END");
        if (!open) {
            if (begins)
                open.emplace();
        } else if (nesting > 0) {
            nesting += begins ? 1 : ends ? -1 : 0;
        } else if (begins) {
            nesting = 1;
            ++open->nestedCards;
        } else if (ends) {
            entries.push_back(decodedEntry(lines, std::move(*open)));
            open.reset();
            lines.clear();
        } else if (std::optional<VCardLine> line = parseVCardLine(text); !line) {
            ++open->unreadableLines;
        } else if (line->name == "VERSION") {
            open->version = std::string(trimmed(line->value));
        } else {
            lines.push_back(std::move(*line));
        }
    }
    if (open) {
        open->terminated = false;
        entries.push_back(decodedEntry(lines, std::move(*open)));
    }
    return entries;
}

} // namespace exchange
