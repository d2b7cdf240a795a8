#pragma once

#include "app/startup.h"
#include "host/codec_binding.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "platform/single_instance.h"

#include <memory>
#include <string>

namespace platform {
class Clock;
class ShellOpener;
} // namespace platform

namespace app {

class CMainFrame;
class SplashWindow;

// What the application takes from outside: settings, message boxes, the shell hand-over and
// the clock (all replaceable in tests), the program directory and where the single-instance
// lock lies (the user's runtime directory when empty).
struct AppEnvironment
{
    SettingsStore &settings;
    platform::MessageBoxes &messages;
    platform::ShellOpener &shell;
    platform::Clock &clock;
    std::string programDirectory;
    std::string lockDirectory;
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

    // Runs start-up; false when the program has to end (a second copy ends without a word).
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

    AppEnvironment m_environment;
    platform::SingleInstanceLock m_lock;
    host::CodecBinding m_codec;
    host::PluginHost m_plugins;
    host::KindLimitCache m_limits;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace app
