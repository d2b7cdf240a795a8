#pragma once

// The text a mail record carries beside its fixed part: the message's lines as the phone
// held them, joined with CR LF (a header of "Name: value" lines, an empty line, the body).
// Texts are Shift_JIS or whatever the message's header says.

#include <string>
#include <string_view>
#include <vector>

namespace exchange {

struct HeaderField
{
    std::string name;  // as written, without the colon
    std::string value; // without the white space after the colon; each fold kept as LF and
                       // the white space that begins the continuation line
};

struct StoredMessage
{
    std::vector<HeaderField> header;
    std::string body; // the lines after the header as stored, CR LF and all
};

// Splits text into header and body. The header is the leading run of field lines (a name of
// printable ASCII without a colon, then ':') and their continuation lines (beginning with a
// space or a tab); it ends at an empty line, which belongs to neither, or at the first other
// line, with which the body begins. A text that does not begin with a field line is all body.
// Lines end with CR LF or LF.
StoredMessage parseStoredMessage(std::string_view text);

// The value of the first field named name (compared without regard to case), or null.
const std::string *headerValue(const StoredMessage &message, std::string_view name);

// Whether two ASCII texts are equal without regard to case: field names, media types,
// parameter names.
bool equalNoCase(std::string_view a, std::string_view b);

} // namespace exchange
