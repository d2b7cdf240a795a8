// The layers under the card loaders: lines from bytes, parameters and values from lines.
#include "plugins/core/card_values.h"
#include "plugins/core/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace plugin;

namespace {

// A stream over the given bytes.
class Bytes
{
public:
    explicit Bytes(const std::string &bytes)
        : m_file(std::tmpfile(), std::fclose)
    {
        std::fwrite(bytes.data(), 1, bytes.size(), m_file.get());
        std::rewind(m_file.get());
    }
    std::FILE *file() { return m_file.get(); }

private:
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> m_file;
};

std::vector<std::string> allLines(const std::string &bytes)
{
    Bytes stream(bytes);
    LineReader reader(stream.file());
    std::vector<std::string> lines;
    std::string line;
    while (reader.readLine(line))
        lines.push_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineReaderTest, EndsLinesAtCrLfOrLfAndKeepsOtherCrs)
{
    EXPECT_EQ(allLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(allLines("a\rb\r\r\n\n"), (Lines{"a\rb\r", ""}));
    EXPECT_EQ(allLines(""), Lines{});
    EXPECT_EQ(allLines("x\r"), Lines{"x\r"});
}

TEST(LineReaderTest, SplitsLinesLongerThanTheBufferAndCutsAtNul)
{
    const Lines lines = allLines(std::string(5000, 'a') + "\r\n" + std::string("b\0c\n", 4) + "d");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].size(), LineReader::kLineBytes);
    EXPECT_EQ(lines[1].size(), 5000 - LineReader::kLineBytes);
    EXPECT_EQ(lines[2], "b");
    EXPECT_EQ(lines[3], "d");
}

TEST(LineReaderTest, ReturnsToASavedPosition)
{
    Bytes stream("one\ntwo\nthree\n");
    LineReader reader(stream.file());
    std::string line;
    ASSERT_TRUE(reader.readLine(line));
    ASSERT_TRUE(reader.savePosition());
    while (reader.readLine(line)) {
    }
    ASSERT_TRUE(reader.restorePosition());
    ASSERT_TRUE(reader.readLine(line));
    EXPECT_EQ(line, "two");
}

TEST(ParamFlagsTest, ReadsCharsetAndEncodingParameters)
{
    struct Case
    {
        const char *line;
        bool jis;
        bool quotedPrintable;
    };
    const Case cases[] = {
        {"N:plain", false, false},
        {"N;CHARSET=SHIFT_JIS:x", false, false},
        {"N;charset=shift_jis:x", false, false},
        {"N;CHARSET=ISO-2022-JP:x", true, false},
        {"NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=Shift_JIS:x", false, true},
        {"NOTE;ENCODING=BASE64:x", false, false},
        {"NOTE;ENCODING=QUOTED-PRINTABLE;ENCODING=8BIT:x", false, false},
        {"NOTE:CHARSET=JIS;ENCODING=QUOTED-PRINTABLE", false, false}, // after the ':'
    };
    for (const Case &c : cases) {
        const ParamFlags flags = paramFlags(c.line);
        EXPECT_EQ(flags.jis, c.jis) << c.line;
        EXPECT_EQ(flags.quotedPrintable, c.quotedPrintable) << c.line;
    }
}

TEST(CardValuesTest, CutsAndPicksComponents)
{
    EXPECT_EQ(cutComponents("a;b;;;", 4), "a");
    EXPECT_EQ(cutComponents("a;b", 4), "a");
    EXPECT_EQ(cutComponents("", 4), "");
    EXPECT_EQ(component(";;addr;;;code;", 2), "addr");
    EXPECT_EQ(component(";;addr;;;code;", 5), "code");
    EXPECT_EQ(component(";;addr", 5), "");
    EXPECT_EQ(afterColon("TEL;CELL:1:2"), "1:2");
    EXPECT_EQ(afterColon("TEL"), "");
    EXPECT_EQ(afterColon(":N:x", 1), "x");
}

TEST(CardValuesTest, ReadsNumbersWithoutOverflow)
{
    EXPECT_EQ(leadingNumber("42abc"), 42);
    EXPECT_EQ(leadingNumber(" -7"), -7);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("x1"), 0);
    EXPECT_EQ(leadingNumber("99999999999999999999"), 2147483647);
    EXPECT_EQ(leadingNumber("-99999999999999999999"), -2147483647 - 1);
    EXPECT_TRUE(readsAsNumber("2.1", "2.1"));
    EXPECT_TRUE(readsAsNumber("02.10 extra", "2.1"));
    EXPECT_FALSE(readsAsNumber("2.11", "2.1"));
    EXPECT_FALSE(readsAsNumber("3.0", "2.1"));
    EXPECT_FALSE(readsAsNumber("", "2.1"));
    EXPECT_FALSE(readsAsNumber(" 2.1", "2.1"));
}

TEST(CardValuesTest, StoresOnlyValuesThatFitTheirField)
{
    char field[8];
    EXPECT_TRUE(storeText("1234567", field));
    EXPECT_STREQ(field, "1234567");
    EXPECT_FALSE(storeText("12345678", field));
    EXPECT_STREQ(field, "");
    EXPECT_TRUE(storeValue("=41=42", {false, true}, field));
    EXPECT_STREQ(field, "AB");
    // Two JIS characters take 4 bytes and fit 6 with the terminator; three take 6 and do not.
    char small[6];
    EXPECT_TRUE(storeValue("\x1B$B0!0!\x1B(B", {true, false}, small));
    EXPECT_STREQ(small, "\x88\x9F\x88\x9F");
    EXPECT_FALSE(storeValue("\x1B$B0!0!0!\x1B(B", {true, false}, small));
    EXPECT_STREQ(small, "");
}

TEST(ReadContinuationTest, JoinsSoftBreaksAndLeavesTheRestForTheNextRead)
{
    Bytes stream("second=\r\nthird\r\nNEXT:1\r\n");
    LineReader reader(stream.file());
    std::string line = "NOTE;ENCODING=QUOTED-PRINTABLE:first=";
    ReadContinuation(reader, line);
    EXPECT_EQ(line, "NOTE;ENCODING=QUOTED-PRINTABLE:firstsecondthird");
    std::string next;
    ASSERT_TRUE(reader.readLine(next));
    EXPECT_EQ(next, "NEXT:1");
}

TEST(ReadContinuationTest, StopsBeforeTheValueBufferIsFull)
{
    std::string bytes;
    for (int i = 0; i < 10; ++i)
        bytes += std::string(1000, 'a') + "=\n";
    bytes += "NEXT:1\n";
    Bytes stream(bytes);
    LineReader reader(stream.file());
    std::string line = "NOTE:=";
    ReadContinuation(reader, line);
    EXPECT_EQ(line.size(), kValueBytes - 1);
    std::string next;
    ASSERT_TRUE(reader.readLine(next));
    EXPECT_NE(next, "NEXT:1"); // the rest of the cut line comes first
}

} // namespace
