#pragma once

#include "views/common/view_core.h"
#include "views/mail/mail_store.h"

namespace views {

// The mail's view operations on its MailStore; the list shows the box on show. Mail is read
// from the card only, so it has no card chain.
class MailViewCore : public ViewCore
{
public:
    MailViewCore()
        : ViewCore(3, m_store)
    {
    }

    MailStore &store() { return m_store; }
    const MailStore &store() const { return m_store; }

    int entryCount() const override { return m_store.RecordCount(); }
    void deleteEntryAtRow(int row) override { m_store.MarkRowDeleted(row); }
    void compact() override { m_store.Purge(); }
    void refresh() override { m_store.Rebuild(); }
    int entryCeiling() const override { return MailStore::Ceiling; }
    int mergeCardBlock(const void *first) override
    {
        return m_store.AddRecords(first, false, true, true);
    }
    std::vector<unsigned char> buildPcImage(uint32_t pluginCode) const override
    {
        return m_store.BuildPcBlock(pluginCode);
    }
    int loadPcImage(const void *image, size_t size, uint32_t pluginCode) override
    {
        return m_store.LoadPcBlock(image, size, pluginCode);
    }
    std::vector<ListColumn> columns() const override;

    // The names of the boxes, by folder number (受信箱, 送信箱, ゴミ箱).
    static const char *boxName(int folder);

protected:
    void clearData() override { m_store.ResetData(); }

private:
    MailStore m_store;
};

} // namespace views
