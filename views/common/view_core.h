#pragma once

#include "views/common/listed_store.h"
#include "views/common/view_operations.h"

#include <string>
#include <vector>

namespace views {

// A column of the entry list: Shift_JIS heading and width in pixels.
struct ListColumn
{
    const char *heading;
    int width;
};

// A data view without widgets: every operation the frame, the card transfer and the PC files
// ask of a view, done on the kind's store alone, with the view's PC file names and its list's
// columns. cellvane-cli works on the cores directly; the editor's views forward to theirs and
// then show the store.
class ViewCore : public ViewOperations
{
public:
    int viewKind() const override { return m_viewKind; }

    int listRowCount() const override { return m_listed.RowCount(); }
    std::vector<int> selectedRows() const override { return m_listed.selectedRows(); }
    void clearSelection() override { m_listed.DeselectAll(); }
    void selectRow(int row) override { m_listed.setRowSelected(row, true); }
    void selectAllRows() override;

    // Empties the store, forgets the PC file names and clears the unsaved flag, without a
    // question: asking is the front end's.
    bool newData() override;

    const std::string &pcFolder() const override { return m_pcFolder; }
    const std::string &pcName() const override { return m_pcName; }
    void setPcFile(const std::string &folder, const std::string &name) override;

    bool isModified() const override { return m_listed.isModified(); }
    void setModified(bool modified) override { m_listed.setModified(modified); }

    // The list's columns in the order shown (for mail, those of the box on show).
    virtual std::vector<ListColumn> columns() const = 0;
    const ListedStore &listed() const { return m_listed; }
    ListedStore &listed() { return m_listed; }

protected:
    ViewCore(int viewKind, ListedStore &listed)
        : m_viewKind(viewKind)
        , m_listed(listed)
    {
    }

    // Empties the kind's store and its own tables, for newData().
    virtual void clearData() = 0;

private:
    int m_viewKind;
    ListedStore &m_listed;
    std::string m_pcFolder;
    std::string m_pcName;
};

} // namespace views
