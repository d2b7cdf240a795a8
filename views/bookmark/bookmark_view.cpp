#include "bookmark_view.h"

#include "common/sjis_literal.h"
#include "platform/user_interaction.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace views {

CBookMarkView::CBookMarkView(QWidget *parent)
    : DataView(1, app::TextId::KindBookmark,
               {platform::MessageIcon::Question, platform::MessageAnswer::No}, parent)
{
    setObjectName("BookMarkView");
    setColumns({{sjis("ﾀｲﾄﾙ"), 160}, {"URL", 350}, {sjis("ﾌｫﾙﾀﾞ"), 80}});
    QHeaderView *header = list()->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    connect(header, &QHeaderView::sectionClicked, this, &CBookMarkView::headerClicked);
    connect(list(), &QTreeWidget::itemSelectionChanged, this, &CBookMarkView::takeListSelection);
    connect(list(), &QTreeWidget::itemDoubleClicked, this, [this] { emit editRequested(); });
    showStore();
}

void CBookMarkView::showStore()
{
    std::vector<std::pair<int, std::vector<std::string>>> rows;
    rows.reserve(static_cast<size_t>(m_store.RowCount()));
    for (int row = 0; row < m_store.RowCount(); ++row) {
        std::vector<std::string> texts;
        for (int column = 0; column < BookmarkStore::ColumnCount; ++column)
            texts.push_back(m_store.rowText(row, column));
        rows.emplace_back(m_store.rowIndex(row), std::move(texts));
    }
    setListRows(rows, m_store.selectedRows());
    const int column = m_store.sortColumn();
    list()->header()->setSortIndicator(
        column, m_store.isSortDescending(column) ? Qt::DescendingOrder : Qt::AscendingOrder);
    reportSelection();
}

int CBookMarkView::OpenBookmarkUrl(platform::ShellOpener &shell)
{
    const std::optional<std::string> url = m_store.OpenBookmarkUrl();
    if (!url)
        return 0;
    // The browser's answer is not reported.
    shell.open(*url);
    return 1;
}

void CBookMarkView::headerClicked(int column)
{
    m_store.SetSortColumn(column);
    m_store.RefreshFolderColumn();
    showStore();
}

void CBookMarkView::takeListSelection()
{
    for (int row = 0; row < listRowCount(); ++row)
        m_store.setRowSelected(row, list()->topLevelItem(row)->isSelected());
}

int CBookMarkView::entryCount() const
{
    return m_store.RecordCount();
}

void CBookMarkView::deleteEntryAtRow(int row)
{
    m_store.MarkRowDeleted(row);
}

void CBookMarkView::compact()
{
    m_store.RemoveRecord(-1, false);
}

void CBookMarkView::refresh()
{
    m_store.RefreshAllRows();
    showStore();
}

bool CBookMarkView::isModified() const
{
    return m_store.isModified();
}

void CBookMarkView::setModified(bool modified)
{
    m_store.setModified(modified);
}

int CBookMarkView::mergeCardBlock(const void *first)
{
    const int added = m_store.MergeRecords(first, false, true, true);
    m_store.RefreshFolderColumn();
    showStore();
    return added;
}

void *CBookMarkView::buildCardChain()
{
    return m_store.BuildCardChain();
}

void CBookMarkView::clearData()
{
    m_store.ResetData();
}

} // namespace views
