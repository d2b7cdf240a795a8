#include "app/help_pages.h"
#include "app/string_table.h"

#include <gtest/gtest.h>

namespace {

using app::TextId;

TEST(StringTableTest, CaptionsAreTheSixStartupTexts)
{
    struct Case
    {
        int id;
        const char *text;
    };
    const Case cases[] = {
        {61232, "\x8Cx\x8D\x90"},    // 警告
        {61233, "\x8F\xEE\x95\xF1"}, // 情報
        {61234, "\xB4\xD7\xB0"},     // ｴﾗｰ
        {61235, "\x8Am\x94"
                "F"},                                      // 確認
        {61236, "\x92v\x96\xBD\x93I\x82\xC8\xB4\xD7\xB0"}, // 致命的なｴﾗｰ
        {61237, "\x8F\x89\x8A\xFA\x8B"
                "N\x93\xAE\x8E\x9E\xB4\xD7\xB0"}, // 初期起動時ｴﾗｰ
        {57344, "Cellvane"},
        {1015, "\xD2\xD3\xD8\xB0\xB6\xB0\xC4\xDE\x82\xA9\x82\xE7\x8Cg\x91\xD1\x93"
               "d\x98"
               "b\x82\xCC\xC3\xDE\xB0\xC0\x82\xF0\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x82\xDC\x82"
               "\xB7"}, // ﾒﾓﾘｰｶｰﾄﾞから携帯電話のﾃﾞｰﾀを読み込みます
    };
    for (const Case &c : cases)
        EXPECT_STREQ(app::textOfId(c.id), c.text) << c.id;
    EXPECT_STREQ(app::textOfId(12345), "");
}

TEST(StringTableTest, EveryCommandOfTheBarsHasItsPrompt)
{
    for (int command : {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1012,
                        1013, 1014, 1015, 1016, 1017, 32777, 32778})
        EXPECT_STRNE(app::textOfId(command), "") << command;
}

TEST(StringTableTest, FormatsPrintfStyle)
{
    EXPECT_EQ(app::formatText(TextId::RepeatTimes, 12), "12\x89\xF1"); // 12回
    EXPECT_EQ(app::formatText(TextId::NewDataQuestion, "X").substr(0, 15),
              "\x8C\xBB\x8D\xDD\x8A"
              "J\x82\xA2\x82\xC4\x82\xA2\x82\xE9X");
}

TEST(HelpPagesTest, PagesLieBelowTheProgramDirectoryWithTheirAnchor)
{
    const std::string dir = "/opt/cellvane/";
    const char *expected[]
        = {"file:///opt/cellvane/help/index.html",    "file:///opt/cellvane/help/top.html#04",
           "file:///opt/cellvane/help/bookmark.html", "file:///opt/cellvane/help/address.html",
           "file:///opt/cellvane/help/mail.html",     "file:///opt/cellvane/help/schedule.html"};
    for (int page = 0; page < 6; ++page)
        EXPECT_EQ(app::helpPageUrl(dir, page), expected[page]) << page;
    EXPECT_EQ(app::helpPageUrl(dir, 6), "");
    EXPECT_EQ(app::helpPageUrl(dir, -1), "");
    EXPECT_EQ(app::bannerPageUrl(dir), "file:///opt/cellvane/tessaly/index.html");
}

} // namespace
