#pragma once

#include "views/bookmark/bookmark_store.h"
#include "views/common/view_core.h"

namespace views {

// The bookmarks' view operations on their BookmarkStore.
class BookmarkViewCore : public ViewCore
{
public:
    BookmarkViewCore()
        : ViewCore(1, m_store)
    {
    }

    BookmarkStore &store() { return m_store; }
    const BookmarkStore &store() const { return m_store; }

    int entryCount() const override { return m_store.RecordCount(); }
    void deleteEntryAtRow(int row) override { m_store.MarkRowDeleted(row); }
    void compact() override { m_store.RemoveRecord(-1, false); }
    void refresh() override { m_store.RefreshAllRows(); }
    int entryCeiling() const override { return BookmarkStore::Ceiling; }
    int mergeCardBlock(const void *first) override;
    void *buildCardChain() override { return m_store.BuildCardChain(); }
    std::vector<unsigned char> buildPcImage(uint32_t pluginCode) const override
    {
        return m_store.BuildPcBlock(pluginCode);
    }
    int loadPcImage(const void *image, size_t size, uint32_t pluginCode) override
    {
        return m_store.LoadPcBlock(image, size, pluginCode);
    }
    std::vector<ListColumn> columns() const override;

protected:
    void clearData() override { m_store.ResetData(); }

private:
    BookmarkStore m_store;
};

} // namespace views
