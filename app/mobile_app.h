#pragma once

#include "app/document_channel.h"
#include "app/startup.h"
#include "host/codec_binding.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "platform/single_instance.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {
class Clock;
class ShellOpener;
} // namespace platform

namespace app {

class CMainFrame;
class SplashWindow;

// What the application takes from outside: settings, message boxes, the shell hand-over and
// the clock (all replaceable in tests), the program directory, where the single-instance
// lock lies (the user's runtime directory when empty) and the document the program was started
// with (a PC data file to open; empty for none).
struct AppEnvironment
{
    SettingsStore &settings;
    platform::MessageBoxes &messages;
    platform::ShellOpener &shell;
    platform::Clock &clock;
    std::string programDirectory;
    std::string lockDirectory;
    std::string document;
};

// The application object: start-up checks, the plug-in host, the codec binding and the limit
// cache, the splash and the main frame; and the exit step.
class CMobileApp : public StartupWindows
{
public:
    static constexpr const char *InstanceLockName = "MobileTessalyTool_Mutex_20030815";

    explicit CMobileApp(AppEnvironment environment);
    ~CMobileApp() override;

    // Makes the dialog font, a proportional Japanese gothic 12 pixels high, the font of every
    // window.
    static void useDialogFont();

    // Runs start-up, then opens the document; false when the program has to end. A second copy
    // ends without a word, handing its document to the running copy, which opens it.
    bool start();
    // Deletes the temporary mail files and unbinds the codec library.
    void exit();

    CMainFrame *frame() const { return m_frame.get(); }
    host::PluginHost &plugins() { return m_plugins; }
    host::KindLimitCache &limits() { return m_limits; }
    const std::string &programDirectory() const { return m_environment.programDirectory; }

    // StartupWindows
    void showSplash() override;
    void closeSplash() override;
    bool createFrame() override;
    void reopenPcFiles() override;
    void showFrame(const std::optional<FramePlacement> &placement) override;

private:
    std::optional<TextId> checkMachine() const;
    // Opens path in the frame once start-up has shown it; until then it waits.
    void openDocument(const std::string &path);

    AppEnvironment m_environment;
    platform::SingleInstanceLock m_lock;
    DocumentChannel m_documents;
    std::vector<std::string> m_waitingDocuments;
    bool m_started = false;
    host::CodecBinding m_codec;
    host::PluginHost m_plugins;
    host::KindLimitCache m_limits;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace app
