// The mail list's subject cell, fed with whatever a card's "Subject:" line holds, decoded with
// the codec library's own functions.
#include "codec/handset_kit.h"
#include "views/mail/mail_subject.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const views::MailCodecs codecs{Base64Decode, QuotedPrintableDecode, JisToSJis};
    const std::string_view subject(reinterpret_cast<const char *>(data), size);
    const std::string shown = views::MailSubjectText(subject, codecs);
    // A subject that is no encoded word shows as it is.
    if (subject.find("=?") == std::string_view::npos && shown != subject)
        std::abort();
    return 0;
}
