#include "card_roots.h"

#include "app/settings_store.h"
#include "platform/sjis_text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace app {
namespace {

namespace fs = std::filesystem;

constexpr const char *SettingSection = "Setting";
constexpr const char *CardFoldersName = "CardFolders";

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (start < line.size()) {
        const size_t end = std::min(line.find(' ', start), line.size());
        if (end > start)
            fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The kernel writes space, tab, line feed and backslash in mount points as "\ooo".
std::string decodeOctal(std::string_view text)
{
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size()) {
            const std::string_view digits = text.substr(i + 1, 3);
            if (std::all_of(digits.begin(), digits.end(),
                            [](char c) { return c >= '0' && c <= '7'; })) {
                decoded += static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8
                                             + (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        decoded += text[i];
    }
    return decoded;
}

// udev writes unsafe bytes of a label link's name as "\xNN".
std::string decodeHex(std::string_view text)
{
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            const int high = hexDigit(text[i + 2]);
            const int low = hexDigit(text[i + 3]);
            if (high >= 0 && low >= 0) {
                decoded += static_cast<char>(high * 16 + low);
                i += 3;
                continue;
            }
        }
        decoded += text[i];
    }
    return decoded;
}

bool parseDevice(std::string_view text, unsigned &major, unsigned &minor)
{
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon + 1 >= text.size())
        return false;
    auto number = [](std::string_view digits, unsigned &value) {
        value = 0;
        for (char c : digits) {
            if (c < '0' || c > '9')
                return false;
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
        return true;
    };
    return number(text.substr(0, colon), major) && number(text.substr(colon + 1), minor);
}

std::string readText(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool flagSet(const fs::path &file)
{
    const std::string text = readText(file);
    return !text.empty() && text[0] == '1';
}

std::string canonicalPath(const fs::path &path)
{
    std::error_code error;
    const fs::path resolved = fs::canonical(path, error);
    return error ? std::string() : resolved.string();
}

// Canonical device path -> label, from udev's label links.
std::map<std::string, std::string> labelsByDevice(const std::string &folder)
{
    std::map<std::string, std::string> labels;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string device = canonicalPath(it->path());
        if (!device.empty())
            labels.emplace(device, decodeHex(it->path().filename().string()));
    }
    return labels;
}

bool hasEntry(const std::string &folder)
{
    std::error_code error;
    const fs::directory_iterator it(folder, error);
    return !error && it != fs::directory_iterator();
}

bool isDesktopMount(const std::string &mountPoint, const std::vector<std::string> &prefixes)
{
    return std::any_of(prefixes.begin(), prefixes.end(), [&](const std::string &prefix) {
        return mountPoint.size() > prefix.size() && mountPoint.starts_with(prefix);
    });
}

} // namespace

std::string cardDisplayName(const CardRoot &root)
{
    return platform::utf8ToSjis(root.label.empty() ? root.path : root.label);
}

std::vector<MountedVolume> parseMountInfo(std::string_view text)
{
    std::vector<MountedVolume> mounts;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::vector<std::string_view> fields = splitFields(text.substr(start, end - start));
        start = end + 1;
        // id, parent, major:minor, root, mount point, options, optional fields, "-", type,
        // source, super options.
        const auto separator = std::find(fields.begin(), fields.end(), "-");
        MountedVolume mount;
        if (fields.size() < 6 || separator - fields.begin() < 6 || fields.end() - separator < 3
            || !parseDevice(fields[2], mount.major, mount.minor))
            continue;
        mount.mountPoint = decodeOctal(fields[4]);
        mount.source = decodeOctal(*(separator + 2));
        mounts.push_back(std::move(mount));
    }
    return mounts;
}

bool isCardDevice(const std::string &sysfs, unsigned major, unsigned minor)
{
    const fs::path link
        = fs::path(sysfs) / "dev" / "block" / (std::to_string(major) + ":" + std::to_string(minor));
    const std::string device = canonicalPath(link);
    if (device.empty())
        return false;
    const fs::path path(device);
    if (flagSet(path / "removable"))
        return true;
    std::error_code error;
    if (fs::exists(path / "partition", error) && flagSet(path.parent_path() / "removable"))
        return true;
    // Card readers on USB and SD/MMC slots often do not set the flag.
    const fs::path devices = fs::path(canonicalPath(sysfs)) / "devices";
    const fs::path below = path.lexically_relative(devices);
    return std::any_of(below.begin(), below.end(), [](const fs::path &component) {
        const std::string name = component.string();
        return name.starts_with("usb") || name.starts_with("mmc");
    });
}

std::vector<CardRoot> findCardRoots(const CardRootSystem &system, const CardSearchStep &step)
{
    const std::vector<MountedVolume> mounts = parseMountInfo(readText(system.mountInfo));
    const std::map<std::string, std::string> labels = labelsByDevice(system.labels);
    const int count = static_cast<int>(mounts.size());
    std::vector<CardRoot> roots;
    std::set<std::string> seen;
    for (int position = 0; position < count; ++position) {
        if (step)
            step(position, count);
        const MountedVolume &mount = mounts[static_cast<size_t>(position)];
        if (seen.count(mount.mountPoint))
            continue;
        if (!isCardDevice(system.sysfs, mount.major, mount.minor)
            && !isDesktopMount(mount.mountPoint, system.desktopMounts))
            continue;
        if (!hasEntry(mount.mountPoint))
            continue;
        seen.insert(mount.mountPoint);
        const auto label = labels.find(canonicalPath(mount.source));
        roots.push_back({mount.mountPoint, label == labels.end() ? "" : label->second});
    }
    if (step)
        step(count, count);
    return roots;
}

std::vector<std::string> rememberedCardFolders(const SettingsStore &settings)
{
    std::vector<std::string> folders = settings.readPathList(SettingSection, CardFoldersName);
    std::erase(folders, std::string());
    if (folders.size() > static_cast<size_t>(RememberedCardFolderLimit))
        folders.resize(RememberedCardFolderLimit);
    return folders;
}

void rememberCardFolder(SettingsStore &settings, const std::string &folder)
{
    if (folder.empty())
        return;
    std::vector<std::string> folders = rememberedCardFolders(settings);
    std::erase(folders, folder);
    folders.insert(folders.begin(), folder);
    if (folders.size() > static_cast<size_t>(RememberedCardFolderLimit))
        folders.resize(RememberedCardFolderLimit);
    settings.writePathList(SettingSection, CardFoldersName, folders);
}

} // namespace app
