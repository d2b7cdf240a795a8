#include "common/sjis_literal.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <span>
#include <string>

namespace {

struct SjisTable
{
    const char *owner; // the target whose sources hold the texts
    std::span<const SjisLiteral> texts;
};

#include "sjis_tables.inc"

std::optional<std::string> cp932ToUtf8(std::string_view sjis)
{
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string out(sjis.size() * 3 + 1, '\0');
    char *in = const_cast<char *>(sjis.data());
    size_t inLeft = sjis.size();
    char *outPtr = out.data();
    size_t outLeft = out.size();
    const size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<size_t>(-1) || inLeft != 0)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

TEST(SjisTablesTest, EveryGeneratedTextReadsBackAsItsSource)
{
    ASSERT_GE(std::size(kSjisTables), 9u) << "texts, views, six models and this test";
    for (const SjisTable &table : kSjisTables) {
        for (const SjisLiteral &text : table.texts) {
            const std::optional<std::string> back = cp932ToUtf8(text.bytes);
            ASSERT_TRUE(back) << table.owner << ": " << text.utf8;
            EXPECT_EQ(*back, text.utf8) << table.owner;
        }
    }
}

TEST(SjisTablesTest, TextsBecomeTheirShiftJisBytes)
{
    EXPECT_STREQ(sjis("ｱﾄﾞﾚｽ帳"), "\xB1\xC4\xDE\xDA\xBD\x92\xA0");
    EXPECT_STREQ(sjis("携帯電話（ブルー）\n%d件"), "\x8Cg\x91\xD1\x93"
                                                   "d\x98"
                                                   "b\x81i\x83u\x83\x8B\x81[\x81j\n%d\x8C\x8F");
    EXPECT_STREQ(sjis("i-mode"), "i-mode");
}

struct GeneratorRun
{
    int status;
    std::string messages;
};

GeneratorRun runGenerator(const testing_support::TempDir &dir, const std::string &source)
{
    std::ofstream(dir.file("texts.cpp"), std::ios::binary) << source;
    const std::string command = std::string(SJIS_TEXT_TABLE) + " " + dir.file("table.h") + " "
                                + dir.file("texts.cpp") + " 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    std::string messages;
    char buffer[256];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        messages.append(buffer, n);
    return {WEXITSTATUS(pclose(pipe)), messages};
}

TEST(SjisTextTableTest, RefusesTextsItCannotConvertNamingFileLineAndText)
{
    struct Case
    {
        const char *source;
        const char *message;
    };
    const Case cases[] = {
        {"int a;\nconst char *t = sjis(\"한국어\");\n",
         "texts.cpp:2: sjis(\"한국어\"): the text cannot be written in Shift_JIS (CP932)"},
        {"const char *t = sjis(\"\\x82\\xA0\");\n", "escape \\x is not taken"},
        {"const char *t = sjis(\"電話\" \"番号\");\n", "write the text as one literal"},
        {"const char *t = sjis(\"電話\n", "texts.cpp:1: unterminated sjis() text"},
    };
    for (const Case &c : cases) {
        testing_support::TempDir dir;
        const GeneratorRun run = runGenerator(dir, c.source);
        EXPECT_EQ(run.status, 1) << c.source;
        EXPECT_NE(run.messages.find(c.message), std::string::npos) << run.messages;
        EXPECT_FALSE(std::ifstream(dir.file("table.h"))) << "no table is written";
    }
}

TEST(SjisTextTableTest, WritesEachTextOnceWithItsBytes)
{
    testing_support::TempDir dir;
    const GeneratorRun run = runGenerator(
        dir, "a = sjis(\"ｴﾗｰ\"); b = sjis(\n    \"ｴﾗｰ\"); c = mysjis(\"x\"); d = sjis(name);\n");
    ASSERT_EQ(run.status, 0) << run.messages;
    std::ifstream in(dir.file("table.h"));
    const std::string table((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(table.find("{\"ｴﾗｰ\", \"\\xB4\\xD7\\xB0\"},\n};"), std::string::npos) << table;
    EXPECT_EQ(table.find("ｴﾗｰ"), table.rfind("ｴﾗｰ")) << table;
    EXPECT_EQ(table.find("\"x\""), std::string::npos) << table;
}

} // namespace
