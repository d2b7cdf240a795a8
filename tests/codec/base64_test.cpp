#include "codec/handset_kit.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Decodes into a buffer sized by the size-only call, so that ASan sees any write past it.
std::string decode(const std::string &source)
{
    const int size = Base64Decode(source.c_str(), nullptr);
    std::vector<char> out(static_cast<size_t>(size));
    EXPECT_EQ(Base64Decode(source.c_str(), out.data()), size);
    return std::string(out.begin(), out.end());
}

// The encoded text from byte 16 on, read up to its terminator.
std::string encode(const std::string &source, int *count = nullptr)
{
    const int size = Base64Encode(source.c_str(), nullptr);
    std::vector<char> out(static_cast<size_t>(size) + 1, 'x');
    EXPECT_EQ(Base64Encode(source.c_str(), out.data()), size);
    if (count)
        *count = size;
    return source.empty() ? std::string() : std::string(out.data() + 16);
}

struct DecodeCase
{
    const char *source;
    std::string expected;
};

TEST(Base64DecodeTest, DecodesEveryGroupBegunIntoThreeBytes)
{
    const DecodeCase cases[] = {
        {"YWJj", "abc"},
        {"QQ==", std::string("A\0\0", 3)},
        {"YWI=", std::string("ab\0", 3)},
        {"", ""},
        // A last, short group still yields three bytes; its missing characters count as 0.
        {"QQ", std::string("A\0\0", 3)},
        {"YWJjY", std::string("abc\x60\0\0", 6)},
        // Line breaks and spaces take their place in a group as value 0.
        {"YW\r\nJj", std::string("a`\0&0\0", 6)},
        {"////", "\xFF\xFF\xFF"},
        {"\x80\xFF==", std::string("\0\0\0", 3)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(decode(c.source), c.expected) << "source: " << c.source;
}

TEST(Base64DecodeTest, NullSourceYieldsZero)
{
    EXPECT_EQ(Base64Decode(nullptr, nullptr), 0);
}

TEST(Base64DecodeTest, EmptySourceWritesNothing)
{
    char out[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(Base64Decode("", out), 0);
    EXPECT_EQ(out[0], 'x');
}

TEST(Base64EncodeTest, WritesFromByteSixteenAndLeavesTheFirstBytesAlone)
{
    char out[32];
    std::fill(std::begin(out), std::end(out), 'x');
    EXPECT_EQ(Base64Encode("abc", out), 20);
    EXPECT_EQ(std::string(out, 16), std::string(16, 'x'));
    EXPECT_EQ(std::string(out + 16, 4), "YWJj");
    EXPECT_EQ(out[20], '\0');
}

TEST(Base64EncodeTest, CountsSixteenPlusCharactersPlusOneForAShortLastGroup)
{
    struct Case
    {
        const char *source;
        const char *expected;
        int count;
    };
    const Case cases[] = {
        {"abc", "YWJj", 20},
        {"a", "YQ==", 21},
        {"ab", "YWI=", 21},
        {"abcd", "YWJjZA==", 25},
        {"\xFF\xFE\xFD", "//79", 20},
    };
    for (const auto &c : cases) {
        int count = 0;
        EXPECT_EQ(encode(c.source, &count), c.expected) << c.source;
        EXPECT_EQ(count, c.count) << c.source;
    }
}

TEST(Base64EncodeTest, EmptySourceReturnsSixteenAndWritesNothing)
{
    char out[20];
    std::fill(std::begin(out), std::end(out), 'x');
    EXPECT_EQ(Base64Encode("", out), 16);
    EXPECT_EQ(std::string(out, 20), std::string(20, 'x'));
    EXPECT_EQ(Base64Encode(nullptr, out), 0);
}

TEST(Base64EncodeTest, LongSourceStaysOneLine)
{
    const std::string encoded = encode(std::string(300, 'z'));
    EXPECT_EQ(encoded.size(), 400u);
    EXPECT_EQ(encoded.find_first_of("\r\n"), std::string::npos);
}

TEST(Base64Test, DecodeUndoesEncodeForAnyBytes)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(1, 255);
    for (size_t length = 0; length < 40; ++length) {
        std::string source;
        for (size_t i = 0; i < length; ++i)
            source += static_cast<char>(byte(random));
        // Padding decodes to trailing zero bytes, which a reader takes as the terminator.
        const std::string decoded = decode(encode(source));
        EXPECT_EQ(decoded.substr(0, length), source);
        EXPECT_EQ(decoded.find_first_not_of('\0', length), std::string::npos);
    }
}

} // namespace
