#include "bookmark_view.h"

#include "platform/user_interaction.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace views {

CBookMarkView::CBookMarkView(QWidget *parent)
    : DataView(1, app::TextId::KindBookmark,
               {platform::MessageIcon::Question, platform::MessageAnswer::No}, parent)
    , m_store(m_core.store())
{
    setObjectName("BookMarkView");
    setCore(m_core);
    QHeaderView *header = list()->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    connect(header, &QHeaderView::sectionClicked, this, &CBookMarkView::headerClicked);
    connect(list(), &QTreeWidget::itemDoubleClicked, this, [this] { emit editRequested(); });
    showStore();
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

} // namespace views
