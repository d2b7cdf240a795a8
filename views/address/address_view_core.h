#pragma once

#include "views/address/address_store.h"
#include "views/common/view_core.h"

namespace host {
class KindLimitCache;
class PluginHost;
} // namespace host

namespace views {

// The address book's view operations on its AddressStore. The owner's own entry (memory number
// 99999) is stored and saved but neither listed nor counted.
class AddressViewCore : public ViewCore
{
public:
    AddressViewCore();

    // The current model: limits from the address table of limits, icon names from the current
    // plug-in's option lists 201 and 202, re-read by every refresh() and card merge. A null one
    // leaves the store's own setting (without limits nothing is stored; without names the icons
    // show their numbers).
    void setModelTables(const host::KindLimitCache *limits, const host::PluginHost *plugins);

    AddressStore &store() { return m_store; }
    const AddressStore &store() const { return m_store; }

    int entryCount() const override { return m_store.OrdinaryCount(); }
    void deleteEntryAtRow(int row) override { m_store.MarkRowDeleted(row); }
    void compact() override { m_store.RemoveRecord(-1, false); }
    // RefreshAllRows under the current model's limits and icon names.
    void refresh() override;
    int entryCeiling() const override { return AddressStore::OrdinaryCeiling; }
    int mergeCardBlock(const void *first) override;
    void *buildCardChain() override { return m_store.BuildCardChain(); }
    std::vector<unsigned char> buildPcImage(uint32_t pluginCode) const override;
    int loadPcImage(const void *image, size_t size, uint32_t pluginCode) override;
    std::vector<ListColumn> columns() const override;

protected:
    void clearData() override { m_store.ResetData(); }

private:
    void readModel();

    AddressStore m_store;
    const host::KindLimitCache *m_limits = nullptr;
    const host::PluginHost *m_plugins = nullptr;
};

} // namespace views
