#include "exchange/encoded_words.h"
#include "exchange/mail_address.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using exchange::encodeAddressList;
using exchange::encodeHeaderText;

// The words of an encoded value, split at its folds.
std::vector<std::string> wordsOf(const std::string &value)
{
    std::vector<std::string> words;
    size_t at = 0;
    while (at <= value.size()) {
        const size_t fold = value.find("\n ", at);
        words.push_back(value.substr(at, fold == std::string::npos ? fold : fold - at));
        if (fold == std::string::npos)
            break;
        at = fold + 2;
    }
    return words;
}

std::string base64Decoded(const std::string &text)
{
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        if (c == '=')
            break;
        bits = bits << 6 | static_cast<uint32_t>(alphabet.find(c));
        if ((count += 6) >= 8) {
            count -= 8;
            bytes += static_cast<char>(bits >> count & 0xFF);
        }
    }
    return bytes;
}

TEST(EncodedWordsTest, AsciiStaysAsItIs)
{
    EXPECT_EQ(encodeHeaderText("Summer sale"), "Summer sale");
    EXPECT_EQ(encodeHeaderText("=?ISO-2022-JP?B?GyRCPTVLdiROTT1EahsoQg==?="),
              "=?ISO-2022-JP?B?GyRCPTVLdiROTT1EahsoQg==?=");
    EXPECT_EQ(encodeAddressList("Hanako <hanako@example.jp>, b@example.jp"),
              "Hanako <hanako@example.jp>, b@example.jp");
}

TEST(EncodedWordsTest, TextBeyondAsciiBecomesUtf8Words)
{
    EXPECT_EQ(encodeHeaderText("件名"), "=?UTF-8?B?5Lu25ZCN?=");
    EXPECT_EQ(encodeHeaderText("山田 花子"), "=?UTF-8?B?5bGx55SwIOiKseWtkA==?=");
    EXPECT_EQ(encodeHeaderText("あいうえおかきくけこさしすせそたちつてと"),
              "=?UTF-8?B?44GC44GE44GG44GI44GK44GL44GN44GP44GR44GT44GV44GX?=\n"
              " =?UTF-8?B?44GZ44Gb44Gd44Gf44Gh44Gk44Gm44Go?=");
}

TEST(EncodedWordsTest, LongTextSplitsIntoShortWordsOfWholeCharacters)
{
    // One, two, three and four bytes a character, so that the cut falls everywhere.
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += "aé漢\xF0\x9F\x98\x80";
    const std::vector<std::string> words = wordsOf(encodeHeaderText(text));
    ASSERT_GT(words.size(), 3u);
    std::string decoded;
    for (const std::string &word : words) {
        EXPECT_LE(word.size(), 75u) << word;
        ASSERT_TRUE(word.starts_with("=?UTF-8?B?") && word.ends_with("?=")) << word;
        const std::string bytes = base64Decoded(word.substr(10, word.size() - 12));
        EXPECT_NE(static_cast<unsigned char>(bytes.front()) & 0xC0, 0x80u) << "starts a character";
        decoded += bytes;
    }
    EXPECT_EQ(decoded, text);
}

TEST(EncodedWordsTest, AddressesKeepTheirBareAddressAndEncodeTheirNames)
{
    EXPECT_EQ(encodeAddressList("山田 <hanako@example.jp>"),
              "=?UTF-8?B?5bGx55Sw?= <hanako@example.jp>");
    EXPECT_EQ(encodeAddressList("\"山田\" <hanako@example.jp>"),
              "=?UTF-8?B?5bGx55Sw?= <hanako@example.jp>");
    EXPECT_EQ(encodeAddressList("a@example.jp, 山田 <hanako@example.jp>"),
              "a@example.jp,\n =?UTF-8?B?5bGx55Sw?= <hanako@example.jp>");
    EXPECT_EQ(encodeAddressList("山田"), "=?UTF-8?B?5bGx55Sw?=");
}

TEST(EncodedWordsTest, AddressListsSplitOnlyAtCommasBetweenAddresses)
{
    const std::vector<std::string_view> addresses = exchange::splitAddressList(
        " \"Yamada, Hanako\" <h@example.jp>, b@example.jp (Jiro, B), <c@x.jp> ,, ");
    EXPECT_EQ(addresses, (std::vector<std::string_view>{"\"Yamada, Hanako\" <h@example.jp>",
                                                        "b@example.jp (Jiro, B)", "<c@x.jp>"}));
}

TEST(EncodedWordsTest, BareAddressesAreWhatTheAngleBracketsHoldOrTheFirstWord)
{
    const struct
    {
        const char *address;
        const char *bareAddress;
    } cases[] = {
        {"Hanako <hanako@example.jp>", "hanako@example.jp"},
        {"hanako@example.jp (Hanako)", "hanako@example.jp"},
        {" owner@docomo.ne.jp ", "owner@docomo.ne.jp"},
        {"<a b@example.jp>", ""},
        {"\x8E\x52@example.jp", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(exchange::bareAddressOf(c.address), c.bareAddress) << c.address;
}

} // namespace
