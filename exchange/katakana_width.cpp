#include "katakana_width.h"

#include "exchange/utf8_text.h"

namespace exchange {
namespace {

constexpr char32_t FirstHalfWidth = 0xFF61;
// U+FF61 to U+FF9F in order: the full-width character each half-width form stands for.
constexpr std::u32string_view FullWidth = U"。「」、・ヲァィゥェォャュョッー"
                                          U"アイウエオカキクケコサシスセソタチツテト"
                                          U"ナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン"
                                          U"゛゜";
static_assert(FullWidth.size() == 0xFF9F - FirstHalfWidth + 1);

constexpr char32_t HalfWidthVoicedMark = 0xFF9E;
constexpr char32_t HalfWidthSemiVoicedMark = 0xFF9F;

// The kana that take each mark and what they become with it, position by position.
constexpr std::u32string_view Voiceable = U"ウカキクケコサシスセソタチツテトハヒフヘホワヲ";
constexpr std::u32string_view Voiced = U"ヴガギグゲゴザジズゼゾダヂヅデドバビブベボヷヺ";
constexpr std::u32string_view SemiVoiceable = U"ハヒフヘホ";
constexpr std::u32string_view SemiVoiced = U"パピプペポ";
static_assert(Voiceable.size() == Voiced.size() && SemiVoiceable.size() == SemiVoiced.size());

bool isHalfWidth(char32_t c)
{
    return c >= FirstHalfWidth && c < FirstHalfWidth + FullWidth.size();
}

// Merges mark into the kana last written when it takes the mark.
bool mergeMark(std::u32string &wide, char32_t mark)
{
    if (wide.empty())
        return false;
    const std::u32string_view takers = mark == HalfWidthVoicedMark ? Voiceable : SemiVoiceable;
    const std::u32string_view merged = mark == HalfWidthVoicedMark ? Voiced : SemiVoiced;
    const size_t at = takers.find(wide.back());
    if (at == std::u32string_view::npos)
        return false;
    wide.back() = merged[at];
    return true;
}

} // namespace

std::string widenKatakana(std::string_view utf8)
{
    std::u32string wide;
    for (char32_t c : utf8CodePoints(utf8)) {
        const bool mark = c == HalfWidthVoicedMark || c == HalfWidthSemiVoicedMark;
        if (mark && mergeMark(wide, c))
            continue;
        wide.push_back(isHalfWidth(c) ? FullWidth[c - FirstHalfWidth] : c);
    }
    return utf8Text(wide);
}

} // namespace exchange
