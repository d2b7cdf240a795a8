#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

class SettingsStore;

// A place that holds a memory card's files: a mounted card or a folder the user chose (a copy
// of a card kept on disk). Texts are UTF-8, as the file system has them.
struct CardRoot
{
    std::string path;  // mount point or folder
    std::string label; // the volume label; empty when there is none
};

// The name messages give the card: its label, or its folder when it has none; Shift_JIS.
std::string cardDisplayName(const CardRoot &root);

// One mount of the mount table.
struct MountedVolume
{
    unsigned major = 0;
    unsigned minor = 0;
    std::string mountPoint;
    std::string source; // the mounted device, "/dev/sdb1"
};

// The mounts of a mountinfo text (/proc/self/mountinfo), in its order, with the kernel's octal
// escapes ("\040") decoded. Lines that do not parse are left out.
std::vector<MountedVolume> parseMountInfo(std::string_view text);

// Whether the block device major:minor is a card: the kernel marks it or its disk removable,
// or it hangs below an SD/MMC host or a USB bus (card slots and card readers). sysfs is the
// root of the sysfs tree ("/sys").
bool isCardDevice(const std::string &sysfs, unsigned major, unsigned minor);

// Where the enumeration looks; tests point it at a fake system.
struct CardRootSystem
{
    std::string mountInfo = "/proc/self/mountinfo";
    std::string sysfs = "/sys";
    // udev's links from volume labels to devices.
    std::string labels = "/dev/disk/by-label";
    // Where the desktop mounts the media it is given, each ending with '/'.
    std::vector<std::string> desktopMounts = {"/media/", "/run/media/"};
};

// Called before each mount is looked at (position 0 to count - 1) and once at the end (count).
using CardSearchStep = std::function<void(int position, int count)>;

// Every mounted volume that is a card device or that the desktop mounted, whose root holds at
// least one entry, with its label: each mount point once, in mount-table order.
std::vector<CardRoot> findCardRoots(const CardRootSystem &system = {},
                                    const CardSearchStep &step = {});

// The folders the user chose as cards, newest first, at most RememberedCardFolderLimit, kept in
// Setting/CardFolders as a list of paths.
constexpr int RememberedCardFolderLimit = 8;
std::vector<std::string> rememberedCardFolders(const SettingsStore &settings);
// Puts folder first, dropping an earlier mention of it and the oldest beyond the limit.
void rememberCardFolder(SettingsStore &settings, const std::string &folder);

} // namespace app
