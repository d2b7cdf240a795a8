#include "exchange/vcard_reader.h"

#include "common/sjis_literal.h"
#include "exchange/charset_decoding.h"
#include "exchange/transfer_decoding.h"
#include "platform/sjis_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using exchange::VCardLine;
using exchange::VCardParameter;
using Lines = std::vector<std::string>;

TEST(VCardReaderTest, UnfoldsLines)
{
    struct Case
    {
        const char *what;
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"CR LF, LF and a lone CR end lines", "A:1\r\nB:2\nC:3\rD:4", {"A:1", "B:2", "C:3", "D:4"}},
        {"a byte-order mark is skipped",
         "\xEF\xBB\xBF"
         "A:1\r\n",
         {"A:1"}},
        {"empty lines are dropped", "A:1\r\n\r\n\r\nB:2\r\n", {"A:1", "B:2"}},
        {"a space or tab continues the line, itself dropped",
         "NOTE:ab\r\n cd\r\n\tef\r\n",
         {"NOTE:abcdef"}},
        {"a leading space with nothing before it is a line", " A:1", {" A:1"}},
        {"a soft break joins the next line as it stands",
         "NOTE;ENCODING=QUOTED-PRINTABLE:a=\r\n b=\r\nc\r\nX:1",
         {"NOTE;ENCODING=QUOTED-PRINTABLE:a bc", "X:1"}},
        {"the bare 2.1 word counts, in any case",
         "N;quoted-printable:a=\r\nb",
         {"N;quoted-printable:ab"}},
        {"a soft break takes an empty line and stops there",
         "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:H=C3=B6rmann;Joseph=\n\nTEL;HOME:028\n",
         {"N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:H=C3=B6rmann;Joseph", "TEL;HOME:028"}},
        {"an escape split by the soft break comes together",
         "N;QUOTED-PRINTABLE:=D0=9A==\nD0=A1\n",
         {"N;QUOTED-PRINTABLE:=D0=9A=D0=A1"}},
        {"END:VCARD is never taken into a soft-broken value",
         "NOTE;QUOTED-PRINTABLE:a=\r\nEND:VCARD\r\n",
         {"NOTE;QUOTED-PRINTABLE:a", "END:VCARD"}},
        {"a '=' ends other lines as it is", "NOTE:a=\r\nB:1", {"NOTE:a=", "B:1"}},
        {"a value naming the encoding is no soft break",
         "NOTE:QUOTED-PRINTABLE=\r\nB:1",
         {"NOTE:QUOTED-PRINTABLE=", "B:1"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(exchange::unfoldVCardLines(c.bytes), c.lines) << c.what;
}

TEST(VCardReaderTest, SplitsContentLines)
{
    struct Case
    {
        const char *line;
        std::optional<VCardLine> parsed;
    };
    const Case cases[] = {
        {"TEL:123", VCardLine{"", "TEL", {}, "123"}},
        {"item1.tel;type=CELL,voice:+81 90",
         VCardLine{"item1", "TEL", {{"TYPE", {"CELL", "voice"}}}, "+81 90"}},
        {"TEL;CELL;HOME:1", VCardLine{"", "TEL", {{"TYPE", {"CELL"}}, {"TYPE", {"HOME"}}}, "1"}},
        {"NOTE;QUOTED-PRINTABLE;CHARSET=SHIFT_JIS:=82=A0",
         VCardLine{"",
                   "NOTE",
                   {{"ENCODING", {"QUOTED-PRINTABLE"}}, {"CHARSET", {"SHIFT_JIS"}}},
                   "=82=A0"}},
        {"PHOTO;b;TYPE=JPEG:AAAA",
         VCardLine{"", "PHOTO", {{"ENCODING", {"b"}}, {"TYPE", {"JPEG"}}}, "AAAA"}},
        {"TEL;TYPE=\"home,voice\":1", VCardLine{"", "TEL", {{"TYPE", {"home", "voice"}}}, "1"}},
        {"N;SORT-AS=\"Yamada,Taro\":Yamada;Taro",
         VCardLine{"", "N", {{"SORT-AS", {"Yamada", "Taro"}}}, "Yamada;Taro"}},
        {"X-A;LABEL=\"a:b;c\":v:w", VCardLine{"", "X-A", {{"LABEL", {"a:b;c"}}}, "v:w"}},
        {"NOTE;;:x", VCardLine{"", "NOTE", {}, "x"}},
        {"EMAIL:", VCardLine{"", "EMAIL", {}, ""}},
        {"no colon at all", std::nullopt},
        {":value without a name", std::nullopt},
        {"group.:value", std::nullopt},
        {"X;A=\"open:quote", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(exchange::parseVCardLine(c.line), c.parsed) << c.line;
}

TEST(VCardReaderTest, DecodesValues)
{
    using Fields = std::vector<std::vector<std::string>>;
    struct Case
    {
        const char *what;
        std::string line;
        exchange::VCardDialect dialect;
        std::string text;
        Fields fields;
    };
    const exchange::VCardDialect v21{true, false}, v21Sjis{true, true}, v30{false, false};
    const Case cases[] = {
        {"2.1 escapes ';', '\\', ':' and ',' but no line break",
         "N:a\\;b;c\\\\;\\:d\\,e\\n",
         v21,
         "a;b;c\\;:d,e\\n",
         {{"a;b"}, {"c\\"}, {":d,e\\n"}}},
        {"2.1 commas are no lists",
         "ADR:;;Baytown, LA",
         v21,
         ";;Baytown, LA",
         {{""}, {""}, {"Baytown, LA"}}},
        {"3.0 lists and line breaks",
         "CATEGORIES:a,b\\,c\\nd;e",
         v30,
         "a,b,c\nd;e",
         {{"a", "b,c\nd"}, {"e"}}},
        {"a backslash of no escape stays", "NOTE:C:\\x\\", v30, "C:\\x\\", {{"C:\\x\\"}}},
        {"quoted-printable Shift_JIS with printable second bytes",
         "NOTE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=83R=83=81=83=93=83g",
         v21,
         "コメント",
         {{"コメント"}}},
        {"a Shift_JIS second byte 0x5C is no backslash",
         std::string("N;CHARSET=SHIFT_JIS:") + sjis("ソ") + ";" + sjis("表") + "\\;x",
         v21,
         "ソ;表;x",
         {{"ソ"}, {"表;x"}}},
        {"unlabelled values take the card's Shift_JIS",
         std::string("N:") + sjis("山田;太郎"),
         v21Sjis,
         "山田;太郎",
         {{"山田"}, {"太郎"}}},
        {"a named set wins over the card's", "N;CHARSET=UTF-8:\xC3\xA4", v21Sjis, "ä", {{"ä"}}},
        {"other sets through iconv", "N;CHARSET=ISO-8859-1:\xE4", v21, "ä", {{"ä"}}},
        {"broken UTF-8 becomes U+FFFD", "N:a\xFF", v30, "a\uFFFD", {{"a\uFFFD"}}},
        {"Base64 text with a CHARSET",
         "N;ENCODING=B;CHARSET=UTF-8:5bGx55Sw",
         v30,
         "山田",
         {{"山田"}}},
    };
    for (const Case &c : cases) {
        const std::optional<VCardLine> line = exchange::parseVCardLine(c.line);
        ASSERT_TRUE(line) << c.what;
        const exchange::VCardProperty property = exchange::decodeVCardLine(*line, c.dialect);
        EXPECT_EQ(property.text, c.text) << c.what;
        EXPECT_EQ(property.fields, c.fields) << c.what;
        EXPECT_FALSE(property.binary) << c.what;
        EXPECT_FALSE(property.unknownCharset) << c.what;
    }
}

TEST(VCardReaderTest, KeepsBinaryValuesAndFlagsUnknownSets)
{
    const exchange::VCardProperty photo = exchange::decodeVCardLine(
        *exchange::parseVCardLine("PHOTO;ENCODING=BASE64;TYPE=JPEG:/9j/4A=="), {false, false});
    EXPECT_TRUE(photo.binary);
    EXPECT_EQ(photo.text, "\xFF\xD8\xFF\xE0");

    const exchange::VCardProperty odd = exchange::decodeVCardLine(
        *exchange::parseVCardLine("N;CHARSET=X-NO-SUCH-SET:abc"), {true, false});
    EXPECT_TRUE(odd.unknownCharset);
    EXPECT_EQ(odd.text, "abc");
    // A set name is never more than a name for iconv.
    EXPECT_FALSE(exchange::utf8From("abc", "UTF-8//IGNORE"));
}

TEST(VCardReaderTest, ReadsTheCardsOfAFile)
{
    const std::string file = "junk before\r\n"
                             "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:One\r\nno colon here\r\n"
                             "AGENT:\r\nBEGIN:VCARD\r\nFN:Nested\r\nBEGIN:VCARD\r\nEND:VCARD\r\n"
                             "END:VCARD\r\nTEL:1\r\nEND:VCARD\r\n"
                             "between\r\n"
                             "begin:vcard\r\nFN:Two\r\n";
    const std::vector<exchange::VCardEntry> entries = exchange::readVCards(file);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].version, "3.0");
    ASSERT_EQ(entries[0].properties.size(), 3u);
    EXPECT_EQ(entries[0].properties[0].text, "One");
    EXPECT_EQ(entries[0].properties[1].name, "AGENT");
    EXPECT_EQ(entries[0].properties[2].name, "TEL");
    EXPECT_EQ(entries[0].unreadableLines, 1);
    EXPECT_EQ(entries[0].nestedCards, 1);
    EXPECT_TRUE(entries[0].terminated);
    EXPECT_EQ(entries[1].version, "");
    ASSERT_NE(entries[1].first("FN"), nullptr);
    EXPECT_EQ(entries[1].first("FN")->text, "Two");
    EXPECT_FALSE(entries[1].terminated);
}

TEST(VCardReaderTest, TakesTheCharacterSetOfEachCard)
{
    // "ﾅｶ" in Shift_JIS (C5 B6) is well-formed UTF-8 on its own ("Ŷ"); the kanji of the same
    // card tell the card's set.
    const std::string file = std::string("BEGIN:VCARD\r\nSOUND;X-IRMC-N:") + sjis("ﾅｶ")
                             + "\r\nN:" + sjis("中") + "\r\nEND:VCARD\r\n"
                             + "BEGIN:VCARD\r\nN:Ŷ\r\nEND:VCARD\r\n";
    const std::vector<exchange::VCardEntry> entries = exchange::readVCards(file);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].first("SOUND")->text, "ﾅｶ");
    EXPECT_EQ(entries[0].first("N")->text, "中");
    EXPECT_EQ(entries[1].first("N")->text, "Ŷ");
}

TEST(VCardReaderTest, PropertiesAnswerForTheirParameters)
{
    const exchange::VCardProperty tel = exchange::decodeVCardLine(
        *exchange::parseVCardLine("TEL;TYPE=home;work;TYPE=Cell,fax:1"), {true, false});
    EXPECT_EQ(tel.values("TYPE"), (std::vector<std::string>{"home", "work", "Cell", "fax"}));
    EXPECT_TRUE(tel.hasValue("TYPE", "CELL"));
    EXPECT_FALSE(tel.hasValue("TYPE", "PAGER"));
    EXPECT_TRUE(tel.values("CHARSET").empty());
}

TEST(TransferDecodingTest, QuotedPrintable)
{
    const std::pair<std::string, std::string> cases[] = {
        {"=41=42c", "ABc"}, {"=e3=81=82", "\xE3\x81\x82"},
        {"=8DO", "\x8DO"},  {"a=ZZb", "a=ZZb"},
        {"end=", "end="},   {"end=4", "end=4"},
        {"", ""},
    };
    for (const auto &[encoded, bytes] : cases)
        EXPECT_EQ(exchange::decodeQuotedPrintable(encoded), bytes) << encoded;
}

TEST(TransferDecodingTest, Base64)
{
    const std::pair<std::string, std::string> cases[] = {
        {"TWFu", "Man"}, {"TW Fu\r\n", "Man"}, {"TWE=", "Ma"}, {"TQ==", "M"}, {"TQ==TWFu", "M"},
        {"T", ""},       {"-_", "\xFB"},       {"", ""},
    };
    for (const auto &[encoded, bytes] : cases)
        EXPECT_EQ(exchange::decodeBase64(encoded), bytes) << encoded;
}

TEST(CharsetDecodingTest, TellsUtf8AndShiftJisNames)
{
    EXPECT_TRUE(exchange::isUtf8("plain"));
    EXPECT_TRUE(exchange::isUtf8("山田"));
    EXPECT_FALSE(exchange::isUtf8(sjis("山田")));
    EXPECT_FALSE(exchange::isUtf8("\xC0\xAF"));         // overlong '/'
    EXPECT_FALSE(exchange::isUtf8("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(exchange::isUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    for (const char *name : {"Shift_JIS", "SHIFT-JIS", "sjis", "x-sjis", "CP932", "Windows-31J"})
        EXPECT_TRUE(platform::isShiftJisName(name)) << name;
    for (const char *name : {"UTF-8", "EUC-JP", "ISO-2022-JP", ""})
        EXPECT_FALSE(platform::isShiftJisName(name)) << name;
}

} // namespace
