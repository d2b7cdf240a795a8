#pragma once

#include "app/settings_store.h"
#include "app/string_table.h"
#include "platform/user_interaction.h"

#include <optional>
#include <string>

namespace platform {
class Clock;
class ShellOpener;
} // namespace platform
namespace host {
class CodecBinding;
class KindLimitCache;
class PluginHost;
} // namespace host

namespace app {

// The operating system as its version information describes it.
struct OsVersion
{
    enum class Family { Win32s, Windows9x, WindowsNt, Other, Unknown };
    Family family = Family::Unknown;
    int major = 0;
    int minor = 0;
    // The service string; its second character is the service letter of the 9x family.
    std::string service;
};

// The system's code: 1 Win32s, 2-6 the 9x family by release, 7-9 the NT family up to 5.1 and
// 9999 for anything else (newer or unknown systems, every system that is not Windows).
int classifyOperatingSystem(const OsVersion &version);

// Whether the program runs on a system of that code; 1, 2, 4 and 7 are refused.
bool operatingSystemAccepted(int code);

// The first start-up check that fails (system, screen size, colour depth), as the text to show
// with caption "初期起動時ｴﾗｰ"; nothing when all pass. bitsPerPixel 0 means unknown.
std::optional<TextId> preflightProblem(int osCode, int screenWidth, int screenHeight,
                                       int bitsPerPixel);

// The message for a failed machine check: caption "初期起動時ｴﾗｰ", the error icon.
platform::Message preflightMessage(TextId problem);

// The message that ends start-up for a failure code (1, 2 or anything else), with caption
// "ｴﾗｰ" and the error icon.
platform::Message startupFailureMessage(int code);

// The window placement stored in section Frame.
struct FramePlacement
{
    int swcmd = 0;
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    int topMax = 0;
    int leftMax = 0;
    int topMin = 0;
    int leftMin = 0;
    bool operator==(const FramePlacement &) const = default;
};

FramePlacement readFramePlacement(const SettingsStore &settings);
// Writes the nine values and Zoomed.
void writeFramePlacement(SettingsStore &settings, const FramePlacement &placement, bool zoomed);

// The placement to give the window at start: nothing (show normally) when all nine values are
// 0; otherwise the stored one, always shown restored.
std::optional<FramePlacement> placementToRestore(const FramePlacement &stored);

// The windows of start-up, which the application creates and tests replace.
class StartupWindows
{
public:
    virtual ~StartupWindows() = default;
    virtual void showSplash() = 0;
    virtual void closeSplash() = 0;
    // Creates the main frame with its picture view and the four data views; false on failure.
    virtual bool createFrame() = 0;
    // Reopens the PC data file each view had open last time, silently.
    virtual void reopenPcFiles() = 0;
    // Shows the frame, with placement when given, else normally.
    virtual void showFrame(const std::optional<FramePlacement> &placement) = 0;
};

struct StartupServices
{
    platform::Clock &clock;
    SettingsStore &settings;
    platform::MessageBoxes &messages;
    platform::ShellOpener &shell;
    host::CodecBinding &codec;
    host::PluginHost &plugins;
    host::KindLimitCache &limits;
};

// The splash stays at least this long, also when start-up fails behind it.
constexpr int SplashMilliseconds = 2000;

// Runs start-up from the splash to the shown frame: binds the codec library and the plug-ins
// below programDirectory (ending with '/'), selects the remembered model, fills the limit
// cache, creates the frame and the views, keeps the splash up for SplashMilliseconds, reports
// a failure, opens the help index on the first run and places the frame. False when the
// program has to end.
bool runStartup(const std::string &programDirectory, StartupServices &services,
                StartupWindows &windows);

} // namespace app
