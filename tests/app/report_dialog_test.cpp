#include "app/report_dialog.h"

#include "app/qt_report_presenter.h"
#include "app/string_table.h"
#include "views/common/qt_text.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using app::TextId;

// "book.vcf から 2 件を読み込み、2 件を追加しました。" in Shift_JIS, as the import gives it.
std::string summary()
{
    return app::formatText(TextId::ImportAdded, "book.vcf", 2, 2);
}

exchange::ImportReport cutName()
{
    exchange::ImportReport report;
    report.add("VCARD 1: 山田花子", "名前を 20 バイトに切り詰めました");
    report.add("VCARD 1: 山田花子", "読みを 16 バイトに切り詰めました");
    return report;
}

TEST(ReportDialogTest, ShowsTheSummaryThenTheHeadingOverTheReadOnlyReport)
{
    app::ReportDialog dialog(summary(), cutName());
    EXPECT_EQ(dialog.windowTitle(), views::toQString(app::text(TextId::ImportReportTitle)));
    EXPECT_EQ(dialog.summary()->text(), views::toQString(summary()));
    ASSERT_NE(dialog.heading(), nullptr);
    EXPECT_EQ(dialog.heading()->text(), views::toQString(app::text(TextId::ImportReportHeading)));
    ASSERT_NE(dialog.reportText(), nullptr);
    EXPECT_EQ(dialog.reportText()->toPlainText(),
              QString::fromUtf8("VCARD 1: 山田花子\n  名前を 20 バイトに切り詰めました\n"
                                "  読みを 16 バイトに切り詰めました\n"));
    EXPECT_TRUE(dialog.reportText()->isReadOnly());

    const QList<QDialogButtonBox *> boxes = dialog.findChildren<QDialogButtonBox *>();
    ASSERT_EQ(boxes.size(), 1);
    ASSERT_EQ(boxes[0]->buttons().size(), 1);
    boxes[0]->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(ReportDialogTest, AnEmptyReportShowsTheSummaryAlone)
{
    app::ReportDialog dialog(summary(), {});
    EXPECT_EQ(dialog.summary()->text(), views::toQString(summary()));
    EXPECT_EQ(dialog.heading(), nullptr);
    EXPECT_EQ(dialog.reportText(), nullptr);
    EXPECT_TRUE(dialog.findChildren<QTextEdit *>().isEmpty());
}

TEST(QtReportPresenterTest, ShowsEachReportInAModalDialogOverItsParent)
{
    QWidget frame;
    app::QtReportPresenter presenter(&frame);
    QString shownSummary;
    QWidget *shownParent = nullptr;
    QTimer::singleShot(0, &frame, [&] {
        if (auto *dialog = qobject_cast<app::ReportDialog *>(QApplication::activeModalWidget())) {
            shownSummary = dialog->summary()->text();
            shownParent = dialog->parentWidget();
            dialog->accept();
        }
    });
    presenter.showReport(summary(), cutName());
    EXPECT_EQ(shownSummary, views::toQString(summary()));
    EXPECT_EQ(shownParent, &frame);
}

} // namespace
