#pragma once

#include "exchange/import_report.h"

#include <QDialog>

#include <string>

class QLabel;
class QTextEdit;

namespace app {

// What an import did, titled "取り込みの報告": the summary (Shift_JIS) and, when the report
// is not empty, its heading over a read-only scrolling text of the report, whose lines wrap
// indented under their start; an OK button.
class ReportDialog : public QDialog
{
    Q_OBJECT

public:
    ReportDialog(const std::string &summary, const exchange::ImportReport &report,
                 QWidget *parent = nullptr);

    QLabel *summary() const { return m_summary; }
    // The heading and the text of the report; null when the report is empty.
    QLabel *heading() const { return m_heading; }
    QTextEdit *reportText() const { return m_reportText; }

private:
    QLabel *m_summary;
    QLabel *m_heading = nullptr;
    QTextEdit *m_reportText = nullptr;
};

} // namespace app
