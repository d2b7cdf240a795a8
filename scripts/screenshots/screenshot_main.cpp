// Starts the editor from a program directory with throw-away settings, shows each view in turn
// and saves a picture of the main window per view.
//   cellvane_screenshots PROGRAM_DIR OUTPUT_DIR

#include "app/about_dialog.h"
#include "app/commands.h"
#include "app/main_frame.h"
#include "app/mobile_app.h"
#include "app/model_select_dialog.h"
#include "app/qt_settings_store.h"
#include "app/splash_window.h"
#include "platform/clock.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// Start-up must not wait for the splash nor open the help page or message boxes.
class InstantClock : public platform::Clock
{
public:
    int64_t milliseconds() const override { return 0; }
    void sleep(int64_t) override {}
};

class SilentMessages : public platform::MessageBoxes
{
public:
    platform::MessageAnswer show(const platform::Message &message) override
    {
        std::fprintf(stderr, "message: %s\n", message.text.c_str());
        return platform::MessageAnswer::Ok;
    }
};

class NoShell : public platform::ShellOpener
{
public:
    void open(const std::string &) override {}
};

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM_DIR OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    app::CMobileApp::useDialogFont();
    QTemporaryDir scratch;
    app::QtSettingsStore settings(scratch.filePath("settings.ini").toStdString());
    settings.writeInt("Setting", "FirstBoot", 0);
    settings.writeString("Setting", "Plugin", "DoCoMo SH505i");
    SilentMessages messages;
    NoShell shell;
    InstantClock clock;
    std::string programDirectory = QDir(argv[1]).absolutePath().toStdString() + "/";
    app::CMobileApp mobile(
        {settings, messages, shell, clock, programDirectory, scratch.path().toStdString()});
    if (!mobile.start())
        return 1;
    app::CMainFrame *frame = mobile.frame();
    const QDir out(argv[2]);
    struct Shot
    {
        int command;
        const char *file;
    };
    const Shot shots[] = {{app::CmdMainView, "main-window.png"},
                          {app::CmdBookmarkView, "view-bookmark.png"},
                          {app::CmdAddressView, "view-address.png"},
                          {app::CmdMailView, "view-mail.png"},
                          {app::CmdScheduleView, "view-schedule.png"}};
    bool saved = true;
    for (const Shot &shot : shots) {
        frame->executeCommand(shot.command);
        settle();
        saved &= frame->grab().save(out.filePath(shot.file));
    }
    frame->executeCommand(app::CmdMainView);
    // The model dialog as the user sees it, then closed without a change.
    QTimer::singleShot(0, frame, [&] {
        settle();
        saved &= frame->modelDialog()->grab().save(out.filePath("model-dialog.png"));
        frame->modelDialog()->reject();
    });
    frame->executeCommand(app::CmdModelSetting);
    app::AboutDialog about(frame);
    about.show();
    settle();
    saved &= about.grab().save(out.filePath("about.png"));
    saved &= app::SplashWindow(programDirectory + "BANNER.BMP")
                 .grab()
                 .save(out.filePath("splash.png"));
    mobile.exit();
    return saved ? 0 : 1;
}
