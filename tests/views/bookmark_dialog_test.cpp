// The bookmark editors headless: what they show, what they let the user type, and what OK and
// Cancel leave in the store.

#include "views/bookmark/bookmark_edit_dialog.h"
#include "views/bookmark/bookmark_multi_edit_dialog.h"

#include "app/string_table.h"
#include "common/data_kind.h"
#include "common/sjis_literal.h"
#include "tests/app/fakes.h"
#include "views/bookmark/bookmark_store.h"
#include "views/common/qt_text.h"
#include "views/common/sjis_edits.h"

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using views::BookmarkEditDialog;
using views::BookmarkMultiEditDialog;
using views::BookmarkStore;
using views::toQString;

BookmarkLimits modelLimits()
{
    BookmarkLimits limits{};
    limits.urlLength = 256;
    limits.titleLength = 24;
    limits.titleInputMode = 2;
    return limits;
}

BookmarkRecord bookmark(const std::string &title, const std::string &folder, int32_t number)
{
    BookmarkRecord record{};
    record.header.version = RECORD_VERSION_BOOKMARK;
    record.header.size = sizeof record;
    record.header.kind = KIND_BOOKMARK;
    title.copy(record.title, sizeof record.title - 1);
    std::string("http://example.jp/" + title).copy(record.url, sizeof record.url - 1);
    folder.copy(record.folder, sizeof record.folder - 1);
    record.folderNumber = number;
    return record;
}

class BookmarkDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const BookmarkRecord &record :
             {bookmark("a", "Daily", 1), bookmark("b", "", -1), bookmark("c", "Work", 2)})
            ASSERT_EQ(store.MergeRecords(&record, true, false, false), 1);
        store.RefreshAllRows();
    }

    BookmarkStore store;
    ScriptedMessages messages;
};

TEST_F(BookmarkDialogTest, ANewBookmarkStartsWithHttpAndNoFolder)
{
    BookmarkEditDialog dialog(store, true, modelLimits(), &messages);
    EXPECT_EQ(dialog.windowTitle(), toQString(sjis("ﾌﾞｯｸﾏｰｸ - 新規作成")));
    EXPECT_EQ(dialog.urlEdit()->text(), "http://");
    EXPECT_EQ(dialog.titleEdit()->text(), "");
    EXPECT_EQ(dialog.folderList()->currentText(), toQString(sjis("なし")));
    ASSERT_EQ(dialog.folderList()->count(), 3);
    EXPECT_EQ(dialog.folderList()->itemText(1), "   1: [Daily]");
}

TEST_F(BookmarkDialogTest, TitleAndUrlTakeNoMoreThanTheModelsLengths)
{
    BookmarkEditDialog dialog(store, true, modelLimits(), &messages);
    dialog.titleEdit()->clear();
    QTest::keyClicks(dialog.titleEdit(), QString(30, 'x'));
    EXPECT_EQ(dialog.titleEdit()->sjisText(), std::string(24, 'x'));
    dialog.urlEdit()->clear();
    QTest::keyClicks(dialog.urlEdit(), QString(300, 'u'));
    EXPECT_EQ(dialog.urlEdit()->sjisText(), std::string(256, 'u'));
}

TEST_F(BookmarkDialogTest, AnEmptyUrlIsRefusedAndTheDialogStaysOpen)
{
    BookmarkEditDialog dialog(store, true, modelLimits(), &messages);
    dialog.show();
    dialog.urlEdit()->clear();
    dialog.accept();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, app::text(app::TextId::UrlRequired));
    EXPECT_EQ(messages.shown[0].caption, app::text(app::TextId::AppTitle));
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(store.RecordCount(), 3);
}

TEST_F(BookmarkDialogTest, EditingShowsAndReplacesTheFirstSelectedBookmark)
{
    store.setRowSelected(2, true); // c, Work
    BookmarkEditDialog dialog(store, false, modelLimits(), &messages);
    EXPECT_EQ(dialog.windowTitle(), toQString(sjis("ﾌﾞｯｸﾏｰｸ - 編集")));
    EXPECT_EQ(dialog.titleEdit()->text(), "c");
    EXPECT_EQ(dialog.folderList()->currentData().toInt(), 2);
    dialog.titleEdit()->setSjisText("renamed");
    dialog.folderList()->setCurrentIndex(1);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_STREQ(store.record(2)->title, "renamed");
    EXPECT_EQ(store.record(2)->folderNumber, 1);
    EXPECT_STREQ(store.record(2)->folder, "Daily");
    EXPECT_EQ(store.RecordCount(), 3);
}

TEST_F(BookmarkDialogTest, MultiEditWithNoneRemovesTheFoldersWithNoChangeKeepsThem)
{
    store.setRowSelected(0, true);
    store.setRowSelected(2, true);
    {
        BookmarkMultiEditDialog dialog(store);
        ASSERT_EQ(dialog.windowTitle(), toQString(sjis("ﾌﾞｯｸﾏｰｸ - 編集(複数選択)")));
        EXPECT_EQ(dialog.folderList()->currentText(), toQString(sjis("変更しない")));
        EXPECT_EQ(dialog.folderList()->itemText(1), toQString(sjis("なし")));
        dialog.accept();
    }
    EXPECT_EQ(store.record(0)->folderNumber, 1);
    EXPECT_EQ(store.record(2)->folderNumber, 2);
    {
        BookmarkMultiEditDialog dialog(store);
        dialog.folderList()->setCurrentIndex(1);
        dialog.accept();
    }
    EXPECT_EQ(store.record(0)->folderNumber, -1);
    EXPECT_EQ(store.record(2)->folderNumber, -1);
    EXPECT_STREQ(store.record(2)->folder, "");
    {
        BookmarkMultiEditDialog dialog(store);
        dialog.folderList()->setCurrentIndex(3); // "   2: [Work]"
        dialog.reject();
    }
    EXPECT_EQ(store.record(0)->folderNumber, -1) << "Cancel changes nothing";
}

} // namespace
