#include "qt_report_presenter.h"

#include "app/report_dialog.h"

namespace app {

void QtReportPresenter::showReport(const std::string &summary, const exchange::ImportReport &report)
{
    ReportDialog(summary, report, m_parent).exec();
}

} // namespace app
