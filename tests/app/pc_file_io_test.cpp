#include "app/pc_file_io.h"
#include "app/pc_file_kinds.h"
#include "common/sjis_literal.h"
#include "full_disk.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string contentOf(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::span<const unsigned char> bytesOf(const std::string &text)
{
    return {reinterpret_cast<const unsigned char *>(text.data()), text.size()};
}

TEST(PcFileIoTest, ReadsAFileWholeAndReportsWhyItCouldNot)
{
    testing_support::TempDir dir;
    const std::string data("APC\0tail", 8);
    std::ofstream(dir.file("book.apc"), std::ios::binary) << data;

    const app::PcFileBytes read = app::readPcFile(dir.file("book.apc"));
    EXPECT_EQ(read.result, app::PcFileBytes::Read);
    EXPECT_EQ(std::string(read.bytes.begin(), read.bytes.end()), data);

    const app::PcFileBytes missing = app::readPcFile(dir.file("missing.apc"));
    EXPECT_EQ(missing.result, app::PcFileBytes::OpenFailed);
    EXPECT_EQ(missing.systemError, ENOENT);
    EXPECT_EQ(app::readPcFile(dir.path()).result, app::PcFileBytes::OpenFailed) << "a folder";

    std::ofstream(dir.file("empty.apc"));
    const app::PcFileBytes empty = app::readPcFile(dir.file("empty.apc"));
    EXPECT_EQ(empty.result, app::PcFileBytes::Read);
    EXPECT_TRUE(empty.bytes.empty());
}

TEST(PcFileIoTest, ReplacesTheFileWholeKeepingItsPermissions)
{
    testing_support::TempDir dir;
    const std::string path = dir.file("book.apc");
    ASSERT_EQ(app::replaceFile(path, bytesOf("first")), 0);
    EXPECT_EQ(contentOf(path), "first");

    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(app::replaceFile(path, bytesOf("second, longer")), 0);
    EXPECT_EQ(contentOf(path), "second, longer");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
        << "no temporary file is left";
}

TEST(PcFileIoTest, AFailedWriteLeavesThePreviousFileAsItWas)
{
    testing_support::TempDir dir;
    const std::string path = dir.file("book.apc");
    ASSERT_EQ(app::replaceFile(path, bytesOf("the old book")), 0);

    for (size_t limit : {size_t{0}, size_t{3}, size_t{11}}) {
        EXPECT_EQ(app::replaceFile(path, bytesOf("a new, larger book"), failingAfter(limit)),
                  ENOSPC)
            << limit;
        EXPECT_EQ(contentOf(path), "the old book") << limit;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
            << "the temporary file is removed";
    }
    EXPECT_EQ(app::replaceFile(dir.file("no/such/folder.apc"), bytesOf("x")), ENOENT);
}

TEST(PcFileKindsTest, EachKindHasItsFilterAndANameWithoutExtensionGetsIts)
{
    const app::PcFileDialogKind *address = app::pcFileDialogKind(2);
    ASSERT_NE(address, nullptr);
    EXPECT_STREQ(address->description, sjis("ｱﾄﾞﾚｽ帳ﾃﾞｰﾀ (*.apc)"));
    EXPECT_STREQ(address->pattern, "*.apc");
    EXPECT_STREQ(app::pcFileDialogKind(1)->pattern, "*.bpc");
    EXPECT_STREQ(app::pcFileDialogKind(3)->pattern, "*.mpc");
    EXPECT_STREQ(app::pcFileDialogKind(4)->pattern, "*.cpc");
    EXPECT_EQ(app::pcFileDialogKind(0), nullptr);
    EXPECT_EQ(app::pcFileDialogKind(5), nullptr);

    struct Case
    {
        const char *chosen;
        const char *saved;
    };
    const Case cases[] = {
        {"/home/user/book", "/home/user/book.apc"},
        {"/home/user/book.apc", "/home/user/book.apc"},
        {"/home/user/book.txt", "/home/user/book.txt"},
        {"/home/user.d/book", "/home/user.d/book.apc"},
        {"book", "book.apc"},
        {"/home/user/", "/home/user/"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(app::withPcFileExtension(c.chosen, *address), c.saved) << c.chosen;
}

} // namespace
