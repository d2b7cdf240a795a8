#include "startup.h"

#include "app/help_pages.h"
#include "host/codec_binding.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "platform/clock.h"

namespace app {
namespace {

int classifyWindows9x(const OsVersion &version)
{
    if (version.major != 4)
        return 9999;
    const char letter = version.service.size() >= 2 ? version.service[1] : '\0';
    switch (version.minor) {
    case 0:
        return letter == 'B' || letter == 'C' ? 3 : 2;
    case 10:
        return letter == 'A' ? 5 : 4;
    case 90:
        return 6;
    default:
        return 9999;
    }
}

int classifyWindowsNt(const OsVersion &version)
{
    if (version.major <= 4)
        return 7;
    if (version.major == 5 && version.minor == 0)
        return 8;
    if (version.major == 5 && version.minor == 1)
        return 9;
    return 9999;
}

// Steps from binding the codec library to creating the frame; the failure code or 0.
int bindAndCreate(const std::string &programDirectory, StartupServices &services,
                  StartupWindows &windows)
{
    if (!services.codec.bind(programDirectory + "libHandsetKit.so"))
        return 1;
    if (services.plugins.discover(programDirectory + "Plugins/") == 0)
        return 1;
    const std::string remembered = services.settings.readString("Setting", "Plugin", "");
    if (!services.plugins.selectByModelName(remembered) && !services.plugins.select(0))
        return 2;
    services.limits.refill(services.plugins);
    if (!windows.createFrame())
        return 99;
    windows.reopenPcFiles();
    return 0;
}

} // namespace

int classifyOperatingSystem(const OsVersion &version)
{
    switch (version.family) {
    case OsVersion::Family::Win32s:
        return 1;
    case OsVersion::Family::Windows9x:
        return classifyWindows9x(version);
    case OsVersion::Family::WindowsNt:
        return classifyWindowsNt(version);
    case OsVersion::Family::Other:
    case OsVersion::Family::Unknown:
        break;
    }
    return 9999;
}

bool operatingSystemAccepted(int code)
{
    return code != 1 && code != 2 && code != 4 && code != 7;
}

std::optional<TextId> preflightProblem(int osCode, int screenWidth, int screenHeight,
                                       int bitsPerPixel)
{
    if (!operatingSystemAccepted(osCode))
        return TextId::UnsupportedOs;
    if (screenWidth < 800 || screenHeight < 600)
        return TextId::ScreenTooSmall;
    if (bitsPerPixel <= 8)
        return TextId::TooFewColours;
    return std::nullopt;
}

platform::Message preflightMessage(TextId problem)
{
    return {text(problem), text(TextId::CaptionStartupError), platform::MessageIcon::Error,
            platform::MessageButtons::Ok, std::nullopt};
}

platform::Message startupFailureMessage(int code)
{
    platform::Message message;
    message.caption = text(TextId::CaptionError);
    message.icon = platform::MessageIcon::Error;
    if (code == 1)
        message.text = text(TextId::PluginsMissing);
    else if (code == 2)
        message.text = text(TextId::PluginSetupFailed);
    else
        message.text = formatText(TextId::StartupFailed, code);
    return message;
}

FramePlacement readFramePlacement(const SettingsStore &settings)
{
    FramePlacement placement;
    placement.swcmd = settings.readInt("Frame", "swcmd", 0);
    placement.top = settings.readInt("Frame", "top", 0);
    placement.left = settings.readInt("Frame", "left", 0);
    placement.width = settings.readInt("Frame", "width", 0);
    placement.height = settings.readInt("Frame", "height", 0);
    placement.topMax = settings.readInt("Frame", "topMax", 0);
    placement.leftMax = settings.readInt("Frame", "leftMax", 0);
    placement.topMin = settings.readInt("Frame", "topMin", 0);
    placement.leftMin = settings.readInt("Frame", "leftMin", 0);
    return placement;
}

void writeFramePlacement(SettingsStore &settings, const FramePlacement &placement, bool zoomed)
{
    settings.writeInt("Frame", "swcmd", placement.swcmd);
    settings.writeInt("Frame", "top", placement.top);
    settings.writeInt("Frame", "left", placement.left);
    settings.writeInt("Frame", "width", placement.width);
    settings.writeInt("Frame", "height", placement.height);
    settings.writeInt("Frame", "topMax", placement.topMax);
    settings.writeInt("Frame", "leftMax", placement.leftMax);
    settings.writeInt("Frame", "topMin", placement.topMin);
    settings.writeInt("Frame", "leftMin", placement.leftMin);
    settings.writeInt("Frame", "Zoomed", zoomed ? 1 : 0);
}

std::optional<FramePlacement> placementToRestore(const FramePlacement &stored)
{
    if (stored == FramePlacement{})
        return std::nullopt;
    FramePlacement restored = stored;
    restored.swcmd = 1; // always restored, never maximised or minimised
    return restored;
}

bool runStartup(const std::string &programDirectory, StartupServices &services,
                StartupWindows &windows)
{
    windows.showSplash();
    const int64_t splashShown = services.clock.milliseconds();

    const int failure = bindAndCreate(programDirectory, services, windows);

    const int64_t elapsed = services.clock.milliseconds() - splashShown;
    if (elapsed < SplashMilliseconds)
        services.clock.sleep(SplashMilliseconds - elapsed);
    windows.closeSplash();

    if (failure != 0) {
        services.messages.show(startupFailureMessage(failure));
        return false;
    }
    if (services.settings.readInt("Setting", "FirstBoot", 1) == 1)
        services.shell.open(helpPageUrl(programDirectory, 0));
    services.settings.writeInt("Setting", "FirstBoot", 0);

    windows.showFrame(placementToRestore(readFramePlacement(services.settings)));
    return true;
}

} // namespace app
