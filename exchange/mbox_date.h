#pragma once

#include <string>
#include <string_view>

namespace exchange {

// The time stamp of an mbox "From " line for a message's Date text: the moment in UTC in the
// form asctime writes, "Fri Aug  1 09:30:12 2003". The text is read as the mail list reads it
// (MailDateText), then its time zone: "+hhmm" or "-hhmm", UT, UTC, GMT, Z, the North American
// zone names or JST, with a trailing comment "(...)" skipped; without one the phones' own
// Japan time (+0900) is taken. A two-digit year below 50 lies in 2000 and later, any other
// year below 1000 after 1900. A date that cannot be read gives "Thu Jan  1 00:00:00 1970".
std::string mboxFromLineDate(std::string_view date);

} // namespace exchange
