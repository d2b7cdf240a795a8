#include "exchange/stored_message.h"

#include <gtest/gtest.h>

namespace {

using exchange::parseStoredMessage;
using exchange::StoredMessage;

TEST(StoredMessageTest, SplitsTheTextAsThePhoneStoredIt)
{
    const StoredMessage message = parseStoredMessage("From: hanako@example.jp\r\n"
                                                     "To: owner@docomo.ne.jp\r\n"
                                                     "Subject: =?ISO-2022-JP?B?GyRC?=\r\n"
                                                     "Date: Fri, 01 Aug 2003 18:30:12 +0900\r\n"
                                                     "\r\n"
                                                     "body\r\n"
                                                     "\r\n"
                                                     "Not: a header\r\n");
    ASSERT_EQ(message.header.size(), 4u);
    EXPECT_EQ(message.header[0].name, "From");
    EXPECT_EQ(message.header[0].value, "hanako@example.jp");
    EXPECT_EQ(message.header[3].value, "Fri, 01 Aug 2003 18:30:12 +0900");
    EXPECT_EQ(message.body, "body\r\n\r\nNot: a header\r\n");
    EXPECT_EQ(*exchange::headerValue(message, "SUBJECT"), "=?ISO-2022-JP?B?GyRC?=");
    EXPECT_EQ(exchange::headerValue(message, "Cc"), nullptr);
}

TEST(StoredMessageTest, ContinuationLinesStayWithTheirField)
{
    const StoredMessage message
        = parseStoredMessage("To: a@example.jp,\n\tb@example.jp\nX-Empty:\n\nbody");
    ASSERT_EQ(message.header.size(), 2u);
    EXPECT_EQ(message.header[0].value, "a@example.jp,\n\tb@example.jp");
    EXPECT_EQ(message.header[1].value, "");
    EXPECT_EQ(message.body, "body");
}

TEST(StoredMessageTest, TextsWithoutHeaderAreAllBody)
{
    const struct
    {
        const char *text;
        const char *body;
        size_t fields;
    } cases[] = {
        {"just a line\r\nFrom: later\r\n", "just a line\r\nFrom: later\r\n", 0},
        {"\r\nFrom: after an empty line\r\n", "\r\nFrom: after an empty line\r\n", 0},
        {" folded: first\r\n", " folded: first\r\n", 0},
        {"From : space before the colon\r\n", "From : space before the colon\r\n", 0},
        {"", "", 0},
        // A header that runs into a line of another kind ends there.
        {"Subject: x\r\nno colon here\r\n", "no colon here\r\n", 1},
        {"Subject: x", "", 1},
    };
    for (const auto &c : cases) {
        const StoredMessage message = parseStoredMessage(c.text);
        EXPECT_EQ(message.header.size(), c.fields) << c.text;
        EXPECT_EQ(message.body, c.body) << c.text;
    }
}

} // namespace
