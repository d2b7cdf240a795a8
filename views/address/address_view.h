#pragma once

#include "views/address/address_store.h"
#include "views/common/data_view.h"

namespace host {
class KindLimitCache;
class PluginHost;
} // namespace host

namespace views {

// The address view: the tree that chooses which entries are listed (all, by reading, by
// memory-number range, by group) beside the entry list. Both mirror the AddressStore, which
// holds the records, the filter, the rows and their selection; the owner's own entry (memory
// number 99999) stays in the store but is neither listed nor counted.
class CAddressView : public DataView
{
    Q_OBJECT

public:
    explicit CAddressView(QWidget *parent = nullptr);

    // The current model: limits from the address table of limits, icon names from the current
    // plug-in's option lists 201 and 202, re-read by every refresh() and card merge. A null one
    // leaves the store's own setting (without limits nothing is stored; without names the icons
    // show their numbers).
    void setModelTables(const host::KindLimitCache *limits, const host::PluginHost *plugins);

    AddressStore &store() { return m_store; }
    const AddressStore &store() const { return m_store; }
    // The store indexes of the selected rows, in list order.
    std::vector<int> selectedIndexes() const;
    // Shows the store as it stands now: the rows with their selection, the group nodes, the
    // filter's node and the count report. Call after changing the store directly (an edit).
    void showStore();

    QTreeWidget *tree() const { return m_tree; }

    int entryCount() const override;
    void deleteEntryAtRow(int row) override;
    void compact() override;
    // RefreshAllRows under the current model's limits and icon names, then showStore().
    void refresh() override;

    int entryCeiling() const override { return AddressStore::OrdinaryCeiling; }
    int mergeCardBlock(const void *first) override;
    void *buildCardChain() override;

signals:
    // A double click in the list: the frame edits the selected entry (command 1012).
    void editRequested();

protected:
    void clearData() override;

private:
    void buildTree();
    // True when the filter fell back to all entries.
    bool rebuildGroupNodes();
    void selectFilterNode();
    void treeSelectionChanged();
    void headerClicked(int column);
    void readModel();

    AddressStore m_store;
    QTreeWidget *m_tree;
    QTreeWidgetItem *m_groupRoot = nullptr;
    const host::KindLimitCache *m_limits = nullptr;
    const host::PluginHost *m_plugins = nullptr;
};

} // namespace views
