#pragma once

// What the editors' edits take: the characters of a field, and text kept on one line.

#include <string>
#include <string_view>

namespace views {

// The characters an edit takes from the keyboard and from pasted text.
enum class CharacterFilter {
    Any,
    Digits,      // 0-9
    PhoneNumber, // 0-9 and "-"
};

bool passesFilter(CharacterFilter filter, char32_t character);

// text without its line breaks (CR LF pairs, and single CR or LF as a widget gives them).
std::string withoutLineBreaks(std::string_view text);

} // namespace views
