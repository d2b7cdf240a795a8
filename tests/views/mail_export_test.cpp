// Exporting a message for the desktop's mail program.

#include "views/mail/mail_export.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using views::ExportMailText;
using views::MailExportText;

std::string contents(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(MailExportTest, TwoExportsWithinOneSecondGetDistinctNames)
{
    testing_support::TempDir dir;
    const std::string folder = dir.path() + "/mtemp/";
    const views::MailExportResult first = ExportMailText(folder, 0x5f3a, "Subject: a\r\n\r\n1");
    const views::MailExportResult second = ExportMailText(folder, 0x5f3a, "Subject: b\r\n\r\n2");
    EXPECT_EQ(first.path, folder + "mm5f3a0.eml");
    EXPECT_EQ(second.path, folder + "mm5f3a1.eml");
    EXPECT_EQ(contents(first.path), MailExportText("Subject: a\r\n\r\n1"));
    EXPECT_EQ(contents(second.path), MailExportText("Subject: b\r\n\r\n2"));
    namespace fs = std::filesystem;
    EXPECT_EQ(fs::status(first.path).permissions(), fs::perms::owner_read | fs::perms::owner_write)
        << "the user's mail is the user's alone";
    EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all);
}

TEST(MailExportTest, AFolderThatCannotBeMadeIsReported)
{
    testing_support::TempDir dir;
    std::ofstream(dir.file("blocker")) << "x";
    const views::MailExportResult result = ExportMailText(dir.file("blocker") + "/", 1, "x");
    EXPECT_TRUE(result.path.empty());
    EXPECT_NE(result.error, 0);
}

TEST(MailExportTest, AMessageWithoutContentTypeIsMarkedAsShiftJis)
{
    const std::string text = "Subject: x\r\nDate: 1\r\n\r\nbody\r\nContent-Type: in the body\r\n";
    EXPECT_EQ(MailExportText(text), "MIME-Version: 1.0\r\n"
                                    "Content-Type: text/plain; charset=Shift_JIS\r\n"
                                    "Content-Transfer-Encoding: 8bit\r\n"
                                        + text);
    const std::string versioned = "MIME-Version: 1.0\r\nSubject: x\r\n\r\nbody";
    EXPECT_EQ(MailExportText(versioned), "Content-Type: text/plain; charset=Shift_JIS\r\n"
                                         "Content-Transfer-Encoding: 8bit\r\n"
                                             + versioned);
}

TEST(MailExportTest, AMessageWithItsOwnContentTypeIsWrittenAsStored)
{
    const std::string text = "Subject: x\r\ncontent-type: text/plain; charset=ISO-2022-JP\r\n\r\n";
    EXPECT_EQ(MailExportText(text), text);
}

} // namespace
