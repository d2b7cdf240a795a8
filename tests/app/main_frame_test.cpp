#include "app/main_frame.h"

#include "app/bitmap_button.h"
#include "app/button_bars.h"
#include "app/mobile_view.h"
#include "app/model_select_dialog.h"
#include "app/string_table.h"
#include "common/data_kind.h"
#include "fakes.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "program_directory.h"
#include "records.h"
#include "tests/support/temp_dir.h"
#include "views/address/address_view.h"
#include "views/bookmark/bookmark_multi_edit_dialog.h"
#include "views/bookmark/bookmark_view.h"
#include "views/common/qt_text.h"
#include "views/mail/mail_view.h"
#include "views/schedule/calendar_view.h"
#include "views/schedule/schedule_edit_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <cstddef>
#include <filesystem>

#include <gtest/gtest.h>

namespace {

using namespace app;
using platform::MessageAnswer;

class MainFrameTest : public testing::Test
{
protected:
    void SetUp() override
    {
        directory.withPlugin("alpha").withPlugin("beta");
        ASSERT_EQ(plugins.discover(directory.path() + "Plugins/"), 2);
        ASSERT_TRUE(plugins.selectByModelName("alpha"));
        limits.refill(plugins);
        frame = std::make_unique<CMainFrame>(
            FrameServices{plugins, limits, messages, settings, shell, directory.path(), &files});
    }

    views::DataView &view(int kind) { return *frame->dataView(kind); }

    void addRecord(int kind, const std::vector<unsigned char> &record)
    {
        if (kind == KindAddress) {
            AddressRecord entry;
            std::memcpy(&entry, record.data(), sizeof entry);
            auto &addresses = static_cast<views::CAddressView &>(view(kind));
            ASSERT_EQ(addresses.store().AppendRecord(entry), 1);
            return;
        }
        if (kind == KindSchedule) {
            auto &schedule = static_cast<views::CCalendarView &>(view(kind));
            ASSERT_EQ(schedule.store().AddRecords(record.data(), true, false, false), 1);
            return;
        }
        if (kind == KindBookmark) {
            auto &bookmarks = static_cast<views::CBookMarkView &>(view(kind));
            ASSERT_EQ(bookmarks.store().MergeRecords(record.data(), true, false, false), 1);
            return;
        }
        auto &mails = static_cast<views::CMailView &>(view(kind));
        ASSERT_EQ(mails.store().AddRecords(record.data(), true, false, false), 1);
    }

    QString status(int part) const { return frame->statusText(part); }

    ProgramDirectory directory;
    host::PluginHost plugins;
    host::KindLimitCache limits;
    ScriptedMessages messages;
    MemorySettings settings;
    RecordingShell shell;
    ScriptedFileChooser files;
    std::unique_ptr<CMainFrame> frame;
};

QString qt(TextId id)
{
    return views::toQString(text(id));
}

TEST_F(MainFrameTest, StartsInThePictureViewWithTheModelInTheStatusBar)
{
    EXPECT_EQ(frame->activeViewWidget(), frame->pictureView());
    EXPECT_EQ(frame->windowTitle(), "Cellvane");
    EXPECT_EQ(status(1), "alpha");
    EXPECT_EQ(status(2), "");
    EXPECT_EQ(frame->size(), QSize(640, 460));
    EXPECT_EQ(frame->minimumSize(), QSize(640, 460));
}

TEST_F(MainFrameTest, ViewButtonsLatchTheirViewAndMainViewReleasesAll)
{
    const QString untitled = qt(TextId::Untitled) + " - Cellvane";
    for (int kind = KindBookmark; kind <= KindSchedule; ++kind) {
        frame->executeCommand(CmdBookmarkView + kind - 1);
        EXPECT_EQ(frame->activeViewWidget(), frame->dataView(kind));
        EXPECT_EQ(frame->controller().viewKind(), kind);
        for (int each = KindBookmark; each <= KindSchedule; ++each)
            EXPECT_EQ(frame->viewBar()->viewButton(each)->isLatched(), each == kind)
                << kind << " " << each;
        EXPECT_EQ(frame->windowTitle(), untitled);
        EXPECT_EQ(status(2), views::toQString(formatText(TextId::SelectionCount, 0, 0)));
    }
    frame->executeCommand(CmdMainView);
    EXPECT_EQ(frame->activeViewWidget(), frame->pictureView());
    for (int each = KindBookmark; each <= KindSchedule; ++each)
        EXPECT_FALSE(frame->viewBar()->viewButton(each)->isLatched());
    EXPECT_EQ(status(2), "");
    EXPECT_EQ(frame->windowTitle(), "Cellvane");
}

TEST_F(MainFrameTest, HelpAndBannerOpenTheirPages)
{
    frame->executeCommand(CmdHelp);
    frame->executeCommand(CmdMailView);
    frame->executeCommand(CmdHelp);
    frame->executeCommand(CmdBanner);
    EXPECT_EQ(shell.opened,
              (std::vector<std::string>{"file://" + directory.path() + "help/top.html#04",
                                        "file://" + directory.path() + "help/mail.html",
                                        "file://" + directory.path() + "tessaly/index.html"}));
}

TEST_F(MainFrameTest, ButtonsCarryTheirPromptsAndShowTheirState)
{
    const QList<CMobileDialogBar *> bars = frame->findChildren<CMobileDialogBar *>();
    ASSERT_EQ(bars.size(), 4u);
    int buttons = 0;
    for (const CMobileDialogBar *bar : bars) {
        for (const BitmapButton *button : bar->buttons()) {
            ++buttons;
            EXPECT_EQ(button->toolTip(), views::toQString(textOfId(button->command())))
                << button->command();
            EXPECT_FALSE(button->toolTip().isEmpty());
            EXPECT_EQ(button->currentPicture(),
                      button->isEnabled() ? ButtonPicture::Normal : ButtonPicture::Disabled)
                << button->command();
        }
    }
    EXPECT_EQ(buttons, 16);
    const BitmapButton *add = frame->findChild<BitmapButton *>("button1010");
    ASSERT_TRUE(add);
    EXPECT_FALSE(add->isEnabled()) << "no data view yet";
    EXPECT_EQ(add->currentPicture(), ButtonPicture::Disabled);
    EXPECT_EQ(add->size(), QSize(30, 30));
}

TEST_F(MainFrameTest, AddressCountLeavesOutTheOwnersEntry)
{
    frame->executeCommand(CmdAddressView);
    addRecord(KindAddress, addressRecord(99999, "owner"));
    view(KindAddress).refresh();
    EXPECT_EQ(view(KindAddress).listRowCount(), 0);
    EXPECT_EQ(view(KindAddress).entryCount(), 0);
    EXPECT_FALSE(frame->isCommandEnabled(CmdAdd));
    EXPECT_FALSE(frame->isCommandEnabled(CmdSaveAs));

    addRecord(KindAddress, addressRecord(1, "Taro"));
    view(KindAddress).refresh();
    frame->updateCommandStates();
    EXPECT_EQ(view(KindAddress).listRowCount(), 1);
    EXPECT_TRUE(frame->isCommandEnabled(CmdAdd));
    EXPECT_TRUE(frame->findChild<BitmapButton *>("button1010")->isEnabled());
    EXPECT_FALSE(frame->isCommandEnabled(CmdNewData));
}

TEST_F(MainFrameTest, DeleteThroughTheFrameSelectsTheRowBefore)
{
    frame->executeCommand(CmdBookmarkView);
    for (int i = 0; i < 6; ++i)
        addRecord(KindBookmark, bookmarkRecord("site" + std::to_string(i)));
    view(KindBookmark).refresh();
    view(KindBookmark).selectRow(3);
    view(KindBookmark).selectRow(5);
    EXPECT_EQ(status(2), views::toQString(formatText(TextId::SelectionCount, 6, 2)));
    messages.answers = {MessageAnswer::Yes};
    frame->executeCommand(CmdDelete);
    EXPECT_EQ(view(KindBookmark).listRowCount(), 4);
    EXPECT_EQ(view(KindBookmark).entryCount(), 4);
    EXPECT_EQ(view(KindBookmark).selectedRows(), std::vector<int>{2});
    EXPECT_TRUE(view(KindBookmark).isModified());
    EXPECT_EQ(status(2), views::toQString(formatText(TextId::SelectionCount, 4, 1)));
}

TEST_F(MainFrameTest, SelectAllSelectsEveryRowOfTheActiveView)
{
    frame->executeCommand(CmdBookmarkView);
    for (int i = 0; i < 3; ++i)
        addRecord(KindBookmark, bookmarkRecord("site" + std::to_string(i)));
    view(KindBookmark).refresh();
    frame->executeCommand(CmdSelectAll);
    EXPECT_EQ(view(KindBookmark).selectedRows(), (std::vector<int>{0, 1, 2}));
}

TEST_F(MainFrameTest, ClosingWithCancelKeepsTheWindowOpen)
{
    frame->show();
    view(KindBookmark).setModified(true);
    messages.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(settings.ints.empty());

    messages.answers = {MessageAnswer::No};
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(settings.strings.at("Setting/Plugin"), "alpha");
    EXPECT_EQ(settings.ints.at("Frame/width"), 640);
    EXPECT_EQ(settings.ints.at("Frame/Zoomed"), 0);
}

TEST_F(MainFrameTest, CancelAfterASaveAtClosingShowsTheKindThatWasSaved)
{
    frame->show();
    frame->executeCommand(CmdMailView);
    view(KindBookmark).setModified(true);
    view(KindAddress).setModified(true);
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Cancel};
    files.answers = {directory.path() + "marks"};
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(std::filesystem::exists(directory.path() + "marks.bpc"));
    EXPECT_FALSE(view(KindBookmark).isModified());
    EXPECT_EQ(frame->controller().viewKind(), KindBookmark);
    EXPECT_EQ(frame->activeViewWidget(), frame->dataView(KindBookmark));
    EXPECT_TRUE(frame->viewBar()->viewButton(KindBookmark)->isLatched());
    EXPECT_FALSE(frame->viewBar()->viewButton(KindMail)->isLatched());
}

TEST_F(MainFrameTest, SaveAsNamesTheFileAndCtrlSThenWritesWithoutADialog)
{
    frame->show();
    frame->executeCommand(CmdBookmarkView);
    EXPECT_FALSE(frame->isCommandEnabled(CmdSaveAs)) << "nothing to save";
    addRecord(KindBookmark, bookmarkRecord("site"));
    view(KindBookmark).refresh();
    frame->updateCommandStates();
    EXPECT_TRUE(frame->isCommandEnabled(CmdSaveAs));
    EXPECT_FALSE(frame->isCommandEnabled(CmdSave)) << "no file yet";

    files.answers = {directory.path() + "marks"};
    frame->executeCommand(CmdSaveAs);
    EXPECT_EQ(frame->windowTitle(), "marks.bpc - Cellvane");
    EXPECT_TRUE(frame->isCommandEnabled(CmdSave));
    const auto written = std::filesystem::last_write_time(directory.path() + "marks.bpc");

    addRecord(KindBookmark, bookmarkRecord("more"));
    view(KindBookmark).setModified(true);
    frame->executeCommand(CmdSave);
    EXPECT_EQ(files.asked.size(), 1u) << "Ctrl+S asks nothing";
    EXPECT_FALSE(view(KindBookmark).isModified());
    EXPECT_GE(std::filesystem::last_write_time(directory.path() + "marks.bpc"), written);
    EXPECT_EQ(std::filesystem::file_size(directory.path() + "marks.bpc"), 32u + 2 * 932);

    frame->executeCommand(CmdAddressView);
    files.answers = {directory.path() + "marks.bpc"};
    frame->executeCommand(CmdOpenPcFile);
    ASSERT_EQ(messages.shown.size(), 1u) << "a bookmark file is no address book";
    EXPECT_EQ(messages.shown[0].text, text(TextId::PcFileDamaged));
    EXPECT_EQ(frame->windowTitle(), QString::fromUtf8("無題 - Cellvane"));

    frame->executeCommand(CmdBookmarkView);
    view(KindBookmark).newData();
    files.answers = {directory.path() + "marks.bpc"};
    frame->executeCommand(CmdOpenPcFile);
    EXPECT_EQ(view(KindBookmark).listRowCount(), 2);
    EXPECT_EQ(frame->windowTitle(), "marks.bpc - Cellvane");
}

TEST_F(MainFrameTest, FileMenuOffersExportAndImportBelowTheSaves)
{
    QMenu *file = frame->menuBar()->actions().at(0)->menu();
    ASSERT_NE(file, nullptr);
    QStringList items;
    for (const QAction *action : file->actions())
        items << (action->isSeparator() ? QString("-") : action->text());
    EXPECT_EQ(items,
              QStringList({QString::fromUtf8("新規作成"), "-", QString::fromUtf8("開く"),
                           QString::fromUtf8("別名で保存"), QString::fromUtf8("上書き保存"), "-",
                           QString::fromUtf8("エクスポート..."), QString::fromUtf8("インポート..."),
                           "-", qt(TextId::AboutMenuItem), "-", qt(TextId::MenuExit)}));
    EXPECT_EQ(file->actions().at(6)->statusTip(), qt(TextId::PromptExport));
    EXPECT_EQ(file->actions().at(7)->statusTip(), qt(TextId::PromptImport));

    const auto enabled = [&] {
        emit file->aboutToShow();
        return std::pair{file->actions().at(6)->isEnabled(), file->actions().at(7)->isEnabled()};
    };
    EXPECT_EQ(enabled(), std::pair(false, false)) << "the picture view";
    frame->executeCommand(CmdAddressView);
    EXPECT_EQ(enabled(), std::pair(false, true)) << "an empty address book";
    frame->executeCommand(CmdMailView);
    EXPECT_EQ(enabled(), std::pair(false, false)) << "mail imports nothing";
}

TEST_F(MainFrameTest, ContextMenuOffersTheViewsCommandsByTheRules)
{
    frame->show();
    frame->executeCommand(CmdBookmarkView);
    addRecord(KindBookmark, bookmarkRecord("site"));
    view(KindBookmark).refresh();
    view(KindBookmark).selectRow(0);
    std::vector<std::pair<QString, bool>> items;
    QTimer::singleShot(0, frame.get(), [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *action : menu->actions())
                items.emplace_back(action->isSeparator() ? "-" : action->text(),
                                   action->isEnabled());
            menu->close();
        }
    });
    emit view(KindBookmark).contextMenuRequested(QPoint(10, 10));
    const std::vector<std::pair<QString, bool>> expected{
        {QString::fromUtf8("新規追加"), true},
        {"-", true},
        {QString::fromUtf8("編集"), true},
        {QString::fromUtf8("削除"), true},
        {"-", true},
        {views::toQString(text(TextId::ContextOpenUrl)), true}};
    EXPECT_EQ(items, expected);
}

TEST_F(MainFrameTest, NewDataInABookmarkViewEmptiesIt)
{
    frame->executeCommand(CmdBookmarkView);
    addRecord(KindBookmark, bookmarkRecord("site"));
    view(KindBookmark).setPcFile("/data/", "marks.bpc");
    view(KindBookmark).refresh();
    frame->executeCommand(CmdNewData);
    EXPECT_EQ(view(KindBookmark).entryCount(), 0);
    EXPECT_EQ(view(KindBookmark).listRowCount(), 0);
    EXPECT_EQ(frame->windowTitle(), qt(TextId::Untitled) + " - Cellvane");
}

TEST_F(MainFrameTest, ViewItemOpensTheSelectedBookmarksWebAddressOnly)
{
    frame->executeCommand(CmdBookmarkView);
    for (const char *url : {"HTTPS://secure.example.jp/", "ftp://files.example.jp/"}) {
        std::vector<unsigned char> record = bookmarkRecord(url);
        putText(record, offsetof(BookmarkRecord, url), url);
        addRecord(KindBookmark, record);
    }
    view(KindBookmark).refresh();
    const std::vector<std::string> before = shell.opened;
    for (int row = 0; row < 2; ++row) {
        view(KindBookmark).clearSelection();
        view(KindBookmark).selectRow(row);
        frame->executeCommand(CmdViewItem);
    }
    ASSERT_EQ(shell.opened.size(), before.size() + 1);
    EXPECT_EQ(shell.opened.back(), "HTTPS://secure.example.jp/") << "ftp is not opened";
}

TEST_F(MainFrameTest, ViewItemHandsTheSelectedMessagesToTheMailProgram)
{
    testing_support::TempDir exports;
    frame->executeCommand(CmdMailView);
    auto &mails = static_cast<views::CMailView &>(view(KindMail));
    mails.setExportFolder(exports.path() + "/");
    for (int i = 0; i < 2; ++i)
        addRecord(KindMail, makeRecord(KIND_MAIL, MAIL_RECORD_FIXED_SIZE));
    mails.refresh();
    mails.selectAllRows();
    shell.accepts = false;
    frame->executeCommand(CmdViewItem);
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_NE(shell.opened[0], shell.opened[1]);
    EXPECT_EQ(shell.opened[0].rfind("file://" + exports.path() + "/mm", 0), 0u);
    ASSERT_EQ(messages.shown.size(), 2u) << "one refusal per message";
    EXPECT_EQ(messages.shown[0].text, text(TextId::NoMailProgram));
}

TEST_F(MainFrameTest, EditWithTwoBookmarksSelectedMovesBothToTheChosenFolder)
{
    frame->executeCommand(CmdBookmarkView);
    for (const char *title : {"a", "b"}) {
        std::vector<unsigned char> record = bookmarkRecord(title);
        putText(record, offsetof(BookmarkRecord, folder), "Daily");
        putWord(record, offsetof(BookmarkRecord, folderNumber), 1);
        addRecord(KindBookmark, record);
    }
    view(KindBookmark).refresh();
    view(KindBookmark).selectAllRows();
    bool multi = false;
    QTimer::singleShot(0, frame.get(), [&] {
        auto *dialog
            = qobject_cast<views::BookmarkMultiEditDialog *>(QApplication::activeModalWidget());
        multi = dialog != nullptr;
        if (!dialog)
            return;
        dialog->folderList()->setCurrentIndex(1); // "なし"
        dialog->accept();
    });
    frame->executeCommand(CmdEdit);
    ASSERT_TRUE(multi);
    const auto &store = static_cast<views::CBookMarkView &>(view(KindBookmark)).store();
    EXPECT_EQ(store.record(0)->folderNumber, -1);
    EXPECT_EQ(store.record(1)->folderNumber, -1);
    EXPECT_TRUE(view(KindBookmark).isModified());
}

TEST_F(MainFrameTest, SameModelRefillsTheLimitsWithoutAQuestion)
{
    limits.clear();
    QTimer::singleShot(0, frame.get(), [this] { frame->modelDialog()->accept(); });
    frame->executeCommand(CmdModelSetting);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_NE(limits.table(1), nullptr);
    EXPECT_EQ(status(1), "alpha");
}

TEST_F(MainFrameTest, AnsweringNoKeepsTheModelDialogOpenOnTheOldModel)
{
    const int alpha = plugins.currentIndex();
    bool stillOpen = false;
    int shownIndex = -1;
    QTimer::singleShot(0, frame.get(), [&] {
        ModelSelectDialog *dialog = frame->modelDialog();
        dialog->modelList()->setCurrentIndex(1 - alpha);
        dialog->accept(); // answered No
        stillOpen = dialog->isVisible();
        shownIndex = dialog->modelList()->currentIndex();
        dialog->reject();
    });
    frame->executeCommand(CmdModelSetting);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(shownIndex, alpha);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, text(TextId::ModelChangeCancelled));
    EXPECT_EQ(plugins.currentIndex(), alpha);
    EXPECT_EQ(status(1), "alpha");
}

TEST_F(MainFrameTest, AnotherModelAnsweredYesBecomesCurrent)
{
    const int alpha = plugins.currentIndex();
    addRecord(KindSchedule, makeRecord(1003, 664));
    QTimer::singleShot(0, frame.get(), [&] {
        frame->modelDialog()->modelList()->setCurrentIndex(1 - alpha);
        messages.answers = {MessageAnswer::Yes};
        frame->modelDialog()->accept();
    });
    frame->executeCommand(CmdModelSetting);
    EXPECT_EQ(plugins.currentModelName().value_or(""), "beta");
    EXPECT_EQ(status(1), "beta");
    EXPECT_EQ(view(KindSchedule).entryCount(), 0) << "every view starts afresh";
}

TEST_F(MainFrameTest, DoubleClickOnTheCalendarAddsAnEntryThroughTheEditor)
{
    frame->executeCommand(CmdScheduleView);
    auto &schedule = static_cast<views::CCalendarView &>(view(KindSchedule));
    QString title;
    QTimer::singleShot(0, frame.get(), [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *editor = qobject_cast<views::ScheduleEditDialog *>(widget)) {
                title = editor->windowTitle();
                editor->accept();
            }
        }
    });
    emit schedule.addRequested();
    EXPECT_EQ(title, QString::fromUtf8("ｽｹｼﾞｭｰﾙ - 新規作成"));
    ASSERT_EQ(schedule.entryCount(), 1);
    EXPECT_EQ(schedule.selectedRows(), std::vector<int>{0}) << "the new entry is selected";
    EXPECT_TRUE(schedule.isModified());
}

} // namespace
