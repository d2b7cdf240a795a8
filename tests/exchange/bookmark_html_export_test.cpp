#include "exchange/bookmark_html_export.h"

#include "common/data_kind.h"
#include "common/sjis_literal.h"
#include "python_checker.h"
#include "sample_card.h"
#include "tests/support/first_differing_line.h"
#include "tests/support/temp_dir.h"
#include "views/bookmark/bookmark_view_core.h"
#include "views/common/record_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using exchange_testing::CheckedEntry;

BookmarkRecord bookmark(const char *title, const char *url, int32_t folder = -1,
                        const char *folderName = "")
{
    BookmarkRecord record{};
    record.header = {RECORD_VERSION_BOOKMARK, sizeof(BookmarkRecord), KIND_BOOKMARK, 0, 0};
    views::setFieldText(record.title, title);
    views::setFieldText(record.url, url);
    views::setFieldText(record.folder, folderName);
    record.folderNumber = folder;
    return record;
}

constexpr char Head[] = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                        "<TITLE>Bookmarks</TITLE>\n"
                        "<H1>Bookmarks</H1>\n";

class BookmarkHtmlExportTest : public testing::Test
{
protected:
    void add(const BookmarkRecord &record) { ASSERT_EQ(store.AppendRecord(record), 1); }

    views::BookmarkStore store;
};

TEST_F(BookmarkHtmlExportTest, FoldersComeFirstThenTheBookmarksWithoutFolder)
{
    add(bookmark("Search", "http://search.example.com/"));
    add(bookmark(sjis("天気予報"), "http://www.example.jp/i/weather?area=13&x=1", 1,
                 sjis("ニュース")));
    add(bookmark(sjis("乗換案内"), "http://transit.example.jp/i/", 2, sjis("交通")));
    add(bookmark(sjis("ニュース速報"), "http://news.example.jp/i/", 1, sjis("ニュース")));

    EXPECT_EQ(
        exchange::exportBookmarkHtml(store),
        std::string(Head)
            + "<DL><p>\n"
              "    <DT><H3>ニュース</H3>\n"
              "    <DL><p>\n"
              "        <DT><A HREF=\"http://www.example.jp/i/weather?area=13&amp;x=1\">天気予報"
              "</A>\n"
              "        <DT><A HREF=\"http://news.example.jp/i/\">ニュース速報</A>\n"
              "    </DL><p>\n"
              "    <DT><H3>交通</H3>\n"
              "    <DL><p>\n"
              "        <DT><A HREF=\"http://transit.example.jp/i/\">乗換案内</A>\n"
              "    </DL><p>\n"
              "    <DT><A HREF=\"http://search.example.com/\">Search</A>\n"
              "</DL><p>\n");
}

TEST_F(BookmarkHtmlExportTest, TextsAreEscapedForHtml)
{
    add(bookmark("<b>\"Tom\" & 'Jerry'</b>", "http://x.example/?a=\"1\"&b=<2>", 3, "R&D <lab>"));

    const std::string text = exchange::exportBookmarkHtml(store);
    EXPECT_NE(text.find("<DT><H3>R&amp;D &lt;lab&gt;</H3>"), std::string::npos) << text;
    EXPECT_NE(text.find("<DT><A HREF=\"http://x.example/?a=&quot;1&quot;&amp;b=&lt;2&gt;\">"
                        "&lt;b&gt;&quot;Tom&quot; &amp; &#39;Jerry&#39;&lt;/b&gt;</A>"),
              std::string::npos)
        << text;
}

TEST_F(BookmarkHtmlExportTest, EscapedTextsReadBackWithAnIndependentParser)
{
    add(bookmark("<b>\"Tom\" & 'Jerry'</b>", "http://x.example/?a=\"1\"&b=<2>", 3, "R&D <lab>"));
    add(bookmark(sjis("表示ソフト"), "http://y.example/</A>"));

    const testing_support::TempDir dir;
    const std::string path = dir.file("bookmarks.html");
    ASSERT_TRUE(exchange_testing::writeFile(path, exchange::exportBookmarkHtml(store)));
    const exchange_testing::CheckerRun run
        = exchange_testing::runChecker(EXCHANGE_CHECKERS "check_bookmarks.py", path);
    if (run.skipped)
        GTEST_SKIP() << *run.skipped;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ASSERT_EQ(run.entries.size(), 2u) << run.output;
    CheckedEntry first = run.entries[0];
    EXPECT_EQ(first["folder"], std::vector<std::string>{"R&D <lab>"});
    EXPECT_EQ(first["href"], std::vector<std::string>{"http://x.example/?a=\"1\"&b=<2>"});
    EXPECT_EQ(first["title"], std::vector<std::string>{"<b>\"Tom\" & 'Jerry'</b>"});
    CheckedEntry second = run.entries[1];
    EXPECT_EQ(second["folder"], std::vector<std::string>{""});
    EXPECT_EQ(second["href"], std::vector<std::string>{"http://y.example/</A>"});
    EXPECT_EQ(second["title"], std::vector<std::string>{"表示ソフト"});
}

TEST_F(BookmarkHtmlExportTest, RemovedBookmarksAreLeftOutAndEmptyFoldersKept)
{
    add(bookmark("Kept", "http://kept.example/"));
    add(bookmark("Gone", "http://gone.example/", 4, "Alone"));
    ASSERT_EQ(store.RemoveRecord(1, false), 1);

    EXPECT_EQ(exchange::exportBookmarkHtml(store), std::string(Head)
                                                       + "<DL><p>\n"
                                                         "    <DT><H3>Alone</H3>\n"
                                                         "    <DL><p>\n"
                                                         "    </DL><p>\n"
                                                         "    <DT><A HREF=\"http://kept.example/\">"
                                                         "Kept</A>\n"
                                                         "</DL><p>\n");
}

TEST_F(BookmarkHtmlExportTest, AFolderWithoutNameIsNone)
{
    add(bookmark("Zero", "http://zero.example/", 0, ""));
    const std::string text = exchange::exportBookmarkHtml(store);
    EXPECT_EQ(text.find("<H3>"), std::string::npos) << text;
    EXPECT_NE(text.find("\n    <DT><A HREF=\"http://zero.example/\">Zero</A>\n"), std::string::npos)
        << text;
}

TEST_F(BookmarkHtmlExportTest, AnEmptyStoreGivesAnEmptyList)
{
    EXPECT_EQ(exchange::exportBookmarkHtml(store), std::string(Head) + "<DL><p>\n</DL><p>\n");
}

// The sample card's bookmarks as the P505i plug-in, whose cards carry folders, reads them.
class SampleBookmarksTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(card.problem(), "");
        const OwnedBlock<> block = card.load(KIND_BOOKMARK, "PIM00021.VBM");
        ASSERT_TRUE(block);
        ASSERT_EQ(core.mergeCardBlock(block.get()), 6);
        text = exchange::exportBookmarkHtml(core.store());
    }

    exchange_testing::SampleCard card{"DoCoMo P505i"};
    views::BookmarkViewCore core;
    std::string text;
};

TEST_F(SampleBookmarksTest, MatchesItsGoldenFile)
{
    const std::string expected
        = exchange_testing::readFile(EXCHANGE_TEST_DATA "sample_bookmarks.html");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(text, expected) << testing_support::firstDifferingLine(expected, text);
}

TEST_F(SampleBookmarksTest, ReadsBackFieldByFieldWithAnIndependentParser)
{
    const testing_support::TempDir dir;
    const std::string path = dir.file("bookmarks.html");
    ASSERT_TRUE(exchange_testing::writeFile(path, text));
    const exchange_testing::CheckerRun run
        = exchange_testing::runChecker(EXCHANGE_CHECKERS "check_bookmarks.py", path);
    if (run.skipped)
        GTEST_SKIP() << *run.skipped;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    CheckedEntry file = run.file;
    EXPECT_EQ(file["doctype"], std::vector<std::string>{"DOCTYPE NETSCAPE-Bookmark-file-1"});
    EXPECT_EQ(file["content-type"], std::vector<std::string>{"text/html; charset=UTF-8"});
    EXPECT_EQ(file["folder"], (std::vector<std::string>{"ニュース", "交通"}));
    EXPECT_EQ(file["open-lists"], std::vector<std::string>{"0"}) << "every list closed";

    // What the sample card holds (PIM00021.VBM), folders first in the order they appear.
    const struct
    {
        const char *folder;
        const char *href;
        const char *title;
    } expected[] = {
        {"ニュース", "http://www.example.jp/i/weather?area=13", "天気予報"},
        {"ニュース", "http://news.example.jp/i/", "ニュース速報"},
        {"交通", "http://transit.example.jp/i/", "乗換案内"},
        {"交通", "http://map.example.jp/i/", "地図"},
        {"", "http://recipe.example.com/i/", "レシピ"},
        {"", "http://search.example.com/", "Search"},
    };
    ASSERT_EQ(run.entries.size(), std::size(expected)) << run.output;
    for (size_t i = 0; i < std::size(expected); ++i) {
        CheckedEntry entry = run.entries[i];
        EXPECT_EQ(entry["folder"], std::vector<std::string>{expected[i].folder}) << i;
        EXPECT_EQ(entry["href"], std::vector<std::string>{expected[i].href}) << i;
        EXPECT_EQ(entry["title"], std::vector<std::string>{expected[i].title}) << i;
    }
}

} // namespace
