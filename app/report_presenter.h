#pragma once

#include "exchange/import_report.h"

#include <string>

namespace app {

// Shows what an import or a conversion did to the entries: the summary (Shift_JIS, as the
// message boxes take it) and, below it, the report when it is not empty.
class ReportPresenter
{
public:
    virtual ~ReportPresenter() = default;
    virtual void showReport(const std::string &summary, const exchange::ImportReport &report) = 0;
};

} // namespace app
