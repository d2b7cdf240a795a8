#include "app/card_roots.h"

#include "card_fakes.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace app;
namespace fs = std::filesystem;

TEST(MountInfoTest, ReadsDeviceMountPointAndSource)
{
    const std::string text
        = "22 1 0:21 / /proc rw,nosuid shared:12 - proc proc rw\n"
          "garbage\n"
          "40 29 8:17 / /media/user/MY\\040CARD rw,nosuid shared:1 master:2 - vfat /dev/sdb1 rw\n"
          "41 29 x:1 / /mnt/bad rw - ext4 /dev/bad rw\n"
          "42 29 179:1 / /mnt/sd rw - vfat /dev/mmcblk0p1 rw";

    const std::vector<MountedVolume> mounts = parseMountInfo(text);

    ASSERT_EQ(mounts.size(), 3u);
    EXPECT_EQ(mounts[0].mountPoint, "/proc");
    EXPECT_EQ(mounts[1].major, 8u);
    EXPECT_EQ(mounts[1].minor, 17u);
    EXPECT_EQ(mounts[1].mountPoint, "/media/user/MY CARD");
    EXPECT_EQ(mounts[1].source, "/dev/sdb1");
    EXPECT_EQ(mounts[2].mountPoint, "/mnt/sd");
    EXPECT_EQ(mounts[2].source, "/dev/mmcblk0p1");
}

// A sysfs tree of a few block devices, each reachable through /sys/dev/block/<major:minor>.
class FakeSystem
{
public:
    FakeSystem()
    {
        device("8:17", "pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/block/sdb",
               "sdb1", false);
        device("8:1", "pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/block/sda", "sda1", false);
        device("179:1", "platform/soc/mmc_host/mmc0/mmc0:aaaa/block/mmcblk0", "mmcblk0p1", false);
        device("8:33", "pci0000:00/0000:00:17.0/ata2/host1/target1:0:0/block/sdc", "sdc1", true);
        device("7:0", "virtual/block/loop0", "", false);
    }

    std::string sysfs() const { return m_dir.path() + "/sys"; }
    std::string at(const std::string &relative) const { return m_dir.path() + "/" + relative; }

    // A mount point holding a file (or nothing when empty).
    std::string mountPoint(const std::string &relative, bool empty = false) const
    {
        fs::create_directories(at(relative));
        if (!empty)
            touchFile(at(relative + "/DCIM"));
        return at(relative);
    }

private:
    // The disk below devices/, and its partition (none for an unpartitioned device).
    void device(const std::string &number, const std::string &disk, const std::string &partition,
                bool removable)
    {
        const fs::path diskPath = fs::path(sysfs()) / "devices" / disk;
        fs::create_directories(diskPath);
        touchFile((diskPath / "removable").string(), removable ? "1\n" : "0\n");
        fs::path node = diskPath;
        if (!partition.empty()) {
            node /= partition;
            fs::create_directories(node);
            touchFile((node / "partition").string(), "1\n");
        }
        fs::create_directories(fs::path(sysfs()) / "dev" / "block");
        fs::create_directory_symlink(fs::path("../..") / "devices"
                                         / node.lexically_relative(fs::path(sysfs()) / "devices"),
                                     fs::path(sysfs()) / "dev" / "block" / number);
    }

    testing_support::TempDir m_dir;
};

TEST(CardDeviceTest, TakesRemovableDevicesAndCardReaders)
{
    const FakeSystem system;
    const struct
    {
        unsigned major, minor;
        bool card;
        const char *why;
    } cases[] = {
        {8, 17, true, "a partition on a USB reader"},
        {179, 1, true, "an SD/MMC slot"},
        {8, 33, true, "a partition of a removable disk"},
        {8, 1, false, "a built-in disk"},
        {7, 0, false, "a loop device"},
        {9, 9, false, "no such device"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(isCardDevice(system.sysfs(), c.major, c.minor), c.card);
    }
}

TEST(CardRootsTest, FindsMountedCardsWithTheirLabels)
{
    const FakeSystem system;
    const std::string reader = system.mountPoint("mnt/reader");
    const std::string disk = system.mountPoint("mnt/disk");
    const std::string emptySlot = system.mountPoint("mnt/slot", true);
    const std::string desktop = system.mountPoint("media/user/STICK");
    const std::string spaced = system.mountPoint("mnt/my card");
    fs::create_directories(system.at("devs"));
    touchFile(system.at("devs/sdb1"));
    fs::create_directories(system.at("labels"));
    fs::create_symlink("../devs/sdb1", system.at("labels/CARD\\x20ONE"));

    const std::string mountInfo = "1 0 8:1 / " + disk
                                  + " rw - ext4 /dev/sda1 rw\n"
                                    "2 1 8:17 / "
                                  + reader + " rw shared:1 - vfat " + system.at("devs/sdb1")
                                  + " rw\n"
                                    "3 1 179:1 / "
                                  + emptySlot
                                  + " rw - vfat /dev/mmcblk0p1 rw\n"
                                    "4 1 7:0 / "
                                  + desktop
                                  + " rw - iso9660 /dev/loop0 ro\n"
                                    "5 1 8:33 / "
                                  + system.at("mnt/my\\040card")
                                  + " rw - vfat /dev/sdc1 rw\n"
                                    "6 1 8:17 / "
                                  + reader + " rw - vfat " + system.at("devs/sdb1") + " rw\n";
    touchFile(system.at("mountinfo"), mountInfo);
    CardRootSystem where;
    where.mountInfo = system.at("mountinfo");
    where.sysfs = system.sysfs();
    where.labels = system.at("labels");
    where.desktopMounts = {system.at("media/")};
    std::vector<std::pair<int, int>> steps;

    const std::vector<CardRoot> roots = findCardRoots(
        where, [&](int position, int count) { steps.emplace_back(position, count); });

    ASSERT_EQ(roots.size(), 3u);
    EXPECT_EQ(roots[0].path, reader);
    EXPECT_EQ(roots[0].label, "CARD ONE");
    EXPECT_EQ(roots[1].path, desktop);
    EXPECT_EQ(roots[1].label, "");
    EXPECT_EQ(roots[2].path, spaced);
    EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{
                         {0, 6}, {1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}}));
}

TEST(CardRootsTest, WithoutAMountTableThereIsNoCard)
{
    CardRootSystem where;
    where.mountInfo = "/nonexistent/mountinfo";
    EXPECT_TRUE(findCardRoots(where).empty());
}

TEST(CardRootsTest, DisplayNameIsTheLabelElseTheFolder)
{
    EXPECT_EQ(cardDisplayName({"/media/user/SD", "NO NAME"}), "NO NAME");
    EXPECT_EQ(cardDisplayName({"/home/user/card copy", ""}), "/home/user/card copy");
}

TEST(RememberedCardFoldersTest, KeepsTheNewestFirstAndAtMostEight)
{
    MemorySettings settings;
    EXPECT_TRUE(rememberedCardFolders(settings).empty());

    for (int i = 1; i <= 9; ++i)
        rememberCardFolder(settings, "/home/user/card" + std::to_string(i));
    rememberCardFolder(settings, "/home/user/card5");

    const std::vector<std::string> folders = rememberedCardFolders(settings);
    ASSERT_EQ(folders.size(), 8u);
    EXPECT_EQ(folders[0], "/home/user/card5");
    EXPECT_EQ(folders[1], "/home/user/card9");
    // Bringing card5 forward made no room: card1, the oldest, went when card9 came.
    EXPECT_EQ(folders[7], "/home/user/card2");
    EXPECT_EQ(std::count(folders.begin(), folders.end(), "/home/user/card5"), 1);
    EXPECT_EQ(settings.pathLists["Setting/CardFolders"], folders);
}

TEST(RememberedCardFoldersTest, KeepsAnyFolderNameButNoEmptyOne)
{
    MemorySettings settings;
    const std::vector<std::string> folders
        = {"/home/user/two\nlines", "/home/user/caf\xC3\xA9", "/home/user/カード"};
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder)
        rememberCardFolder(settings, *folder);
    rememberCardFolder(settings, "");

    EXPECT_EQ(rememberedCardFolders(settings), folders);
}

} // namespace
