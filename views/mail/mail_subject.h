#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace host {
class CodecBinding;
}

namespace views {

// The codec functions the subject decoding calls, with HandsetKit's contracts
// (codec/handset_kit.h): a null dst sizes, a buffer converts. An empty function is missing.
struct MailCodecs
{
    using Function = std::function<int(const char *src, char *dst)>;
    Function base64Decode;
    Function quotedPrintableDecode;
    Function jisToSjis;
};

// The codecs of binding; none while it is not bound (subjects then show as stored). binding
// must outlive them.
MailCodecs mailCodecsOf(const host::CodecBinding &binding);

// The subject column of a message. A subject that is, after leading white space, one MIME
// encoded word "=?charset?B?...?=" or "=?charset?Q?...?=" (the marker in capitals) shows
// decoded and converted to Shift_JIS by its character set: ISO-2022-JP through jisToSjis,
// Shift_JIS and sets iconv does not know as decoded, any other set through iconv; in a Q word
// '_' stands for a space. A word with a one-character payload shows empty, one with none
// unchanged; the decoded text ends at its first NUL. Every other subject, and every subject
// while a decoder is missing, shows unchanged. Any input is safe.
std::string MailSubjectText(std::string_view subject, const MailCodecs &codecs);

} // namespace views
