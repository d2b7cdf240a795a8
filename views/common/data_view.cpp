#include "data_view.h"

#include "views/common/qt_text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTreeWidget>

namespace views {

DataView::DataView(int viewKind, app::TextId kindName, NewDataQuestionStyle style, QWidget *parent)
    : QWidget(parent)
    , m_viewKind(viewKind)
    , m_kindName(kindName)
    , m_style(style)
    , m_list(new QTreeWidget(this))
{
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);
    m_list->setUniformRowHeights(true);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_list, 1);

    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &DataView::reportSelection);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        emit contextMenuRequested(m_list->viewport()->mapToGlobal(position));
    });
}

void DataView::setServices(platform::MessageBoxes *messages, PcFileSave save)
{
    m_messages = messages;
    m_save = std::move(save);
}

const char *DataView::kindName() const
{
    return app::text(m_kindName);
}

void DataView::setColumns(const std::vector<ListColumn> &columns)
{
    QStringList headings;
    for (const ListColumn &column : columns)
        headings << toQString(column.heading);
    m_list->setHeaderLabels(headings);
    for (size_t i = 0; i < columns.size(); ++i)
        m_list->setColumnWidth(static_cast<int>(i), columns[i].width);
}

void DataView::setSidePanel(QWidget *side, int width)
{
    side->setParent(this);
    side->setFixedWidth(width);
    static_cast<QHBoxLayout *>(layout())->insertWidget(0, side);
}

void DataView::setCore(ViewCore &core)
{
    m_core = &core;
    setColumns(core.columns());
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] {
        for (int row = 0; row < listRowCount(); ++row)
            m_core->listed().setRowSelected(row, m_list->topLevelItem(row)->isSelected());
    });
}

void DataView::showListedRows()
{
    const ListedStore &listed = m_core->listed();
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        QList<QTreeWidgetItem *> items;
        items.reserve(listed.RowCount());
        for (int row = 0; row < listed.RowCount(); ++row) {
            QStringList columns;
            for (int column = 0; column < m_list->columnCount(); ++column)
                columns << toQString(listed.rowText(row, column));
            auto *item = new QTreeWidgetItem(columns);
            item->setData(0, Qt::UserRole, listed.rowIndex(row));
            items << item;
        }
        m_list->addTopLevelItems(items);
        for (int row : listed.selectedRows()) {
            if (QTreeWidgetItem *item = m_list->topLevelItem(row))
                item->setSelected(true);
        }
    }
    const int column = listed.sortColumn();
    m_list->header()->setSortIndicator(
        column, listed.isSortDescending(column) ? Qt::DescendingOrder : Qt::AscendingOrder);
    reportSelection();
}

int DataView::listRowCount() const
{
    return m_list->topLevelItemCount();
}

std::vector<int> DataView::selectedRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        if (m_list->topLevelItem(row)->isSelected())
            rows.push_back(row);
    }
    return rows;
}

void DataView::clearSelection()
{
    m_list->clearSelection();
}

void DataView::selectRow(int row)
{
    if (QTreeWidgetItem *item = m_list->topLevelItem(row))
        item->setSelected(true);
}

void DataView::selectAllRows()
{
    m_list->selectAll();
}

bool DataView::newData()
{
    if (isModified() && m_messages) {
        const std::string question = app::formatText(app::TextId::NewDataQuestion, kindName());
        const platform::MessageAnswer answer
            = m_messages->show({question, app::text(app::TextId::AppTitle), m_style.icon,
                                platform::MessageButtons::YesNoCancel, m_style.defaultAnswer});
        if (answer == platform::MessageAnswer::Cancel)
            return false;
        if (answer == platform::MessageAnswer::Yes && (!m_save || !m_save(m_viewKind)))
            return false;
    }
    m_core->newData();
    showStore();
    return true;
}

void DataView::refresh()
{
    m_core->refresh();
    showStore();
}

int DataView::mergeCardBlock(const void *first)
{
    const int added = m_core->mergeCardBlock(first);
    showStore();
    return added;
}

int DataView::loadPcImage(const void *image, size_t size, uint32_t pluginCode)
{
    const int result = m_core->loadPcImage(image, size, pluginCode);
    if (result == -1)
        showStore();
    return result;
}

void DataView::reportSelection()
{
    emit selectionChanged(static_cast<int>(m_list->selectedItems().size()), listRowCount());
}

} // namespace views
