#include "app/mobile_app.h"
#include "app/qt_interaction.h"
#include "app/qt_settings_store.h"
#include "platform/clock.h"
#include "platform/directory_walk.h"

#include <QApplication>
#include <QFile>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Not named after argv[0], which is the /usr/bin link's name when installed: exported mail
    // stays in ~/.cache/Cellvane/ however the editor is started, and the desktop matches its
    // window to cellvane.desktop.
    QApplication::setApplicationName("Cellvane");
    QGuiApplication::setDesktopFileName("cellvane");
    app::CMobileApp::useDialogFont();

    app::QtSettingsStore settings;
    app::QtMessageBoxes messages;
    app::DesktopShellOpener shell;
    platform::SystemClock clock;
    // "cellvane FILE" (a double click on a PC data file) opens FILE once the editor has started.
    const QStringList arguments = QApplication::arguments();
    const std::string document
        = arguments.size() > 1 ? QFile::encodeName(arguments.at(1)).toStdString() : std::string();
    app::CMobileApp mobile({settings, messages, shell, clock, platform::executableDirectory(),
                            std::string(), document});
    if (!mobile.start())
        return 0;
    const int result = QApplication::exec();
    mobile.exit();
    return result;
}
