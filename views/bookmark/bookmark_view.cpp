#include "bookmark_view.h"

#include "common/data_kind.h"
#include "common/records.h"
#include "common/sjis_literal.h"

namespace views {
CBookMarkView::CBookMarkView(QWidget *parent)
    : RecordDataView(1, KIND_BOOKMARK, app::TextId::KindBookmark,
                     {platform::MessageIcon::Question, platform::MessageAnswer::No}, parent)
{
    setObjectName("BookMarkView");
    setColumns({{sjis("ﾀｲﾄﾙ"), 160}, {"URL", 350}, {sjis("ﾌｫﾙﾀﾞ"), 80}});
}

std::vector<std::string> CBookMarkView::rowTexts(int index) const
{
    return {store().textAt(index, offsetof(BookmarkRecord, title)),
            store().textAt(index, offsetof(BookmarkRecord, url)),
            store().textAt(index, offsetof(BookmarkRecord, folder))};
}

} // namespace views
