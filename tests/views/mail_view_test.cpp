// The mail view headless: folders with their columns, deletion through the frame's operations,
// and messages handed to the desktop's mail program.

#include "views/mail/mail_view.h"

#include "app/string_table.h"
#include "common/data_kind.h"
#include "common/sjis_literal.h"
#include "tests/app/fakes.h"
#include "tests/support/temp_dir.h"
#include "views/common/qt_text.h"

#include <QListWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace {

using views::CMailView;
using views::toQString;

std::vector<char> mailBlock(int32_t box, const std::string &from, const std::string &text)
{
    MailRecord fixed{};
    fixed.header.version = RECORD_VERSION_MAIL;
    fixed.header.kind = KIND_MAIL;
    fixed.header.size = uint32_t(sizeof fixed + text.size() + 1);
    fixed.box = box;
    from.copy(fixed.from, sizeof fixed.from - 1);
    std::string("01 Aug 2003 10:00:00").copy(fixed.date, sizeof fixed.date - 1);
    fixed.bodyLength = int32_t(text.size() + 1);
    std::vector<char> block(reinterpret_cast<const char *>(&fixed),
                            reinterpret_cast<const char *>(&fixed) + sizeof fixed);
    block.insert(block.end(), text.begin(), text.end());
    block.push_back('\0');
    return block;
}

QStringList headings(const CMailView &view)
{
    QStringList texts;
    for (int column = 0; column < view.list()->columnCount(); ++column)
        texts << view.list()->headerItem()->text(column);
    return texts;
}

class MailViewTest : public testing::Test
{
protected:
    void SetUp() override
    {
        view.setExportFolder(dir.path() + "/mtemp/");
        for (const auto &[box, from] : {std::pair{0, "in"}, std::pair{1, "out"}}) {
            const std::vector<char> block = mailBlock(box, from, "Subject: x\r\n\r\nbody");
            ASSERT_EQ(view.mergeCardBlock(block.data()), 1);
        }
        view.refresh();
    }

    testing_support::TempDir dir;
    CMailView view;
    RecordingShell shell;
    ScriptedMessages messages;
};

TEST_F(MailViewTest, TheFoldersShowTheirMessagesAndColumns)
{
    EXPECT_EQ(view.folderList()->count(), 3);
    EXPECT_EQ(view.folderList()->currentRow(), 0);
    EXPECT_EQ(headings(view), (QStringList{toQString(sjis("状態")), toQString(sjis("送信者")),
                                           toQString(sjis("日時")), toQString(sjis("件名"))}));
    ASSERT_EQ(view.listRowCount(), 1);
    EXPECT_EQ(view.list()->topLevelItem(0)->text(1), "in");
    EXPECT_EQ(view.list()->topLevelItem(0)->text(2), "2003/08/01 10:00:00");
    EXPECT_EQ(view.entryCount(), 2);

    view.folderList()->setCurrentRow(1);
    EXPECT_EQ(headings(view).at(1), toQString(sjis("宛先")));
    ASSERT_EQ(view.listRowCount(), 1);
    view.folderList()->setCurrentRow(2);
    EXPECT_EQ(headings(view).size(), 5);
    EXPECT_EQ(view.listRowCount(), 0);
}

TEST_F(MailViewTest, DeletingInTheInboxMovesToTheTrash)
{
    view.deleteEntryAtRow(0);
    view.compact();
    view.refresh();
    EXPECT_EQ(view.listRowCount(), 0);
    view.chooseFolder(2);
    ASSERT_EQ(view.listRowCount(), 1);
    EXPECT_EQ(view.list()->topLevelItem(0)->text(1), "in");
    view.deleteEntryAtRow(0);
    view.compact();
    view.refresh();
    EXPECT_EQ(view.listRowCount(), 0);
    EXPECT_EQ(view.entryCount(), 1);
}

TEST_F(MailViewTest, SelectedMessagesAreExportedAndOpened)
{
    view.selectRow(0);
    view.OpenSelected(shell, messages);
    ASSERT_EQ(shell.opened.size(), 1u);
    const std::string path = shell.opened[0].substr(std::string("file://").size());
    EXPECT_EQ(shell.opened[0].rfind("file://" + dir.path() + "/mtemp/mm", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MailViewTest, AMessageNoProgramTakesIsReported)
{
    shell.accepts = false;
    view.selectRow(0);
    view.OpenSelected(shell, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, app::text(app::TextId::NoMailProgram));
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Warning);
}

TEST_F(MailViewTest, AnExportThatCannotBeWrittenIsReportedWithItsErrorNumber)
{
    std::ofstream(dir.file("blocker")) << "x";
    view.setExportFolder(dir.file("blocker") + "/");
    view.selectRow(0);
    view.OpenSelected(shell, messages);
    EXPECT_TRUE(shell.opened.empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, app::formatText(app::TextId::TempFileFailed, ENOTDIR));
}

} // namespace
