#pragma once

// Content lines of the directory formats (vCard 3.0): escaped text values and folding.

#include <string>
#include <string_view>

namespace exchange {

// utf8 as a text value: "\" ";" "," written as "\\" "\;" "\,", and every line break (CR LF,
// CR or LF) as "\n".
std::string escapeContentText(std::string_view utf8);

// line (name, parameters, ':' and value, UTF-8, no line break) ending with CR LF and folded
// so that no physical line holds more than 75 octets: each continuation line starts with one
// space, and no fold falls inside a UTF-8 character.
std::string foldContentLine(std::string_view line);

} // namespace exchange
