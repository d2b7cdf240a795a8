#include "app/main_frame.h"

#include "app/report_dialog.h"
#include "app/string_table.h"
#include "exchange_fakes.h"
#include "fakes.h"
#include "host/kind_limit_cache.h"
#include "host/plugin_host.h"
#include "tests/support/temp_dir.h"
#include "views/common/data_view.h"
#include "views/common/qt_text.h"

#include <QApplication>
#include <QLabel>
#include <QTextEdit>
#include <QTimer>

#include <filesystem>

#include <gtest/gtest.h>

namespace {

using namespace app;

// The frame's export and import commands on a real model: the dialogs scripted, the reports
// recorded unless a test wants the frame's own dialog.
class ExchangeCommandsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_GT(plugins.discover(MODEL_PLUGIN_DIR), 1);
        ASSERT_TRUE(plugins.selectByModelName("DoCoMo P505i"));
        limits.refill(plugins);
    }

    std::unique_ptr<CMainFrame> makeFrame(ReportPresenter *presenter)
    {
        return std::make_unique<CMainFrame>(FrameServices{plugins, limits, messages, settings,
                                                          shell, program.path() + "/", nullptr,
                                                          &chooser, presenter});
    }

    QString qt(TextId id) const { return views::toQString(text(id)); }

    host::PluginHost plugins;
    host::KindLimitCache limits;
    ScriptedMessages messages;
    MemorySettings settings;
    RecordingShell shell;
    testing_support::TempDir program;
    ScriptedExchangeChooser chooser;
    RecordingReports reports;
};

TEST_F(ExchangeCommandsTest, ImportShowsTheEntriesUnsavedAndExportWritesThem)
{
    const std::unique_ptr<CMainFrame> frame = makeFrame(&reports);
    EXPECT_EQ(&frame->reportPresenter(), &reports);
    frame->executeCommand(CmdAddressView);
    views::DataView &book = *frame->dataView(KindAddress);
    chooser.answers = {std::string(EXCHANGE_TEST_DATA "sample_address.vcf")};
    frame->executeCommand(CmdImport);

    ASSERT_EQ(reports.shown.size(), 1u);
    const int rows = book.listRowCount();
    EXPECT_EQ(reports.shown[0].summary,
              formatText(TextId::ImportAdded, "sample_address.vcf", rows, rows));
    EXPECT_GT(rows, 1);
    const int selected = static_cast<int>(book.selectedRows().size());
    EXPECT_EQ(frame->statusText(2),
              views::toQString(formatText(TextId::SelectionCount, rows, selected)))
        << "the status bar counts the new rows";
    EXPECT_TRUE(book.isModified());
    EXPECT_EQ(frame->windowTitle(), qt(TextId::Untitled) + " - Cellvane") << "no file yet";
    EXPECT_TRUE(frame->isCommandEnabled(CmdExport));

    testing_support::TempDir out;
    chooser.answers = {out.file("book")};
    frame->executeCommand(CmdExport);
    EXPECT_TRUE(std::filesystem::exists(out.file("book.vcf")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, formatText(TextId::Exported, rows, "book.vcf"));
    EXPECT_TRUE(book.isModified()) << "an export is no save";
}

TEST_F(ExchangeCommandsTest, WithoutAPresenterGivenTheFrameShowsItsReportDialog)
{
    const std::string longest = EXCHANGE_CORPUS "/symbian-versit/Longest.vcf";
    if (!std::filesystem::exists(longest))
        GTEST_SKIP() << "no sample corpus at " << EXCHANGE_CORPUS;
    const std::unique_ptr<CMainFrame> frame = makeFrame(nullptr);
    frame->executeCommand(CmdAddressView);
    chooser.answers = {longest};
    QString summary;
    QString report;
    QWidget *parent = nullptr;
    QTimer::singleShot(0, frame.get(), [&] {
        if (auto *dialog = qobject_cast<ReportDialog *>(QApplication::activeModalWidget())) {
            summary = dialog->summary()->text();
            report = dialog->reportText() ? dialog->reportText()->toPlainText() : QString();
            parent = dialog->parentWidget();
            dialog->accept();
        }
    });
    frame->executeCommand(CmdImport);
    EXPECT_EQ(summary, views::toQString(formatText(TextId::ImportAdded, "Longest.vcf", 1, 1)));
    EXPECT_TRUE(report.startsWith("VCARD 1")) << report.toStdString();
    EXPECT_EQ(parent, frame.get());
    EXPECT_EQ(frame->dataView(KindAddress)->listRowCount(), 1);
}

} // namespace
