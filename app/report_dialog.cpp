#include "report_dialog.h"

#include "app/string_table.h"
#include "views/common/qt_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace app {
namespace {

// Wide enough for a summary on one line, and for a report line of a long value to need no
// more than two.
constexpr int SummaryWidth = 480;
constexpr int ReportWidth = 560;
constexpr int ReportHeight = 320;

} // namespace

ReportDialog::ReportDialog(const std::string &summary, const exchange::ImportReport &report,
                           QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(views::toQString(text(TextId::ImportReportTitle)));
    setMinimumWidth(SummaryWidth);
    auto *layout = new QVBoxLayout(this);
    m_summary = new QLabel(views::toQString(summary), this);
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    if (!report.empty()) {
        m_heading = new QLabel(views::toQString(text(TextId::ImportReportHeading)), this);
        m_heading->setWordWrap(true);
        layout->addWidget(m_heading);
        m_reportText = new QTextEdit(this);
        m_reportText->setReadOnly(true);
        // The report's texts are UTF-8 already.
        m_reportText->setPlainText(QString::fromStdString(exchange::reportText(report)));
        // A long value wraps: its following lines indented, so that the labels stay apart.
        QTextBlockFormat hanging;
        const qreal indent = m_reportText->fontMetrics().horizontalAdvance(QStringLiteral("    "));
        hanging.setLeftMargin(indent);
        hanging.setTextIndent(-indent);
        QTextCursor all(m_reportText->document());
        all.select(QTextCursor::Document);
        all.mergeBlockFormat(hanging);
        layout->addWidget(m_reportText, 1);
        resize(ReportWidth, ReportHeight);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

} // namespace app
