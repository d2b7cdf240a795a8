#pragma once

#include "views/common/list_rows.h"

#include <string>
#include <vector>

namespace views {

// The list side every kind's store shares: the rows as the view shows them (each carrying its
// store index), their selection and sort order, and the unsaved flag. Rows and store indexes
// are 0-based.
class ListedStore
{
public:
    int RowCount() const { return m_rows.count(); }
    // The store index of row, or -1.
    int rowIndex(int row) const { return m_rows.indexAt(row); }
    const std::string &rowText(int row, int column) const { return m_rows.text(row, column); }
    int sortColumn() const { return m_rows.sortColumn(); }
    bool isSortDescending(int column) const { return m_rows.isDescending(column); }

    bool isRowSelected(int row) const { return m_rows.isSelected(row); }
    void setRowSelected(int row, bool selected) { m_rows.setSelected(row, selected); }
    std::vector<int> selectedRows() const { return m_rows.selectedRows(); }
    // The store index of the first selected row (what an editor edits), or -1 without one.
    int firstSelectedIndex() const
    {
        const std::vector<int> rows = selectedRows();
        return rows.empty() ? -1 : rowIndex(rows.front());
    }
    void DeselectAll() { m_rows.deselectAll(); }

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

protected:
    explicit ListedStore(int columnCount)
        : m_rows(columnCount)
    {
    }

    ListRows m_rows;
    bool m_modified = false;
};

} // namespace views
