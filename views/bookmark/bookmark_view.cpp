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
    setListedStore(m_store);
    setColumns({{sjis("ﾀｲﾄﾙ"), 160}, {"URL", 350}, {sjis("ﾌｫﾙﾀﾞ"), 80}});
    QHeaderView *header = list()->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    connect(header, &QHeaderView::sectionClicked, this, &CBookMarkView::headerClicked);
    connect(list(), &QTreeWidget::itemDoubleClicked, this, [this] { emit editRequested(); });
    showStore();
}

void CBookMarkView::showStore()
{
    showListedRows();
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
