#include "app/mobile_app.h"

#include "app/main_frame.h"
#include "app/string_table.h"
#include "fakes.h"
#include "program_directory.h"
#include "records.h"
#include "views/bookmark/bookmark_view_core.h"
#include "views/common/data_view.h"
#include "views/common/qt_text.h"
#include "views/mail/mail_view.h"

#include <QCoreApplication>
#include <QStatusTipEvent>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace {

using app::CMobileApp;

class MobileAppTest : public testing::Test
{
protected:
    app::AppEnvironment environment(const std::string &document = {})
    {
        return {settings, messages, shell, clock, directory.path(), lockDir.path(), document};
    }
    // A bookmark PC file holding one bookmark, which opens under any model.
    std::string bookmarkFile(const std::string &name)
    {
        views::BookmarkViewCore marks;
        EXPECT_EQ(marks.mergeCardBlock(bookmarkRecord("site").data()), 1);
        const std::vector<unsigned char> image = marks.buildPcImage(0);
        std::ofstream(data.file(name), std::ios::binary)
            .write(reinterpret_cast<const char *>(image.data()), static_cast<long>(image.size()));
        return data.file(name);
    }

    ProgramDirectory directory;
    testing_support::TempDir lockDir;
    testing_support::TempDir data;
    MemorySettings settings;
    ScriptedMessages messages;
    RecordingShell shell;
    MockClock clock;
};

TEST_F(MobileAppTest, SecondCopyEndsSilentlyWithoutAWindow)
{
    directory.withCodec().withPlugin("alpha");
    CMobileApp first(environment());
    ASSERT_TRUE(first.start());
    ASSERT_NE(first.frame(), nullptr);
    EXPECT_TRUE(first.frame()->isVisible());

    CMobileApp second(environment());
    EXPECT_FALSE(second.start());
    EXPECT_EQ(second.frame(), nullptr);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(shell.opened.size(), 1u) << "only the first copy opened the help index";
}

TEST_F(MobileAppTest, DocumentOpensInTheViewOfItsKindOnceStartedAndOthersAreRefused)
{
    directory.withCodec().withPlugin("alpha");
    const std::string marks = bookmarkFile("marks.bpc");
    {
        CMobileApp mobile(environment(marks));
        ASSERT_TRUE(mobile.start());
        app::CMainFrame *frame = mobile.frame();
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(frame->controller().viewKind(), app::KindBookmark);
        EXPECT_EQ(frame->dataView(app::KindBookmark)->entryCount(), 1);
        EXPECT_EQ(frame->dataView(app::KindBookmark)->pcName(), "marks.bpc");
        EXPECT_EQ(frame->windowTitle(), "marks.bpc - Cellvane");
    }
    std::ofstream(data.file("notes.txt")) << "plain text";
    for (const std::string &document : {data.file("notes.txt"), data.file("gone.apc")}) {
        messages.shown.clear();
        CMobileApp mobile(environment(document));
        ASSERT_TRUE(mobile.start()) << "a document it cannot open ends nothing";
        ASSERT_EQ(messages.shown.size(), 1u) << document;
        EXPECT_EQ(mobile.frame()->controller().viewKind(), app::KindPicture) << document;
    }
    EXPECT_EQ(
        messages.shown[0].text,
        app::formatText(app::TextId::PcOpenFailed, data.file("gone.apc").c_str(), unsigned(ENOENT)))
        << "a file that is not there is named with the system's error";
}

TEST_F(MobileAppTest, SecondCopyHandsItsDocumentToTheRunningCopy)
{
    directory.withCodec().withPlugin("alpha");
    CMobileApp first(environment());
    ASSERT_TRUE(first.start());
    views::DataView *marks = first.frame()->dataView(app::KindBookmark);

    // Relative, as typed in another working folder: the running copy gets the whole path.
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(data.path());
    CMobileApp second(environment(std::filesystem::path(bookmarkFile("marks.bpc")).filename()));
    EXPECT_FALSE(second.start());
    std::filesystem::current_path(before);
    EXPECT_EQ(second.frame(), nullptr);

    for (int i = 0; i < 200 && marks->pcName().empty(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(marks->pcFolder(), data.path() + "/");
    EXPECT_EQ(marks->pcName(), "marks.bpc");
    EXPECT_EQ(marks->entryCount(), 1);
    EXPECT_EQ(first.frame()->controller().viewKind(), app::KindBookmark);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MobileAppTest, StartsWithTheRememberedModelAndFilesInTheTitle)
{
    directory.withCodec().withPlugin("alpha").withPlugin("beta");
    settings.writeString("Setting", "Plugin", "beta");
    settings.writeString("Address", "Path", "/gone/");
    settings.writeString("Address", "Name", "phone.apc");
    CMobileApp mobile(environment());
    ASSERT_TRUE(mobile.start());
    app::CMainFrame *frame = mobile.frame();
    EXPECT_EQ(frame->statusText(1), "beta");
    frame->executeCommand(app::CmdAddressView);
    EXPECT_EQ(frame->windowTitle(), "phone.apc - Cellvane");
    EXPECT_EQ(frame->dataView(app::KindAddress)->pcFolder(), "/gone/");
}

TEST_F(MobileAppTest, StartUpReopensTheRememberedFilesSilently)
{
    directory.withCodec().withPlugin("alpha");
    bookmarkFile("marks.bpc");
    std::ofstream(data.file("plan.cpc"), std::ios::binary) << "CPC damaged";
    const std::string folder = data.path() + "/";
    for (const auto &[section, name] :
         {std::pair{"Bookmark", "marks.bpc"}, std::pair{"Schedule", "plan.cpc"},
          std::pair{"Mail", "gone.mpc"}}) {
        settings.writeString(section, "Path", folder);
        settings.writeString(section, "Name", name);
    }
    CMobileApp mobile(environment());
    ASSERT_TRUE(mobile.start());
    app::CMainFrame *frame = mobile.frame();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(frame->dataView(app::KindBookmark)->entryCount(), 1);
    EXPECT_EQ(frame->dataView(app::KindBookmark)->listRowCount(), 1) << "the view shows it";
    EXPECT_FALSE(frame->dataView(app::KindBookmark)->isModified());
    EXPECT_EQ(frame->dataView(app::KindSchedule)->entryCount(), 0);
    EXPECT_EQ(frame->dataView(app::KindSchedule)->pcName(), "plan.cpc") << "names stay";
    EXPECT_EQ(frame->dataView(app::KindMail)->pcName(), "gone.mpc");
}

TEST_F(MobileAppTest, MissingCodecLibraryShowsTheMessageAndNoFrame)
{
    directory.withPlugin("alpha");
    CMobileApp mobile(environment());
    EXPECT_FALSE(mobile.start());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, app::text(app::TextId::PluginsMissing));
    EXPECT_EQ(clock.slept, std::vector<int64_t>{2000});
}

TEST_F(MobileAppTest, ExitDeletesTheTemporaryMailFilesOnly)
{
    directory.withCodec().withPlugin("alpha");
    // The exported messages lie in the user's cache, here a temporary one.
    testing_support::TempDir cache;
    const QByteArray previousCache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(cache.path()));
    const std::string mtemp = views::CMailView::TempFolder();
    ASSERT_EQ(mtemp.rfind(cache.path(), 0), 0u);
    std::filesystem::create_directories(mtemp);
    for (const char *name : {"1.eml", "2.eml", "keep.txt"})
        std::ofstream(mtemp + name) << "x";
    CMobileApp mobile(environment());
    ASSERT_TRUE(mobile.start());
    mobile.exit();
    EXPECT_FALSE(std::filesystem::exists(mtemp + "1.eml"));
    EXPECT_FALSE(std::filesystem::exists(mtemp + "2.eml"));
    EXPECT_TRUE(std::filesystem::exists(mtemp + "keep.txt"));
    EXPECT_TRUE(std::filesystem::is_directory(mtemp));
    if (previousCache.isNull())
        qunsetenv("XDG_CACHE_HOME");
    else
        qputenv("XDG_CACHE_HOME", previousCache);
}

TEST_F(MobileAppTest, StatusTipsOfButtonsReachThePromptPart)
{
    directory.withCodec().withPlugin("alpha");
    CMobileApp mobile(environment());
    ASSERT_TRUE(mobile.start());
    QWidget *button = mobile.frame()->findChild<QWidget *>("button1015");
    ASSERT_NE(button, nullptr);
    QStatusTipEvent tip(button->statusTip());
    QCoreApplication::sendEvent(button, &tip);
    EXPECT_EQ(mobile.frame()->statusText(0), views::toQString(app::textOfId(1015)));
}

} // namespace
