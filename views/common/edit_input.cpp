#include "edit_input.h"

namespace views {

bool passesFilter(CharacterFilter filter, char32_t character)
{
    const bool digit = character >= U'0' && character <= U'9';
    switch (filter) {
    case CharacterFilter::Any:
        return true;
    case CharacterFilter::Digits:
        return digit;
    case CharacterFilter::PhoneNumber:
        return digit || character == U'-';
    }
    return false;
}

std::string withoutLineBreaks(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        if (c != '\r' && c != '\n')
            kept += c;
    }
    return kept;
}

} // namespace views
