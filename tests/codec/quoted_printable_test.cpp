#include "codec/handset_kit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string decode(const std::string &source, int *count = nullptr)
{
    const int size = QuotedPrintableDecode(source.c_str(), nullptr);
    std::vector<char> out(static_cast<size_t>(size));
    EXPECT_EQ(QuotedPrintableDecode(source.c_str(), out.data()), size);
    if (count)
        *count = size;
    return std::string(out.data(), static_cast<size_t>(size - 1));
}

std::string encode(const std::string &source, int lineLength, int prefixLength,
                   int *count = nullptr)
{
    const int size = QuotedPrintableEncode(source.c_str(), nullptr, lineLength, prefixLength);
    std::vector<char> out(static_cast<size_t>(size), 'x');
    EXPECT_EQ(QuotedPrintableEncode(source.c_str(), out.data(), lineLength, prefixLength), size);
    if (count)
        *count = size;
    return std::string(out.data());
}

// Undoes the soft line breaks, as the card readers do before decoding.
std::string joinSoftBreaks(std::string text)
{
    for (size_t at; (at = text.find("=\n")) != std::string::npos;)
        text.erase(at, 2);
    return text;
}

TEST(QuotedPrintableDecodeTest, DecodesEscapesAndCountsTheTerminator)
{
    struct Case
    {
        const char *source;
        std::string expected;
    };
    const Case cases[] = {
        {"a=3Db", "a=b"},
        {"a=3db", "a=b"},
        {"", ""},
        {"=83=81=83=93", "\x83\x81\x83\x93"},
        // Printable trail bytes left literal by the writer come through as they are.
        {"=83R", "\x83R"},
        {"=00x", std::string("\0x", 2)},
        // A '=' with fewer than two characters after it is copied as it stands.
        {"ab=", "ab="},
        {"ab=4", "ab=4"},
    };
    for (const auto &c : cases) {
        int count = 0;
        EXPECT_EQ(decode(c.source, &count), c.expected) << c.source;
        EXPECT_EQ(count, static_cast<int>(c.expected.size()) + 1) << c.source;
    }
}

TEST(QuotedPrintableDecodeTest, SoftBreakIsNotSpecial)
{
    // "=\r" is taken as a (meaningless) escape; callers join folded lines beforehand.
    const std::string decoded = decode("ab=\r\ncd");
    EXPECT_EQ(decoded.size(), 5u);
    EXPECT_EQ(decoded.substr(0, 2), "ab");
    EXPECT_EQ(decoded.substr(3), "cd");
}

TEST(QuotedPrintableDecodeTest, NullSourceYieldsZero)
{
    EXPECT_EQ(QuotedPrintableDecode(nullptr, nullptr), 0);
}

TEST(QuotedPrintableEncodeTest, EscapesControlsEqualsAndHighBytes)
{
    int count = 0;
    EXPECT_EQ(encode("a b=", 72, 0, &count), "a=20b=3D");
    EXPECT_EQ(count, 13);
    EXPECT_EQ(encode("\t\r\n", 72, 0), "=09=0D=0A");
    // Lead bytes are escaped, a trail byte in 0x40-0x7E and DEL stay literal.
    EXPECT_EQ(encode("\x83R\x83\x93\x7F", 72, 0), "=83R=83=93\x7F");
}

TEST(QuotedPrintableEncodeTest, BreaksLinesWithEqualsAndBareLineFeed)
{
    int count = 0;
    const std::string encoded = encode(std::string(100, 'a'), 72, 0, &count);
    EXPECT_EQ(encoded, std::string(72, 'a') + "=\n" + std::string(28, 'a'));
    EXPECT_EQ(count, 107);
}

TEST(QuotedPrintableEncodeTest, NeverEndsWithASoftBreak)
{
    EXPECT_EQ(encode(std::string(72, 'a'), 72, 0), std::string(72, 'a'));
}

TEST(QuotedPrintableEncodeTest, EscapeBegunAtColumn71MakesA74CharacterLine)
{
    const std::string encoded = encode(std::string(71, 'a') + "\x82\xA0z", 72, 0);
    EXPECT_EQ(encoded, std::string(71, 'a') + "=82=\n=A0z");
}

TEST(QuotedPrintableEncodeTest, NonPositiveLineLengthGivesOneLine)
{
    for (int lineLength : {0, -5})
        EXPECT_EQ(encode(std::string(200, 'b'), lineLength, 0), std::string(200, 'b'));
}

TEST(QuotedPrintableEncodeTest, PrefixIsCopiedAndCountsTowardTheFirstLine)
{
    const std::string name = "NOTE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:";
    ASSERT_EQ(name.size(), 49u);
    const std::string encoded = encode(name + std::string(30, 'c'), 72, 49);
    EXPECT_EQ(encoded, name + std::string(23, 'c') + "=\n" + std::string(7, 'c'));
}

TEST(QuotedPrintableEncodeTest, PrefixBeyondTheSourceCopiesTheSourceAndCountsThePrefix)
{
    int count = 0;
    EXPECT_EQ(encode("NOTE:", 72, 10, &count), "NOTE:");
    EXPECT_EQ(count, 15);
    EXPECT_EQ(encode("NOTE:", 72, 5, &count), "NOTE:");
    EXPECT_EQ(count, 10);
}

TEST(QuotedPrintableEncodeTest, NegativePrefixCountsAsNone)
{
    EXPECT_EQ(encode("a=b", 72, -3), "a=3Db");
}

TEST(QuotedPrintableEncodeTest, NullSourceYieldsZero)
{
    EXPECT_EQ(QuotedPrintableEncode(nullptr, nullptr, 72, 0), 0);
}

TEST(QuotedPrintableTest, DecodeUndoesEncodeAfterJoiningLines)
{
    std::string everyByte;
    for (int b = 1; b < 256; ++b)
        everyByte += static_cast<char>(b);
    for (const std::string &source : {everyByte, std::string("\x83R\x83\x81\x83\x93\x83g"),
                                      std::string(500, '=')})
        EXPECT_EQ(decode(joinSoftBreaks(encode(source, 72, 0))), source);
}

} // namespace
