#include "app/mobile_app.h"
#include "app/qt_interaction.h"
#include "app/qt_settings_store.h"
#include "platform/clock.h"
#include "platform/directory_walk.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::CMobileApp::useDialogFont();

    app::QtSettingsStore settings;
    app::QtMessageBoxes messages;
    app::DesktopShellOpener shell;
    platform::SystemClock clock;
    app::CMobileApp mobile(
        {settings, messages, shell, clock, platform::executableDirectory(), std::string()});
    if (!mobile.start())
        return 0;
    const int result = QApplication::exec();
    mobile.exit();
    return result;
}
