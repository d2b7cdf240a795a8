#pragma once

#include "views/common/view_core.h"
#include "views/schedule/schedule_store.h"

namespace host {
class PluginHost;
}

namespace views {

// The schedule's view operations on its ScheduleStore.
class ScheduleViewCore : public ViewCore
{
public:
    ScheduleViewCore()
        : ViewCore(4, m_store)
    {
    }

    // Icon names from the current plug-in's option list 401, re-read by every refresh(), card
    // merge and PC file; null leaves the store's own (icons as numbers).
    void setPlugins(const host::PluginHost *plugins);

    ScheduleStore &store() { return m_store; }
    const ScheduleStore &store() const { return m_store; }

    int entryCount() const override { return m_store.RecordCount(); }
    void deleteEntryAtRow(int row) override { m_store.MarkRowDeleted(row); }
    void compact() override { m_store.Purge(); }
    // Rebuild under the current model's icon names.
    void refresh() override;
    int entryCeiling() const override { return ScheduleStore::Capacity; }
    // The card transfer clears the selection before each folder, so the rows of every file of
    // the folder stay selected.
    int mergeCardBlock(const void *first) override;
    void *buildCardChain() override { return m_store.CardBlock(); }
    std::vector<unsigned char> buildPcImage(uint32_t pluginCode) const override
    {
        return m_store.BuildPcBlock(pluginCode);
    }
    int loadPcImage(const void *image, size_t size, uint32_t pluginCode) override;
    std::vector<ListColumn> columns() const override;

protected:
    void clearData() override { m_store.ResetData(); }

private:
    void readModel();

    ScheduleStore m_store;
    const host::PluginHost *m_plugins = nullptr;
};

} // namespace views
