#include "stored_message.h"

#include <cctype>

namespace exchange {
namespace {

// The length of the field name line begins with, up to its colon; 0 when it is no field line.
size_t fieldNameLength(std::string_view line)
{
    size_t at = 0;
    while (at < line.size() && line[at] > ' ' && line[at] < 0x7F && line[at] != ':')
        ++at;
    return at > 0 && at < line.size() && line[at] == ':' ? at : 0;
}

bool isFold(std::string_view line)
{
    return !line.empty() && (line.front() == ' ' || line.front() == '\t');
}

} // namespace

StoredMessage parseStoredMessage(std::string_view text)
{
    StoredMessage message;
    size_t at = 0;
    while (at < text.size()) {
        const size_t newline = text.find('\n', at);
        const size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
        std::string_view line = text.substr(at, next - at);
        if (line.ends_with('\n'))
            line.remove_suffix(1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty()) {
            at = next;
            break;
        }
        if (isFold(line) && !message.header.empty()) {
            message.header.back().value += '\n';
            message.header.back().value += line;
        } else if (const size_t name = fieldNameLength(line); name > 0) {
            std::string_view value = line.substr(name + 1);
            while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
                value.remove_prefix(1);
            message.header.push_back({std::string(line.substr(0, name)), std::string(value)});
        } else {
            break;
        }
        at = next;
    }
    if (message.header.empty())
        at = 0;
    message.body = std::string(text.substr(at));
    return message;
}

const std::string *headerValue(const StoredMessage &message, std::string_view name)
{
    for (const HeaderField &field : message.header) {
        if (equalNoCase(field.name, name))
            return &field.value;
    }
    return nullptr;
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i]))
            != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

} // namespace exchange
