#pragma once

// The reading (furigana) filled in while the name is typed: kana committed by the input method
// become half-width katakana, and half-width characters typed straight into the name are
// copied. Texts are Shift_JIS.

#include <optional>
#include <string>
#include <string_view>

namespace views {

// text in half-width katakana: hiragana and katakana (voiced and semi-voiced ones as two
// characters, ｶﾞ ﾊﾟ), small kana, the long-vowel mark, the kana punctuation, full-width
// Latin letters, digits and space; half-width characters stay. Nothing when text holds any
// other character (kanji among them): its reading cannot be known.
std::optional<std::string> halfWidthReading(std::string_view text);

// A byte typed into the name that the reading takes too: printable ASCII or half-width
// katakana.
bool isReadingCharacter(unsigned char character);

// The name edit at the moment input arrives.
struct NameEditState
{
    bool empty = true;
    bool wholeTextSelected = false; // the input replaces all of it
};

// The reading after the input method committed committed into the name: its half-width
// reading follows the current reading, or replaces it when the name is empty or about to be
// replaced as a whole; cut to readingLength bytes. Nothing when the reading stays as it is (a
// locked reading, or a commit whose reading cannot be known).
std::optional<std::string> readingAfterCommit(std::string_view reading, int readingLength,
                                              const NameEditState &name,
                                              std::string_view committed);

// The reading after character was typed into the name: the same rule with that character,
// taken only while the reading is shorter than readingLength. Nothing when it stays.
std::optional<std::string> readingAfterTyping(std::string_view reading, int readingLength,
                                              const NameEditState &name, unsigned char character);

} // namespace views
