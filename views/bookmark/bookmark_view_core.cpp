#include "bookmark_view_core.h"

#include "common/sjis_literal.h"

namespace views {

int BookmarkViewCore::mergeCardBlock(const void *first)
{
    const int added = m_store.MergeRecords(first, false, true, true);
    m_store.RefreshFolderColumn();
    return added;
}

std::vector<ListColumn> BookmarkViewCore::columns() const
{
    return {{sjis("ﾀｲﾄﾙ"), 160}, {"URL", 350}, {sjis("ﾌｫﾙﾀﾞ"), 80}};
}

} // namespace views
