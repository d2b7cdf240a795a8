#pragma once

#include "app/report_presenter.h"

class QWidget;

namespace app {

// Shows each report in a modal ReportDialog over parent.
class QtReportPresenter : public ReportPresenter
{
public:
    explicit QtReportPresenter(QWidget *parent)
        : m_parent(parent)
    {
    }

    void showReport(const std::string &summary, const exchange::ImportReport &report) override;

private:
    QWidget *m_parent;
};

} // namespace app
