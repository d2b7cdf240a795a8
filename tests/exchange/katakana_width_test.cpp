#include "exchange/katakana_width.h"

#include <gtest/gtest.h>

namespace {

struct WideningCase
{
    const char *half;
    const char *full;
};

// Readings as the phones store them, and what a today's address book sorts by.
const WideningCase Cases[] = {
    {"ﾔﾏﾀﾞﾊﾅｺ", "ヤマダハナコ"},
    {"ｶﾞｷﾞｸﾞｹﾞｺﾞ", "ガギグゲゴ"},
    {"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ", "パピプペポ"},
    {"ﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞ", "バビブベボ"},
    {"ｳﾞｧｲｵﾘﾝ", "ヴァイオリン"},
    {"ﾜﾞｦﾞ", "ヷヺ"},
    {"ｼﾞｮｰｼﾞ", "ジョージ"},
    {"ﾜﾀﾅﾍﾞﾋﾞｮｳｲﾝ", "ワタナベビョウイン"},
    // Punctuation of the half-width block.
    {"｡｢｣､･", "。「」、・"},
    // A mark after a kana that takes no such mark stays a mark of its own.
    {"ｱﾞ", "ア゛"},
    {"ｶﾟ", "カ゜"},
    {"ﾞｶ", "゛カ"},
    {"Aﾟ", "A゜"},
    // One mark merges, the next stands alone.
    {"ｶﾞﾞ", "ガ゛"},
    // Text that is not half-width stays as it is, full-width kana taking a half-width mark.
    {"Smith ｼﾞｮﾝ", "Smith ジョン"},
    {"やまだ 山田", "やまだ 山田"},
    {"カﾞ", "ガ"},
    {"", ""},
};

TEST(KatakanaWidthTest, HalfWidthKanaBecomeFullWidthWithTheirMarksMerged)
{
    for (const WideningCase &c : Cases)
        EXPECT_EQ(exchange::widenKatakana(c.half), c.full) << c.half;
}

TEST(KatakanaWidthTest, EveryHalfWidthFormHasAFullWidthOne)
{
    // U+FF61 to U+FF9F, three UTF-8 bytes each: none may survive the widening.
    for (char32_t c = 0xFF61; c <= 0xFF9F; ++c) {
        const std::string half
            = {char(0xE0 | c >> 12), char(0x80 | (c >> 6 & 0x3F)), char(0x80 | (c & 0x3F))};
        const std::string wide = exchange::widenKatakana(half);
        EXPECT_EQ(wide.size(), 3u) << std::hex << uint32_t(c);
        EXPECT_NE(wide, half) << std::hex << uint32_t(c);
        EXPECT_NE(wide.substr(0, 2), "\xEF\xBD") << std::hex << uint32_t(c);
        EXPECT_NE(wide.substr(0, 2), "\xEF\xBE") << std::hex << uint32_t(c);
    }
}

TEST(KatakanaWidthTest, BrokenBytesBecomeReplacementCharacters)
{
    EXPECT_EQ(exchange::widenKatakana("\xEF\xBD"), "\uFFFD");
    EXPECT_EQ(exchange::widenKatakana("a\xFF"
                                      "b"),
              "a\uFFFDb");
}

} // namespace
