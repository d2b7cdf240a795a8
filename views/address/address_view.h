#pragma once

#include "views/address/address_view_core.h"
#include "views/common/data_view.h"

namespace host {
class KindLimitCache;
class PluginHost;
} // namespace host

namespace views {

// The address view: the tree that chooses which entries are listed (all, by reading, by
// memory-number range, by group) beside the entry list. Both mirror the AddressStore of its
// AddressViewCore, which holds the records, the filter, the rows and their selection.
class CAddressView : public DataView
{
    Q_OBJECT

public:
    explicit CAddressView(QWidget *parent = nullptr);

    // The current model (AddressViewCore::setModelTables).
    void setModelTables(const host::KindLimitCache *limits, const host::PluginHost *plugins)
    {
        m_core.setModelTables(limits, plugins);
    }

    AddressStore &store() { return m_core.store(); }
    const AddressStore &store() const { return m_core.store(); }
    // The store indexes of the selected rows, in list order.
    std::vector<int> selectedIndexes() const;
    // The rows with their selection, the group nodes, the filter's node and the count report.
    void showStore() override;

    QTreeWidget *tree() const { return m_tree; }

signals:
    // A double click in the list: the frame edits the selected entry (command 1012).
    void editRequested();

private:
    void buildTree();
    // True when the filter fell back to all entries.
    bool rebuildGroupNodes();
    void selectFilterNode();
    void treeSelectionChanged();
    void headerClicked(int column);

    AddressViewCore m_core;
    AddressStore &m_store;
    QTreeWidget *m_tree;
    QTreeWidgetItem *m_groupRoot = nullptr;
};

} // namespace views
