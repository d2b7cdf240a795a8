#include "import_report.h"

namespace exchange {

std::string reportText(const ImportReport &report)
{
    std::string text;
    for (const ImportReportEntry &entry : report.entries) {
        text += entry.label + '\n';
        for (const std::string &note : entry.notes)
            text += "  " + note + '\n';
    }
    return text;
}

} // namespace exchange
