#include "codec/handset_kit.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using Converter = int (*)(const char *, char *);

// Runs a conversion on a heap copy of exactly the source and its terminator, so that a read
// past the terminator shows under AddressSanitizer, and checks that the size-only call agrees.
std::string convert(Converter function, const std::string &source)
{
    auto input = std::make_unique<char[]>(source.size() + 1);
    std::copy(source.begin(), source.end(), input.get());
    input[source.size()] = '\0';
    const int size = function(input.get(), nullptr);
    auto output = std::make_unique<char[]>(static_cast<size_t>(size) + 1);
    EXPECT_EQ(function(input.get(), output.get()), size);
    EXPECT_EQ(output[static_cast<size_t>(size)], '\0');
    return std::string(output.get(), static_cast<size_t>(size));
}

const std::string kKanjiIn = "\x1B$B";
const std::string kKanjiOut = "\x1B(B";

struct Case
{
    std::string source;
    std::string expected;
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << testing::PrintToString(c.source);
}

class JisToSJisTest : public testing::TestWithParam<Case>
{};

TEST_P(JisToSJisTest, Converts)
{
    EXPECT_EQ(convert(JisToSJis, GetParam().source), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JisToSJisTest,
    testing::Values(
        Case{"\nx\n", "\r\nx\r\n"}, Case{"\r\n", "\r\n"},
        Case{kKanjiIn + "\x30\x21" + kKanjiOut, "\x88\x9F"},
        Case{kKanjiIn + "\x30\x21\x30\x22" + kKanjiOut + "a", "\x88\x9F\x88\xA0" "a"},
        // Escapes other than the two are copied and leave the mode alone.
        Case{"\x1B$@\x30\x21", "\x1B$@\x30\x21"},
        Case{"\x1B(J" + kKanjiIn + "\x24\x22", "\x1B(J\x82\xA0"},
        // Half-width katakana and control characters pass unchanged.
        Case{"\xB1\xB2\x01", "\xB1\xB2\x01"},
        // A code whose second byte is not a JIS byte has no Shift_JIS form.
        Case{kKanjiIn + "\x30\n" + kKanjiOut + "z", std::string("\0\0z", 3)},
        // Bytes outside 0x21-0x7E in kanji mode are ordinary bytes.
        Case{kKanjiIn + " \n", " \r\n"},
        // A row byte right before the end has no cell: it becomes a failed character.
        Case{kKanjiIn + "\x30", std::string("\0\0", 2)},
        // An escape cut by the end is copied as it stands.
        Case{"a\x1B$", "a\x1B$"}, Case{"\x1B", "\x1B"}, Case{"", ""}),
    [](const testing::TestParamInfo<Case> &info) { return "Case" + std::to_string(info.index); });

class SJisToJisTest : public testing::TestWithParam<Case>
{};

TEST_P(SJisToJisTest, Converts)
{
    EXPECT_EQ(convert(SJisToJis, GetParam().source), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SJisToJisTest,
    testing::Values(
        Case{"\x88\x9F" "a", kKanjiIn + "\x30\x21" + kKanjiOut + "a"},
        Case{"\x88\x9F\x88\xA0", kKanjiIn + "\x30\x21\x30\x22" + kKanjiOut},
        Case{"x\r\ny", "x\ny"},
        // A CR without LF is kept; nothing after it is lost.
        Case{"x\ry", "x\ry"}, Case{"x\r", "x\r"},
        Case{"\xB1\xB2", "\xB1\xB2"},
        // Vendor and user-defined characters have no JIS code.
        Case{"\xF0\x40" "b", kKanjiIn + std::string("\0\0", 2) + kKanjiOut + "b"},
        // A trail byte outside the trail ranges makes the pair fail; both bytes are consumed.
        Case{"\x88\x7F" "c", kKanjiIn + std::string("\0\0", 2) + kKanjiOut + "c"},
        // A lead byte right before the end is a cut character.
        Case{"a\x88", "a" + kKanjiIn + std::string("\0\0", 2) + kKanjiOut},
        // Trail byte 0x5C is part of its character, not a backslash.
        Case{"\x83\x5C\\", kKanjiIn + "\x25\x3D" + kKanjiOut + "\\"}, Case{"", ""}),
    [](const testing::TestParamInfo<Case> &info) { return "Case" + std::to_string(info.index); });

TEST(JisConversionTest, NullSourceYieldsZero)
{
    EXPECT_EQ(JisToSJis(nullptr, nullptr), 0);
    EXPECT_EQ(SJisToJis(nullptr, nullptr), 0);
}

TEST(JisConversionTest, EveryJisX0208CodeRoundTrips)
{
    for (int row = 0x21; row <= 0x7E; ++row) {
        for (int cell = 0x21; cell <= 0x7E; ++cell) {
            const std::string jis = kKanjiIn + static_cast<char>(row) + static_cast<char>(cell)
                                    + kKanjiOut;
            const std::string sjis = convert(JisToSJis, jis);
            ASSERT_EQ(sjis.size(), 2u) << std::hex << row << ' ' << cell;
            ASSERT_EQ(convert(SJisToJis, sjis), jis) << std::hex << row << ' ' << cell;
        }
    }
}

} // namespace
