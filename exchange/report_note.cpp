#include "report_note.h"

#include "platform/sjis_text.h"

#include <cstdarg>
#include <cstdio>

namespace exchange {

std::string reportNote(app::TextId id, ...)
{
    // The format goes to UTF-8 first, so that UTF-8 arguments join text of their own set.
    const std::string format = platform::sjisToUtf8(app::text(id));
    va_list arguments;
    va_start(arguments, id);
    va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, format.c_str(), copy);
    va_end(copy);
    std::string note;
    if (length > 0) {
        note.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(note.data(), note.size(), format.c_str(), arguments);
        note.resize(static_cast<size_t>(length));
    }
    va_end(arguments);
    return note;
}

} // namespace exchange
