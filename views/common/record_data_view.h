#pragma once

#include "views/common/data_view.h"
#include "views/common/record_store.h"

namespace views {

// A data view over the generic RecordStore: every record not marked for removal that
// isListed() is one row, in store order.
class RecordDataView : public DataView
{
    Q_OBJECT

public:
    RecordDataView(int viewKind, uint32_t dataKind, app::TextId kindName,
                   NewDataQuestionStyle style, QWidget *parent = nullptr);

    RecordStore &store() { return m_store; }
    const RecordStore &store() const { return m_store; }
    void setModified(bool modified) override { m_modified = modified; }

    int entryCount() const override;
    void deleteEntryAtRow(int row) override;
    void compact() override;
    void refresh() override;
    bool isModified() const override { return m_modified; }

protected:
    // The texts of the columns for store index; called for listed records only.
    virtual std::vector<std::string> rowTexts(int index) const = 0;
    // Whether store index appears in the list under the view's current filter.
    virtual bool isListed(int index) const;
    void clearData() override { m_store.clear(); }

private:
    RecordStore m_store;
    bool m_modified = false;
};

} // namespace views
