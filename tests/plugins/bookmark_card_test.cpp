// Bookmark cards (vBookmark) of every model through LoadData and SaveData: the written text
// against expected card files, write-then-read round trips, and the loaders' rules.
#include "kind_records.h"

#include "common/data_kind.h"
#include "plugins/core/plugin_interface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

BookmarkRecord bookmarkRecord(const std::string &title, const std::string &url)
{
    BookmarkRecord record{};
    record.header.version = RECORD_VERSION_BOOKMARK;
    record.header.size = sizeof(BookmarkRecord);
    record.header.kind = KIND_BOOKMARK;
    putText(record.title, title);
    putText(record.url, url);
    record.folderNumber = -1;
    return record;
}

std::vector<BookmarkRecord> sampleBookmarks()
{
    BookmarkRecord first
        = bookmarkRecord(sjis("天気予報"), "http://www.example.jp/i/weather?area=13&day=1");
    putText(first.folder, sjis("ニュース"));
    first.folderNumber = 3;
    BookmarkRecord second = bookmarkRecord("Search", "http://search.example.com/");
    return {first, second};
}

// What a model's card keeps of the folder of sampleBookmarks.
struct Carried
{
    const char *model;
    const char *extension;
    bool folderNumber;
    bool folderName;
};

const Carried kCarried[] = {
    {"sh505i", "VBM", false, false}, {"p505i", "VBM", true, true},   {"so505i", "URL", true, false},
    {"d505i", "URL", false, false},  {"n505i", "VBM", false, false}, {"f505i", "VBM", true, true},
};

class BookmarkCardTest : public testing::TestWithParam<size_t>
{
protected:
    const Carried &carried() const { return kCarried[GetParam()]; }
    std::string path() const
    {
        return folder.file(std::string("PIM00001.") + kCarried[GetParam()].extension);
    }
    int32_t save(std::vector<BookmarkRecord> records)
    {
        return saveRecords(folder, KIND_BOOKMARK, path(), std::move(records));
    }
    std::vector<BookmarkRecord> load()
    {
        return loadRecords<BookmarkRecord>(folder, KIND_BOOKMARK, path());
    }

    CardFolder folder{kCarried[GetParam()].model};

    void SetUp() override
    {
        ASSERT_TRUE(folder.plugin().isLoaded()) << folder.plugin().loadError();
    }
};

TEST_P(BookmarkCardTest, WritesTheExpectedCardText)
{
    ASSERT_EQ(save(sampleBookmarks()), 0);
    const std::string expected = readFile(std::string(CELLVANE_TEST_DATA) + "/" + carried().model
                                          + "/bookmark/Sample." + carried().extension);
    ASSERT_FALSE(expected.empty());
    const std::string written = readFile(path());
    EXPECT_EQ(written, expected) << firstDifferingLine(expected, written);
}

TEST_P(BookmarkCardTest, ReadsBackEveryFieldTheModelCarries)
{
    const std::vector<BookmarkRecord> in = sampleBookmarks();
    ASSERT_EQ(save(in), 0);
    const std::vector<BookmarkRecord> loaded = load();
    EXPECT_EQ(folder.plugin().getPluginLastError(), 0);
    ASSERT_EQ(loaded.size(), 2u);
    for (size_t i = 0; i < loaded.size(); ++i) {
        SCOPED_TRACE("bookmark " + std::to_string(i));
        EXPECT_EQ(loaded[i].header.version, RECORD_VERSION_BOOKMARK);
        EXPECT_EQ(loaded[i].header.size, 932u);
        EXPECT_EQ(loaded[i].header.kind, static_cast<uint32_t>(KIND_BOOKMARK));
        EXPECT_STREQ(loaded[i].title, in[i].title);
        EXPECT_STREQ(loaded[i].url, in[i].url);
    }
    EXPECT_EQ(loaded[0].folderNumber, carried().folderNumber ? 3 : 0);
    EXPECT_STREQ(loaded[0].folder, carried().folderName ? in[0].folder : "");
    EXPECT_EQ(loaded[1].folderNumber, 0); // -1 is written as folder 0
    EXPECT_NE(loaded[1].header.prev, 0);
}

TEST_P(BookmarkCardTest, FailsAndLeavesNoFileForAChainWithoutBookmarks)
{
    BookmarkRecord other = bookmarkRecord("t", "u");
    other.header.kind = KIND_SCHEDULE;
    EXPECT_EQ(save({other}), PLUGIN_NO_ENTRY);
    EXPECT_FALSE(fs::exists(path()));
}

TEST_P(BookmarkCardTest, LeavesAUrlOrTitleThatDoesNotFitEmpty)
{
    writeFile(path(), cardText({"BEGIN:VBKM", "VERSION:1.0", "URL:" + std::string(516, 'u'),
                                "TITLE:" + std::string(260, 't'), "END:VBKM", "BEGIN:VBKM",
                                "VERSION:1.0", "URL:" + std::string(515, 'u'),
                                "TITLE:" + std::string(259, 't'), "END:VBKM"}));
    const std::vector<BookmarkRecord> loaded = load();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_STREQ(loaded[0].url, "");
    EXPECT_STREQ(loaded[0].title, "");
    EXPECT_EQ(std::string(loaded[1].url), std::string(515, 'u'));
    EXPECT_EQ(std::string(loaded[1].title), std::string(259, 't'));
}

std::string modelName(const testing::TestParamInfo<size_t> &info)
{
    return kCarried[info.param].model;
}

INSTANTIATE_TEST_SUITE_P(AllModels, BookmarkCardTest, testing::Range<size_t>(0, 6), modelName);

class BookmarkLoaderTest : public testing::Test
{
protected:
    std::vector<BookmarkRecord> load(const std::string &model, const Lines &lines)
    {
        CardFolder folder(model);
        const std::string path = folder.file("PIM00001.VBM");
        writeFile(path, cardText(lines));
        auto records = loadRecords<BookmarkRecord>(folder, KIND_BOOKMARK, path);
        m_code = folder.plugin().getPluginLastError();
        return records;
    }
    int32_t m_code = 0;
};

TEST_F(BookmarkLoaderTest, SkipsABookmarkOfAnotherVersion)
{
    const auto loaded
        = load("sh505i", {"BEGIN:VBKM", "VERSION:2.0", "URL:http://old/", "END:VBKM", "BEGIN:VBKM",
                          "VERSION:1.0", "URL:http://new/", "END:VBKM"});
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_STREQ(loaded[0].url, "http://new/");
    EXPECT_TRUE(load("sh505i", {"BEGIN:VBKM", "VERSION:2.0", "URL:x", "END:VBKM"}).empty());
    EXPECT_EQ(m_code, PLUGIN_NO_ENTRY);
    EXPECT_TRUE(load("sh505i", {"BEGIN:VBKM", "VERSION:1.0", "URL:x"}).empty());
    EXPECT_EQ(m_code, PLUGIN_NO_ENTRY);
}

TEST_F(BookmarkLoaderTest, TakesNothingFromTheEnvPart)
{
    const auto loaded
        = load("n505i", {"BEGIN:VBKM", "VERSION:1.0", "TITLE:t", "BEGIN:ENV", "URL=http://env/",
                         "URL:http://env2/", "TITLE:env", "END:ENV", "END:VBKM"});
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_STREQ(loaded[0].url, "");
    EXPECT_STREQ(loaded[0].title, "t");
}

TEST_F(BookmarkLoaderTest, DecodesTitlesByTheirParameters)
{
    const auto loaded
        = load("sh505i", {"BEGIN:VBKM", "VERSION:1.0",
                          "TITLE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=93=56=8B=43",
                          "END:VBKM", "BEGIN:VBKM", "VERSION:1.0",
                          "TITLE;CHARSET=ISO-2022-JP:\x1b$BE75$\x1b(B", "END:VBKM"});
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(std::string(loaded[0].title), sjis("天気"));
    EXPECT_EQ(std::string(loaded[1].title), sjis("天気"));
}

TEST_F(BookmarkLoaderTest, ReadsFolderPropertiesByModel)
{
    const Lines bookmark = {"BEGIN:VBKM",
                            "VERSION:1.0",
                            "X-GNO:4",
                            "X-GN;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=41=",
                            "=42",
                            "X-SEMC-FLDNO:-2",
                            "X-FUJITSU-BM_FNO:7",
                            "X-FUJITSU-BM_FN:F",
                            "END:VBKM"};
    struct Case
    {
        const char *model;
        int32_t number;
        const char *name;
    };
    const Case cases[] = {{"sh505i", 0, ""}, {"p505i", 4, "AB"}, {"so505i", 0, ""},
                          {"d505i", 0, ""},  {"n505i", 0, ""},   {"f505i", 7, "F"}};
    for (const Case &c : cases) {
        const auto loaded = load(c.model, bookmark);
        ASSERT_EQ(loaded.size(), 1u) << c.model;
        EXPECT_EQ(loaded[0].folderNumber, c.number) << c.model;
        EXPECT_STREQ(loaded[0].folder, c.name) << c.model;
    }
}

TEST(BookmarkWriterTest, WritesFolderNumbersOutsideTheModelsRangeAsZero)
{
    struct Case
    {
        const char *model;
        int32_t number;
        const char *line;
    };
    const Case cases[] = {
        {"f505i", 11, "X-FUJITSU-BM_FNO:0"},
        {"f505i", 10, "X-FUJITSU-BM_FNO:10"},
        {"so505i", 11, "X-SEMC-FLDNO:0"},
        {"so505i", 10, "X-SEMC-FLDNO:10"},
        {"p505i", 10, "X-GNO:0"},
        {"p505i", 9, "X-GNO:9"},
    };
    for (const Case &c : cases) {
        CardFolder folder(c.model);
        BookmarkRecord record = bookmarkRecord("t", "u");
        record.folderNumber = c.number;
        const std::string path = folder.file("PIM00001.VBM");
        ASSERT_EQ(saveRecords(folder, KIND_BOOKMARK, path, std::vector<BookmarkRecord>{record}), 0);
        const Lines lines = textLines(readFile(path));
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end())
            << c.model << " " << c.number;
    }
}

TEST(BookmarkWriterTest, WritesTheTitleQuotedPrintableForSh505iWithoutCountingTheName)
{
    CardFolder sh("sh505i");
    const std::string title(70, 'a');
    const std::string path = sh.file("PIM00001.VBM");
    ASSERT_EQ(saveRecords(sh, KIND_BOOKMARK, path,
                          std::vector<BookmarkRecord>{bookmarkRecord(title, "http://x/")}),
              0);
    const Lines lines = textLines(readFile(path));
    EXPECT_EQ(lines.at(3), "TITLE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:" + title);
    EXPECT_STREQ(loadRecords<BookmarkRecord>(sh, KIND_BOOKMARK, path).at(0).title, title.c_str());
}

TEST(BookmarkWriterTest, WritesAnEmptyUrlAsABareShortcutForSo505i)
{
    for (const char *model : {"so505i", "d505i"}) {
        CardFolder folder(model);
        const std::string path = folder.file("BMRK0001.URL");
        ASSERT_EQ(saveRecords(folder, KIND_BOOKMARK, path,
                              std::vector<BookmarkRecord>{bookmarkRecord("", "")}),
                  0);
        const Lines lines = textLines(readFile(path));
        const Lines so = {"BEGIN:VBKM",
                          "VERSION:1.0",
                          "URL:",
                          "TITLE:",
                          "X-SEMC-FLDNO:0",
                          "BEGIN:ENV",
                          "X-IRMC-URL;ENCODING=QUOTED-PRINTABLE:=",
                          "[InternetShortcut]",
                          "END:ENV",
                          "END:VBKM"};
        const Lines d = {"BEGIN:VBKM",
                         "VERSION:1.0",
                         "URL:",
                         "TITLE:",
                         "BEGIN:ENV",
                         "X-IRMC-URL;ENCODING=QUOTED-PRINTABLE:=",
                         "[InternetShortcut]=",
                         "URL=",
                         "END:ENV",
                         "END:VBKM"};
        EXPECT_EQ(lines, std::string(model) == "so505i" ? so : d) << model;
    }
}

} // namespace
