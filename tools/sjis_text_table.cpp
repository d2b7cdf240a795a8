// Build step: collects the texts written as sjis("...") in a target's sources and writes the
// table that common/sjis_literal.h looks them up in, with each text's Shift_JIS (CP932) bytes.
//
//   sjis_text_table OUTPUT.h SOURCE...
//
// A text that CP932 cannot hold, an escape other than \n \t \r \\ \" \', or a text split into
// several literals stops the build with the file, line and text. OUTPUT.h is left untouched when
// its content would not change, so editing a source does not rebuild the whole target.
#include <iconv.h>

#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Text
{
    std::string literal; // the literal's body exactly as written, escapes included
    std::string utf8;    // its value
};

struct Failure
{
    std::string message;
};

std::optional<std::string> readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<std::string> toCp932(const std::string &utf8)
{
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string out(utf8.size() * 2 + 1, '\0');
    char *in = const_cast<char *>(utf8.data());
    size_t inLeft = utf8.size();
    char *outPtr = out.data();
    size_t outLeft = out.size();
    const size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<size_t>(-1) || inLeft != 0)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

int lineOf(const std::string &source, size_t offset)
{
    int line = 1;
    for (size_t i = 0; i < offset; ++i)
        line += source[i] == '\n';
    return line;
}

bool isIdentifierChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The value of a literal body, or the escape that the table does not take.
std::optional<std::string> unescape(const std::string &body, std::string &badEscape)
{
    std::string value;
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] != '\\') {
            value += body[i];
            continue;
        }
        const char next = i + 1 < body.size() ? body[i + 1] : '\0';
        switch (next) {
        case 'n':
            value += '\n';
            break;
        case 't':
            value += '\t';
            break;
        case 'r':
            value += '\r';
            break;
        case '\\':
            value += '\\';
            break;
        case '"':
            value += '"';
            break;
        case '\'':
            value += '\'';
            break;
        default:
            badEscape = body.substr(i, 2);
            return std::nullopt;
        }
        ++i;
    }
    return value;
}

void collectTexts(const std::string &path, const std::string &source, std::vector<Text> &texts,
                  std::vector<Failure> &failures)
{
    static const std::string opening = "sjis(";
    for (size_t at = source.find(opening); at != std::string::npos;
         at = source.find(opening, at + 1)) {
        if (at > 0 && isIdentifierChar(source[at - 1]))
            continue;
        size_t start = at + opening.size();
        while (start < source.size() && (source[start] == ' ' || source[start] == '\n'))
            ++start;
        if (start >= source.size() || source[start] != '"')
            continue; // not a text: the declaration, or a call the compiler will refuse
        ++start;
        const std::string where = path + ":" + std::to_string(lineOf(source, at)) + ": ";
        size_t end = start;
        while (end < source.size() && source[end] != '"' && source[end] != '\n')
            end += source[end] == '\\' ? 2 : 1;
        if (end >= source.size() || source[end] != '"') {
            failures.push_back({where + "unterminated sjis() text"});
            continue;
        }
        const std::string body = source.substr(start, end - start);
        size_t after = end + 1;
        while (after < source.size() && (source[after] == ' ' || source[after] == '\n'))
            ++after;
        if (after >= source.size() || source[after] != ')') {
            failures.push_back(
                {where + "sjis(\"" + body + "\" ...): write the text as one literal"});
            continue;
        }
        std::string badEscape;
        std::optional<std::string> value = unescape(body, badEscape);
        if (!value) {
            failures.push_back({where + "sjis(\"" + body + "\"): escape " + badEscape
                                + " is not taken; write the character itself"});
            continue;
        }
        if (!toCp932(*value)) {
            failures.push_back({where + "sjis(\"" + body
                                + "\"): the text cannot be written in Shift_JIS (CP932)"});
            continue;
        }
        texts.push_back({body, *value});
    }
}

std::string hexBytes(const std::string &bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char byte : bytes) {
        out += "\\x";
        out += digits[byte >> 4];
        out += digits[byte & 15];
    }
    return out;
}

std::string tableSource(const std::vector<Text> &texts)
{
    std::ostringstream out;
    out << "// Generated by tools/sjis_text_table.cpp from the sjis(\"...\") texts of the sources; "
           "do not edit.\n"
           "inline constexpr SjisLiteral kSjisTexts[] = {\n";
    std::set<std::string> written;
    for (const Text &text : texts) {
        if (!written.insert(text.literal).second)
            continue;
        out << "    {\"" << text.literal << "\", \"" << hexBytes(*toCp932(text.utf8)) << "\"},\n";
    }
    if (written.empty())
        out << "    {\"\", \"\"},\n";
    out << "};\n";
    return out.str();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::cerr << "usage: sjis_text_table OUTPUT.h SOURCE...\n";
        return 2;
    }
    std::vector<Text> texts;
    std::vector<Failure> failures;
    for (int i = 2; i < argc; ++i) {
        const std::optional<std::string> source = readFile(argv[i]);
        if (!source) {
            std::cerr << argv[i] << ": cannot be read\n";
            return 1;
        }
        collectTexts(argv[i], *source, texts, failures);
    }
    for (const Failure &failure : failures)
        std::cerr << failure.message << '\n';
    if (!failures.empty())
        return 1;

    const std::string table = tableSource(texts);
    if (readFile(argv[1]) == table)
        return 0;
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << table;
    out.close();
    if (!out) {
        std::cerr << argv[1] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
