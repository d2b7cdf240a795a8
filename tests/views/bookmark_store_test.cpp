// The bookmark view's store and the editors' rules: card loads, folders, the chain written to
// the card, and what opens in the browser.

#include "views/bookmark/bookmark_store.h"

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/owned_block.h"
#include "common/sjis_literal.h"
#include "views/bookmark/bookmark_edit_rules.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using views::BookmarkStore;

BookmarkRecord bookmark(const std::string &title, const std::string &url,
                        const std::string &folder = "", int32_t number = -1)
{
    BookmarkRecord record{};
    record.header.version = RECORD_VERSION_BOOKMARK;
    record.header.size = sizeof record;
    record.header.kind = KIND_BOOKMARK;
    title.copy(record.title, sizeof record.title - 1);
    url.copy(record.url, sizeof record.url - 1);
    folder.copy(record.folder, sizeof record.folder - 1);
    record.folderNumber = number;
    return record;
}

using Chain = OwnedBlock<>;

Chain cardBlock(const std::vector<BookmarkRecord> &records)
{
    Chain block(AllocateDataBlock(records.size(), sizeof(BookmarkRecord)));
    auto *places = static_cast<BookmarkRecord *>(block.get());
    for (size_t i = 0; i < records.size(); ++i) {
        places[i] = records[i];
        ChainRecords(i > 0 ? &places[i - 1] : nullptr, &places[i]);
        SetRecordLink(&places[i], RECORD_LINK_NEXT, nullptr);
    }
    return block;
}

std::vector<BookmarkRecord> chainRecords(const void *first)
{
    std::vector<BookmarkRecord> records;
    for (const void *link = first; link; link = RecordLink(link, RECORD_LINK_NEXT)) {
        BookmarkRecord record;
        std::memcpy(&record, link, sizeof record);
        records.push_back(record);
    }
    return records;
}

std::vector<std::string> column(const BookmarkStore &store, int column)
{
    std::vector<std::string> texts;
    for (int row = 0; row < store.RowCount(); ++row)
        texts.push_back(store.rowText(row, column));
    return texts;
}

class BookmarkStoreTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const Chain block = cardBlock({bookmark("News", "http://c.example/", "Daily", 1),
                                       bookmark("Weather", "http://a.example/"),
                                       bookmark("Maps", "http://b.example/", "Daily", 1)});
        ASSERT_EQ(store.MergeRecords(block.get(), false, true, true), 3);
        store.RefreshAllRows();
    }

    BookmarkStore store;
};

TEST_F(BookmarkStoreTest, ACardLoadSkipsDuplicatesTheEditorAddsThem)
{
    const Chain again = cardBlock({bookmark("News", "http://c.example/", "Daily", 7),
                                   bookmark("News", "http://c.example/", "Other", 2)});
    EXPECT_EQ(store.MergeRecords(again.get(), false, true, true), 1)
        << "the folder number is not compared, the folder name is";

    const std::optional<BookmarkRecord> edited
        = views::editedBookmark(store, "News", "http://c.example/", 1);
    ASSERT_TRUE(edited);
    ASSERT_TRUE(views::applyBookmarkEdit(store, *edited, true));
    EXPECT_EQ(store.RecordCount(), 5);
    ASSERT_EQ(store.selectedRows().size(), 1u) << "the new bookmark is the only selected row";
    const int row = store.selectedRows().front();
    EXPECT_EQ(store.rowIndex(row), 4);
    EXPECT_EQ(store.rowText(row, 2), "Daily");
}

TEST_F(BookmarkStoreTest, RowsAreSortedByTitleAndShowTheFolders)
{
    EXPECT_EQ(column(store, 0), (std::vector<std::string>{"Maps", "News", "Weather"}));
    EXPECT_EQ(column(store, 2), (std::vector<std::string>{"Daily", "Daily", ""}));
    EXPECT_EQ(store.groups().count(), 1);
}

TEST_F(BookmarkStoreTest, AFolderALaterRecordRenamesIsWrittenUnderItsNewName)
{
    const Chain later = cardBlock({bookmark("Blog", "http://d.example/", "Friends", 1)});
    ASSERT_EQ(store.MergeRecords(later.get(), false, true, false), 1);
    store.RefreshFolderColumn();
    EXPECT_EQ(column(store, 2), (std::vector<std::string>{"Friends", "Friends", "Friends", ""}));

    const Chain chain(store.BuildCardChain());
    const std::vector<BookmarkRecord> written = chainRecords(chain.get());
    ASSERT_EQ(written.size(), 4u);
    for (size_t i = 0; i < written.size(); ++i) {
        EXPECT_EQ(written[i].title, store.rowText(int(i), 0)) << "in display order";
        EXPECT_EQ(written[i].url, store.rowText(int(i), 1));
        EXPECT_EQ(written[i].folder, store.rowText(int(i), 2));
        EXPECT_EQ(written[i].folderNumber, written[i].folder[0] ? 1 : -1)
            << "the number travels with the name";
        EXPECT_EQ(written[i].header.kind, uint32_t(KIND_BOOKMARK));
        EXPECT_EQ(written[i].header.size, sizeof(BookmarkRecord));
    }
}

TEST_F(BookmarkStoreTest, EditingTheThirdRowAfterSortingByUrlChangesThatRecord)
{
    store.SetSortColumn(1);
    store.RefreshFolderColumn();
    ASSERT_EQ(column(store, 1), (std::vector<std::string>{"http://a.example/", "http://b.example/",
                                                          "http://c.example/"}));
    store.DeselectAll();
    store.setRowSelected(2, true);
    const auto edited = views::editedBookmark(store, "Edited", "http://e.example/", -1);
    ASSERT_TRUE(views::applyBookmarkEdit(store, *edited, false));
    EXPECT_STREQ(store.record(0)->title, "Edited") << "News was stored first";
    EXPECT_STREQ(store.record(1)->title, "Weather");
    EXPECT_STREQ(store.record(2)->title, "Maps");
    EXPECT_EQ(store.RecordCount(), 3);
}

TEST_F(BookmarkStoreTest, DeletedRecordsLeaveStoreAndList)
{
    store.DeselectAll();
    EXPECT_EQ(store.MarkRowDeleted(0), 2) << "the row's store index";
    EXPECT_EQ(store.RemoveRecord(-1, false), 1);
    store.RefreshAllRows();
    EXPECT_EQ(column(store, 0), (std::vector<std::string>{"News", "Weather"}));
    EXPECT_EQ(store.RecordCount(), 2);
    EXPECT_EQ(store.MarkRowDeleted(9), -1);
}

TEST_F(BookmarkStoreTest, MultiEditSetsOrRemovesTheFolderOfTheSelection)
{
    store.DeselectAll();
    store.setRowSelected(0, true); // Maps, Daily
    store.setRowSelected(2, true); // Weather, none
    views::applyBookmarkFolder(store, 0);
    EXPECT_EQ(store.record(2)->folderNumber, 1) << "\"変更しない\" changes nothing";
    EXPECT_EQ(store.record(1)->folderNumber, -1);

    views::applyBookmarkFolder(store, 1);
    EXPECT_EQ(store.record(2)->folderNumber, -1) << "\"なし\" removes the folder";
    EXPECT_STREQ(store.record(2)->folder, "");
    EXPECT_EQ(store.record(0)->folderNumber, 1) << "News was not selected";

    views::applyBookmarkFolder(store, 2);
    EXPECT_EQ(store.record(1)->folderNumber, 1);
    EXPECT_STREQ(store.record(1)->folder, "Daily");
}

TEST(BookmarkStoreRecordsTest, ANewBookmarkStartsWithHttp)
{
    BookmarkStore store;
    BookmarkRecord record;
    EXPECT_EQ(store.GetRecord(-1, record), 0);
    EXPECT_STREQ(record.url, "http://");
    EXPECT_STREQ(record.title, "");
    EXPECT_EQ(record.folderNumber, -1);
    EXPECT_EQ(record.header.kind, uint32_t(KIND_BOOKMARK));
}

TEST(BookmarkStoreRecordsTest, ABookmarkWithOnlyAUrlHasNoTitleAndNoFolder)
{
    BookmarkStore store;
    EXPECT_FALSE(views::editedBookmark(store, "Title", "", -1)) << "the URL is required";
    const auto edited = views::editedBookmark(store, "", "x", -1);
    ASSERT_TRUE(edited);
    ASSERT_TRUE(views::applyBookmarkEdit(store, *edited, true));
    EXPECT_STREQ(store.record(0)->title, "");
    EXPECT_STREQ(store.record(0)->url, "x");
    EXPECT_EQ(store.record(0)->folderNumber, -1);
    EXPECT_EQ(store.groups().count(), 0);
}

TEST(BookmarkStoreRecordsTest, TextsAreCutOnCharacterBoundaries)
{
    BookmarkStore store;
    std::string title;
    for (int i = 0; i < 200; ++i)
        title += sjis("あ");
    const auto edited = views::editedBookmark(store, "x" + title, "http://x/", -1);
    ASSERT_TRUE(edited);
    EXPECT_EQ(std::strlen(edited->title), 259u);
    EXPECT_EQ(std::string(edited->title).back(), sjis("あ")[1]);
}

TEST(BookmarkStoreRecordsTest, StopsAtOneThousandBookmarks)
{
    std::vector<BookmarkRecord> records;
    for (int i = 0; i < 1001; ++i)
        records.push_back(bookmark(std::to_string(i), "http://x/"));
    const Chain block = cardBlock(records);
    BookmarkStore store;
    EXPECT_EQ(store.MergeRecords(block.get(), false, true, false), BookmarkStore::Ceiling);
    BookmarkRecord other = bookmark("other", "http://x/");
    EXPECT_EQ(store.AppendRecord(other), 0);
}

TEST(BookmarkStoreRecordsTest, OtherKindsAndCirclesAreNotMerged)
{
    BookmarkRecord wrong = bookmark("a", "http://a/");
    wrong.header.kind = KIND_MAIL;
    Chain block = cardBlock({wrong, bookmark("b", "http://b/")});
    BookmarkStore store;
    EXPECT_EQ(store.MergeRecords(block.get(), false, true, false), 1);
    auto *records = static_cast<BookmarkRecord *>(block.get());
    SetRecordLink(&records[1], RECORD_LINK_NEXT, &records[0]);
    EXPECT_EQ(store.MergeRecords(block.get(), true, true, false), 0);
    EXPECT_EQ(store.ReplaceRecord(0, wrong), -1);
    EXPECT_EQ(store.ReplaceRecord(4, bookmark("c", "http://c/")), -1);
}

TEST(BookmarkUrlTest, OnlyWebAddressesAreOpened)
{
    struct Case
    {
        const char *url;
        bool opened;
    };
    const Case cases[] = {
        {"http://www.example.jp/", true},
        {"HTTP://WWW.EXAMPLE.JP/", true},
        {"https://secure.example/", true},
        {"HtTpS://secure.example/", true},
        {"", false},
        {"http:/", false},
        {"ftp://files.example/", false},
        {"javascript:alert(1)", false},
        {"file:///etc/passwd", false},
        {" http://x/", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(views::IsOpenableBookmarkUrl(c.url), c.opened) << c.url;
}

TEST(BookmarkUrlTest, TheFirstSelectedRowsUrlIsOpened)
{
    const Chain block = cardBlock(
        {bookmark("a", "HTTP://A.EXAMPLE/"), bookmark("b", "ftp://b/"), bookmark("c", "")});
    BookmarkStore store;
    store.MergeRecords(block.get(), false, true, false);
    store.RefreshAllRows();
    EXPECT_FALSE(store.OpenBookmarkUrl()) << "nothing selected";
    store.setRowSelected(0, true);
    store.setRowSelected(1, true);
    EXPECT_EQ(store.OpenBookmarkUrl(), "HTTP://A.EXAMPLE/");
    store.setRowSelected(0, false);
    EXPECT_FALSE(store.OpenBookmarkUrl());
    store.setRowSelected(1, false);
    store.setRowSelected(2, true);
    EXPECT_FALSE(store.OpenBookmarkUrl()) << "an empty URL";
}

TEST(BookmarkFolderItemsTest, NoneThenEveryFolder)
{
    const Chain block = cardBlock({bookmark("a", "u", "Daily", 3), bookmark("b", "v", "Work", 12)});
    BookmarkStore store;
    store.MergeRecords(block.get(), false, true, false);
    const std::vector<views::ChoiceItem> items = views::bookmarkFolderItems(store);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0], (views::ChoiceItem{sjis("なし"), -1}));
    EXPECT_EQ(items[1], (views::ChoiceItem{"   3: [Daily]", 3}));
    EXPECT_EQ(items[2], (views::ChoiceItem{"  12: [Work]", 12}));
}

TEST_F(BookmarkStoreTest, APcImageLoadsBackEveryBookmarkDuplicatesIncluded)
{
    const Chain twin = cardBlock({bookmark("News", "http://c.example/", "Daily", 1)});
    ASSERT_EQ(store.MergeRecords(twin.get(), true, false, false), 1);
    const std::vector<unsigned char> image = store.BuildPcBlock(0x44500101);
    ASSERT_EQ(image.size(), 32u + 4 * sizeof(BookmarkRecord));

    BookmarkStore loaded;
    loaded.setModified(true);
    EXPECT_EQ(loaded.LoadPcBlock(image.data(), image.size(), 0x44500101), -1);
    EXPECT_EQ(loaded.RecordCount(), 4) << "the PC file keeps duplicates";
    EXPECT_FALSE(loaded.isModified());
    loaded.RefreshAllRows();
    store.RefreshAllRows();
    for (int c = 0; c < BookmarkStore::ColumnCount; ++c)
        EXPECT_EQ(column(loaded, c), column(store, c)) << c;

    EXPECT_EQ(loaded.LoadPcBlock(image.data(), image.size(), 0x44460101), 1);
    EXPECT_EQ(loaded.LoadPcBlock(image.data(), image.size() - 1, 0x44500101), 0);
    EXPECT_EQ(loaded.RecordCount(), 4) << "a refused image changes nothing";
    EXPECT_EQ(BookmarkStore().BuildPcBlock(1).size(), 32u) << "an empty store: the header alone";
}

} // namespace
