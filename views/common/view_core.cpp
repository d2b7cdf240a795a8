#include "view_core.h"

namespace views {

void ViewCore::selectAllRows()
{
    for (int row = 0; row < m_listed.RowCount(); ++row)
        m_listed.setRowSelected(row, true);
}

bool ViewCore::newData()
{
    clearData();
    m_pcFolder.clear();
    m_pcName.clear();
    setModified(false);
    refresh();
    return true;
}

void ViewCore::setPcFile(const std::string &folder, const std::string &name)
{
    m_pcFolder = folder;
    m_pcName = name;
}

} // namespace views
