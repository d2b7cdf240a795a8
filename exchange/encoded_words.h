#pragma once

// Mail header values beyond ASCII as MIME encoded words (UTF-8, base64), for the mail export.

#include <string>
#include <string_view>

namespace exchange {

// Whether text holds bytes beyond ASCII only.
bool isAscii(std::string_view text);

// utf8 as an unstructured header value (Subject and the like): unchanged when it is ASCII,
// else a run of "=?UTF-8?B?...?=" words, each holding at most 36 bytes of whole characters,
// separated by a fold (LF and a space) so that no line grows long.
std::string encodeHeaderText(std::string_view utf8);

// utf8 as an address list (From, To, Cc, Reply-To, ...): unchanged when it is ASCII, else each
// address (splitAddressList) whose text is not ASCII gets its display name (what stands before
// the angle brackets, its quotes removed) as encoded words, or is encoded whole when it has no
// angle brackets; the addresses are joined by a comma and a fold.
std::string encodeAddressList(std::string_view utf8);

} // namespace exchange
