#include "bookmark_view.h"

#include "common/data_kind.h"
#include "common/records.h"

namespace views {
CBookMarkView::CBookMarkView(QWidget *parent)
    : DataView(1, KIND_BOOKMARK, app::TextId::KindBookmark,
               {platform::MessageIcon::Question, platform::MessageAnswer::No}, parent)
{
    setObjectName("BookMarkView");
    setColumns({{"\xC0\xB2\xC4\xD9", 160}, // ﾀｲﾄﾙ
                {"URL", 350},
                {"\xCC\xAB\xD9\xC0\xDE", 80}}); // ﾌｫﾙﾀﾞ
}

std::vector<std::string> CBookMarkView::rowTexts(int index) const
{
    return {store().textAt(index, offsetof(BookmarkRecord, title)),
            store().textAt(index, offsetof(BookmarkRecord, url)),
            store().textAt(index, offsetof(BookmarkRecord, folder))};
}

} // namespace views
