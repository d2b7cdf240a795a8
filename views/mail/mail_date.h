#pragma once

#include <string>
#include <string_view>

namespace views {

// The date column of a message: the header's date text ("Fri, 01 Aug 2003 12:34:56 +0900")
// shown as "2003/08/01 12:34:56". Leading white space and a weekday with its comma are
// skipped, a missing second reads as 0, the time zone is ignored and a two-digit year stays as
// written. A month name other than the twelve English abbreviations (compared without regard
// to case) shows lower-cased in place of its number; a field that could not be read shows -1.
// Any input is safe: nothing is read past the end of date.
std::string MailDateText(std::string_view date);

} // namespace views
