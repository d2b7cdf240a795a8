#pragma once

// The mail for today's mail programs: an mbox file.

#include "views/mail/mail_store.h"

#include <string>

namespace exchange {

// Every message of store's inbox, outbox and trash, in store order, as one mbox file (mboxrd:
// a body line that begins with "From " after any number of '>' gets one '>' more; LF line
// ends; each message followed by an empty line). Messages marked for removal are left out.
// The caller owns the returned bytes; nothing fails (an empty store gives an empty file).
//
// Each message opens with "From <sender> <date>": the bare address of the first From address, or
// MAILER-DAEMON when there is none, and mboxFromLineDate of its Date. Its header holds From,
// To, Subject and Date as the stored message's header has them (the record's fields where the
// header lacks one), then the stored header's other fields in their order; a value beyond
// ASCII (Shift_JIS) goes out as UTF-8 encoded words (encoded_words.h); encoded words already
// there stay as they are. A plain-text body in 7bit, 8bit or binary whose character set
// utf8From knows (Shift_JIS when the header names none) goes out converted to UTF-8 as
// "text/plain; charset=UTF-8" in 8bit, its stored MIME fields replaced; any other body
// (base64, quoted-printable, multipart, an unknown set) goes out as stored with its own MIME
// fields. Then "X-Cellvane-Box: Inbox", "Outbox" or "Trash" and, for
// a message read (or, in the outbox, sent), "Status: RO".
std::string exportMbox(const views::MailStore &store);

} // namespace exchange
