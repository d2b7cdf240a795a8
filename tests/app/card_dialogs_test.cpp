#include "app/drive_select_dialog.h"
#include "app/progress_dialog.h"

#include "app/commands.h"
#include "app/main_frame.h"
#include "app/string_table.h"
#include "card_fakes.h"
#include "common/sjis_literal.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "tests/support/temp_dir.h"
#include "views/common/data_view.h"
#include "views/common/qt_text.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace app;
namespace fs = std::filesystem;

QString qtText(TextId id)
{
    return views::toQString(text(id));
}

std::vector<QString> entries(const QComboBox &list)
{
    std::vector<QString> texts;
    for (int i = 0; i < list.count(); ++i)
        texts.push_back(list.itemText(i));
    return texts;
}

// A folder chooser that answers from a script and counts its questions.
struct ScriptedFolderChooser
{
    std::optional<std::string> answer;
    int asked = 0;

    CardFolderChooser function()
    {
        return [this](QWidget *) {
            ++asked;
            return answer;
        };
    }
};

const std::vector<CardRoot> Cards = {{"/media/user/SD", "NO NAME"}, {"/mnt/reader", ""}};

TEST(DriveSelectDialogTest, ListsCardsThenFoldersThenTheFolderEntry)
{
    DriveSelectDialog dialog(Cards, {"/home/user/copy"}, nullptr);

    EXPECT_EQ(dialog.windowTitle(), qtText(TextId::DriveSelectTitle));
    EXPECT_EQ(entries(*dialog.list()),
              (std::vector<QString>{" NO NAME (/media/user/SD)", " /mnt/reader", " /home/user/copy",
                                    qtText(TextId::DriveSelectFolder)}));
    EXPECT_EQ(dialog.list()->currentIndex(), 0);
    EXPECT_FALSE(dialog.chosen());
}

TEST(DriveSelectDialogTest, OkTakesTheSelectedEntry)
{
    for (const int index : {0, 1, 2}) {
        SCOPED_TRACE(index);
        DriveSelectDialog dialog(Cards, {"/home/user/copy"}, nullptr);
        dialog.list()->setCurrentIndex(index);

        dialog.okButton()->click();

        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        ASSERT_TRUE(dialog.chosen());
        EXPECT_EQ(dialog.chosen()->path, index == 2 ? "/home/user/copy" : Cards[index].path);
        EXPECT_EQ(dialog.choseFolder(), index == 2);
    }
}

TEST(DriveSelectDialogTest, TheFolderEntryAsksForAFolderAndOffersIt)
{
    ScriptedFolderChooser chooser{"/home/user/new copy"};
    DriveSelectDialog dialog(Cards, {"/home/user/copy"}, chooser.function());
    dialog.list()->setCurrentIndex(3);

    dialog.okButton()->click();

    EXPECT_EQ(chooser.asked, 1);
    ASSERT_TRUE(dialog.chosen());
    EXPECT_EQ(dialog.chosen()->path, "/home/user/new copy");
    EXPECT_TRUE(dialog.choseFolder());
    // The newest folder leads the folders.
    EXPECT_EQ(dialog.list()->itemText(2), " /home/user/new copy");
    EXPECT_EQ(dialog.list()->count(), 5);
}

TEST(DriveSelectDialogTest, PickingTheFolderEntryAsksAtOnce)
{
    ScriptedFolderChooser chooser{"/home/user/copy"};
    DriveSelectDialog dialog(Cards, {"/home/user/copy"}, chooser.function());

    dialog.list()->setCurrentIndex(3);
    emit dialog.list()->activated(3);

    EXPECT_EQ(chooser.asked, 1);
    EXPECT_EQ(dialog.list()->currentIndex(), 2) << "a folder already listed is selected";
    EXPECT_EQ(dialog.list()->count(), 4);
    EXPECT_FALSE(dialog.chosen()) << "the dialog stays open";
}

TEST(DriveSelectDialogTest, CancelledFolderChoiceKeepsTheDialogAndTheSelection)
{
    ScriptedFolderChooser chooser;
    DriveSelectDialog dialog(Cards, {}, chooser.function());
    dialog.list()->setCurrentIndex(1);
    emit dialog.list()->activated(1);

    dialog.list()->setCurrentIndex(2);
    emit dialog.list()->activated(2);
    EXPECT_EQ(dialog.list()->currentIndex(), 1);

    dialog.list()->setCurrentIndex(2);
    dialog.okButton()->click();
    EXPECT_EQ(chooser.asked, 2);
    EXPECT_FALSE(dialog.chosen());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

class QtCardChooserTest : public testing::Test
{
protected:
    QtCardChooserTest()
    {
        CardRootSystem system;
        system.mountInfo = place.path() + "/mountinfo";
        system.sysfs = place.path() + "/sys";
        system.labels = place.path() + "/labels";
        system.desktopMounts = {place.path() + "/media/"};
        chooser.setSystem(system);
        chooser.setFolderChooser(folders.function());
    }

    // A card the desktop mounted, holding a file.
    std::string mountCard()
    {
        const std::string mount = place.path() + "/media/user/CARD";
        fs::create_directories(mount);
        touchFile(mount + "/DCIM");
        touchFile(place.path() + "/mountinfo", "1 0 8:17 / " + mount + " rw - vfat /dev/sdb1 rw\n");
        return mount;
    }

    // Answers the drive dialog, once it runs, with the entry at index.
    void answerDialog(int index)
    {
        QTimer::singleShot(0, [this, index] {
            auto *dialog = qobject_cast<DriveSelectDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            shown = entries(*dialog->list());
            dialog->list()->setCurrentIndex(index);
            dialog->okButton()->click();
        });
    }

    testing_support::TempDir place;
    RecordingProgress progress;
    MemorySettings settings;
    ScriptedMessages messages;
    ScriptedFolderChooser folders;
    QtCardChooser chooser{progress, settings, messages, nullptr};
    std::vector<QString> shown;
};

TEST_F(QtCardChooserTest, SearchesBehindTheDriveSearchWindow)
{
    const std::string card = mountCard();
    answerDialog(0);

    const std::optional<CardRoot> chosen = chooser.chooseCard();

    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, card);
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"open 61214 61215", "start 1", "pos 0",
                                                        "pos 1", "finish"}));
    EXPECT_TRUE(rememberedCardFolders(settings).empty()) << "cards are not remembered";
}

TEST_F(QtCardChooserTest, OffersRememberedFoldersThatStillExist)
{
    const std::string kept = place.path() + "/copy";
    fs::create_directories(kept);
    rememberCardFolder(settings, place.path() + "/gone");
    rememberCardFolder(settings, kept);
    const std::string card = mountCard();
    answerDialog(1);

    const std::optional<CardRoot> chosen = chooser.chooseCard();

    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1], QString::fromStdString(" " + kept));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, kept);
    EXPECT_EQ(rememberedCardFolders(settings).front(), kept);
}

TEST_F(QtCardChooserTest, WithoutCardsOrFoldersAsksForAFolderAndRemembersIt)
{
    folders.answer = place.path();

    const std::optional<CardRoot> chosen = chooser.chooseCard();

    EXPECT_EQ(folders.asked, 1);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, place.path());
    EXPECT_EQ(rememberedCardFolders(settings), std::vector<std::string>{place.path()});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(QtCardChooserTest, WithoutCardsACancelledFolderChoiceSaysNoCardWasFound)
{
    EXPECT_FALSE(chooser.chooseCard());

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text(TextId::NoValidDrive));
    EXPECT_EQ(messages.shown[0].caption, text(TextId::CaptionError));
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Warning);
}

TEST(ProgressDialogTest, ShowsTitleTextAndPosition)
{
    MockClock clock;
    QWidget frame;
    frame.resize(640, 460);
    ProgressDialog progress(clock, &frame);

    progress.open(TextId::CardLoadTitle, TextId::CardLoadText);
    progress.start(5);
    progress.setPos(3);

    ASSERT_NE(progress.window(), nullptr);
    EXPECT_TRUE(progress.window()->isVisible());
    EXPECT_FALSE(progress.window()->isModal());
    EXPECT_EQ(progress.window()->windowTitle(), qtText(TextId::CardLoadTitle));
    EXPECT_EQ(progress.label()->text(), qtText(TextId::CardLoadText));
    EXPECT_EQ(progress.bar()->maximum(), 5);
    EXPECT_EQ(progress.bar()->value(), 3);

    progress.close();
    EXPECT_EQ(progress.window(), nullptr);
}

TEST(ProgressDialogTest, ANegativeRangeCountsAsNone)
{
    MockClock clock;
    ProgressDialog progress(clock, nullptr);
    progress.open(TextId::CardSaveTitle, TextId::CardSaveText);
    progress.start(-4);
    progress.setPos(2);

    EXPECT_EQ(progress.bar()->maximum(), 0);
    EXPECT_EQ(progress.bar()->value(), 0);
}

TEST(ProgressDialogTest, FinishWaitsWithoutFreezingThenCloses)
{
    MockClock clock;
    ProgressDialog progress(clock, nullptr);
    progress.open(TextId::DriveSearchTitle, TextId::DriveSearchText);
    progress.start(1);
    // Shown long enough already: the shorter wait.
    clock.now += 1500;
    bool handled = false;
    QTimer::singleShot(10, [&] { handled = true; });
    QElapsedTimer elapsed;
    elapsed.start();

    progress.finish();

    EXPECT_TRUE(handled) << "events are handled while it waits";
    EXPECT_GE(elapsed.elapsed(), 250);
    EXPECT_TRUE(clock.slept.empty()) << "no sleep on the user-interface thread";
    EXPECT_EQ(progress.window(), nullptr);
}

// Answers the drive dialog with the entry of folder as soon as it runs: the drive search and
// its progress window come first.
void answerDriveDialog(const std::string &folder)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, folder] {
        auto *dialog = qobject_cast<DriveSelectDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        dialog->list()->setCurrentIndex(
            dialog->list()->findText(QString::fromStdString(" " + folder)));
        dialog->okButton()->click();
    });
    timer->start(10);
}

TEST(CardCommandsTest, TheFrameLoadsFromAndSavesToTheChosenCard)
{
    host::PluginHost plugins;
    ASSERT_GT(plugins.discover(MODEL_PLUGIN_DIR), 0);
    ASSERT_TRUE(plugins.selectByModelName("DoCoMo N505i"));
    host::KindLimitCache limits;
    limits.refill(plugins);
    testing_support::TempDir card;
    const std::string pim = card.path() + "/SD_PIM/";
    fs::create_directories(pim);
    fs::copy_file(CARD_TEST_DATA "n505i/address/Sample.VCF", pim + "PIM00001.VCF");
    MemorySettings settings;
    rememberCardFolder(settings, card.path());
    ScriptedMessages messages;
    RecordingShell shell;
    testing_support::TempDir program;
    CMainFrame frame(
        FrameServices{plugins, limits, messages, settings, shell, program.path() + "/"});
    frame.showKind(KindAddress);

    ASSERT_TRUE(frame.isCommandEnabled(CmdLoadFromCard));
    answerDriveDialog(card.path());
    frame.executeCommand(CmdLoadFromCard);

    ASSERT_FALSE(messages.shown.empty());
    // The card holds the owner's entry and one other; the book counts only the other.
    EXPECT_EQ(messages.shown.back().text, sjis("1 件、読み込みました。"));
    EXPECT_EQ(frame.dataView(KindAddress)->entryCount(), 1);
    EXPECT_TRUE(frame.isCommandEnabled(CmdSaveToCard));

    answerDriveDialog(card.path());
    frame.executeCommand(CmdSaveToCard);

    EXPECT_EQ(messages.shown.back().text, sjis("ﾌｧｲﾙ [PIM00002.VCF] を保存しました。"));
    EXPECT_TRUE(fs::exists(pim + "PIM00002.VCF"));
}

} // namespace
