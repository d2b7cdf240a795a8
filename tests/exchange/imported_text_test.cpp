#include "exchange/imported_text.h"

#include "common/sjis_literal.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct TextCase
{
    const char *name;
    std::string utf8;
    size_t maxBytes;
    std::string sjis;
    int replaced;
    size_t fullBytes;
};

void PrintTo(const TextCase &c, std::ostream *out)
{
    *out << c.name;
}

class ImportedTextTest : public testing::TestWithParam<TextCase>
{
};

TEST_P(ImportedTextTest, ConvertsCountsAndCutsOnACharacterBoundary)
{
    const TextCase &c = GetParam();
    const exchange::ImportedText text = exchange::importedText(c.utf8, c.maxBytes);
    EXPECT_EQ(text.sjis, c.sjis);
    EXPECT_EQ(text.replaced, c.replaced);
    EXPECT_EQ(text.fullBytes, c.fullBytes);
    EXPECT_EQ(text.cut(), c.sjis.size() < c.fullBytes);
}

const TextCase TextCases[] = {
    {"AsciiStaysAsItIs", "Lunch at 12", 64, "Lunch at 12", 0, 11},
    {"KanjiBecomeTwoBytesEach", "会議", 64, sjis("会議"), 0, 4},
    {"WaveDashTakesCodePage932sForm", "〜", 64, sjis("～"), 0, 2},
    {"HalfWidthKanaStaysOneByte", "ｱﾗｰﾑ", 64, sjis("ｱﾗｰﾑ"), 0, 4},
    // An emoji is four UTF-8 bytes but one character: one '?'.
    {"ACharacterOutsideCodePage932IsOneQuestionMark", "Party 🎉 é", 64, "Party ? ?", 2, 9},
    {"EveryBrokenByteIsOneQuestionMark", "a\xC3(\xE3\x81", 64, "a?(??", 3, 5},
    {"OverlongAndSurrogateFormsAreBroken", "\xC0\xAF\xED\xA0\x80", 64, "?????", 5, 5},
    {"CutKeepsWholeCharacters", "a会議室", 4, "a" + std::string(sjis("会")), 0, 7},
    {"CutAtExactlyTheEnd", "会議", 4, sjis("会議"), 0, 4},
    {"NothingFitsInZeroBytes", "会議", 0, "", 0, 4},
};

INSTANTIATE_TEST_SUITE_P(Cases, ImportedTextTest, testing::ValuesIn(TextCases),
                         [](const testing::TestParamInfo<TextCase> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
