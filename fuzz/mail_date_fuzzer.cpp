// The mail list's date cell, fed with whatever a card's "Date:" line holds.
#include "views/mail/mail_date.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text
        = views::MailDateText(std::string_view(reinterpret_cast<const char *>(data), size));
    // Always the six fields with their separators.
    if (text.size() < 19)
        std::abort();
    return 0;
}
