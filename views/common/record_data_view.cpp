#include "record_data_view.h"

#include <QTreeWidget>

namespace views {

RecordDataView::RecordDataView(int viewKind, uint32_t dataKind, app::TextId kindName,
                               NewDataQuestionStyle style, QWidget *parent)
    : DataView(viewKind, kindName, style, parent)
    , m_store(dataKind)
{
}

bool RecordDataView::isListed(int) const
{
    return true;
}

int RecordDataView::entryCount() const
{
    int live = 0;
    for (int i = 0; i < m_store.count(); ++i)
        live += m_store.isMarkedForRemoval(i) ? 0 : 1;
    return live;
}

void RecordDataView::deleteEntryAtRow(int row)
{
    QTreeWidgetItem *item = list()->topLevelItem(row);
    if (!item)
        return;
    m_store.markForRemoval(item->data(0, Qt::UserRole).toInt());
}

void RecordDataView::compact()
{
    if (m_store.compact() > 0)
        m_modified = m_store.count() > 0;
}

void RecordDataView::refresh()
{
    std::vector<std::pair<int, std::vector<std::string>>> rows;
    for (int index = 0; index < m_store.count(); ++index) {
        if (!m_store.isMarkedForRemoval(index) && isListed(index))
            rows.emplace_back(index, rowTexts(index));
    }
    setListRows(rows);
    reportSelection();
}

} // namespace views
