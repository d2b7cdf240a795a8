#include "platform/directory_walk.h"
#include "platform/dynamic_library.h"
#include "platform/single_instance.h"
#include "platform/sjis_text.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

using testing_support::TempDir;

void touch(const std::string &path)
{
    std::ofstream(path) << "x";
}

TEST(SingleInstanceLockTest, SecondHolderIsRefusedUntilTheFirstEnds)
{
    TempDir dir;
    auto first = std::make_unique<platform::SingleInstanceLock>();
    ASSERT_TRUE(first->acquire("MobileTessalyTool_Mutex_20030815", dir.path()));
    platform::SingleInstanceLock second;
    EXPECT_FALSE(second.acquire("MobileTessalyTool_Mutex_20030815", dir.path()));
    EXPECT_FALSE(second.isHeld());
    platform::SingleInstanceLock other;
    EXPECT_TRUE(other.acquire("AnotherName", dir.path()));
    first.reset();
    EXPECT_TRUE(second.acquire("MobileTessalyTool_Mutex_20030815", dir.path()));
}

TEST(SingleInstanceLockTest, UnwritableDirectoryRefusesTheLock)
{
    platform::SingleInstanceLock lock;
    EXPECT_FALSE(lock.acquire("name", "/nonexistent-folder-for-the-lock"));
}

TEST(DirectoryWalkTest, ListsOnlyRegularFilesWithTheSuffix)
{
    TempDir dir;
    touch(dir.file("a.pmd"));
    touch(dir.file("b.pmd"));
    touch(dir.file("c.pmdx"));
    touch(dir.file(".pmd"));
    std::filesystem::create_directory(dir.file("folder.pmd"));
    std::vector<std::string> names = platform::filesWithSuffix(dir.path(), ".pmd");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.pmd", "b.pmd"}));
    EXPECT_TRUE(platform::filesWithSuffix(dir.file("missing"), ".pmd").empty());
}

TEST(DirectoryWalkTest, RemovesMatchingFilesAndKeepsTheFolder)
{
    TempDir dir;
    touch(dir.file("one.eml"));
    touch(dir.file("two.eml"));
    touch(dir.file("keep.txt"));
    EXPECT_EQ(platform::removeFilesWithSuffix(dir.path() + "/", ".eml"), 2);
    EXPECT_TRUE(std::filesystem::exists(dir.file("keep.txt")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("one.eml")));
}

TEST(DirectoryWalkTest, ExecutableDirectoryEndsWithSlashAndHoldsThisProgram)
{
    const std::string folder = platform::executableDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "platform_tests"));
}

TEST(DynamicLibraryTest, LoadsByPathOnlyAndResolvesNames)
{
    platform::DynamicLibrary library;
    EXPECT_FALSE(library.load("libc.so.6")) << "bare names are never searched";
    EXPECT_FALSE(library.load("/nonexistent/lib.so"));
    EXPECT_EQ(library.symbol("strlen"), nullptr);
    TempDir dir;
    touch(dir.file("fake.so"));
    EXPECT_FALSE(library.load(dir.file("fake.so")));
    EXPECT_FALSE(library.isLoaded());
}

TEST(SjisTextTest, ConvertsBothWaysAndSurvivesBrokenBytes)
{
    const std::string sjis = "\x83\x81\x81\x5B\x83\x8B"; // "メール"
    EXPECT_EQ(platform::sjisToUtf8(sjis), "\xE3\x83\xA1\xE3\x83\xBC\xE3\x83\xAB");
    EXPECT_EQ(platform::utf8ToSjis("\xE3\x83\xA1\xE3\x83\xBC\xE3\x83\xAB"), sjis);
    EXPECT_EQ(platform::sjisToUtf8("\xB1\xC4"), "\xEF\xBD\xB1\xEF\xBE\x84"); // half-width "ｱﾄ"
    // A lone lead byte in the middle does not swallow the rest.
    EXPECT_EQ(platform::sjisToUtf8("A\x81"), "A\xEF\xBF\xBD");
    EXPECT_EQ(platform::sjisToUtf8(""), "");
}

} // namespace
