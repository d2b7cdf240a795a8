#include "exchange/content_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> physicalLines(const std::string &folded)
{
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < folded.size()) {
        const size_t end = folded.find("\r\n", at);
        lines.push_back(folded.substr(at, end - at));
        at = end == std::string::npos ? folded.size() : end + 2;
    }
    return lines;
}

std::string unfolded(const std::string &folded)
{
    std::string line;
    for (const std::string &physical : physicalLines(folded))
        line += line.empty() ? physical : physical.substr(1);
    return line;
}

bool startsInsideCharacter(const std::string &line, size_t at)
{
    return at < line.size() && (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80;
}

TEST(ContentLineTest, EscapesTheCharactersThatStructureAValue)
{
    const struct
    {
        const char *text;
        const char *escaped;
    } cases[] = {
        {"a;b,c\\d", "a\\;b\\,c\\\\d"},       {"line one\r\nline two", "line one\\nline two"},
        {"cr\ronly\nlf", "cr\\nonly\\nlf"},   {"\r\n\r\n", "\\n\\n"},
        {"誕生日は5月5日", "誕生日は5月5日"}, {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(exchange::escapeContentText(c.text), c.escaped) << c.text;
}

TEST(ContentLineTest, ShortLinesOnlyGetTheirLineEnd)
{
    const std::string line(75, 'x');
    EXPECT_EQ(exchange::foldContentLine(line), line + "\r\n");
    EXPECT_EQ(exchange::foldContentLine(""), "\r\n");
}

TEST(ContentLineTest, LongAsciiLinesFoldAtSeventyFiveOctets)
{
    const std::string line = "NOTE:" + std::string(200, 'a');
    const std::string folded = exchange::foldContentLine(line);
    const std::vector<std::string> lines = physicalLines(folded);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 75u);
    EXPECT_EQ(lines[1].size(), 75u);
    EXPECT_EQ(lines[1][0], ' ');
    EXPECT_EQ(unfolded(folded), line);
}

// Each offset of a line of three-byte characters lets the 75th octet fall on another byte of
// a character; no fold may split one.
TEST(ContentLineTest, FoldsNeverSplitAUtf8Character)
{
    for (size_t lead = 0; lead < 4; ++lead) {
        std::string line = "FN:" + std::string(lead, 'x');
        for (int i = 0; i < 60; ++i)
            line += "漢";
        line += "\xF0\x9F\x98\x80\xF0\x9F\x98\x80";
        const std::string folded = exchange::foldContentLine(line);
        ASSERT_TRUE(folded.ends_with("\r\n"));
        const std::vector<std::string> lines = physicalLines(folded);
        ASSERT_GT(lines.size(), 2u);
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_LE(lines[i].size(), 75u) << lead << " line " << i;
            EXPECT_FALSE(startsInsideCharacter(lines[i], i == 0 ? 0 : 1)) << lead << " line " << i;
        }
        EXPECT_EQ(unfolded(folded), line) << lead;
    }
}

} // namespace
