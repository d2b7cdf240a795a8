#include "bookmark_edit_rules.h"

#include "common/data_kind.h"
#include "views/bookmark/bookmark_store.h"
#include "views/common/limit_table.h"
#include "views/common/record_fields.h"

namespace views {
namespace {

constexpr int BookmarkTableKind = 1;

} // namespace

BookmarkLimits readBookmarkLimits(const host::KindLimitCache &cache)
{
    return readLimitTable<BookmarkLimits>(cache, BookmarkTableKind);
}

std::vector<ChoiceItem> bookmarkFolderItems(const BookmarkStore &store)
{
    return groupItems(store.groups());
}

std::optional<BookmarkRecord> editedBookmark(const BookmarkStore &store, const std::string &title,
                                             const std::string &url, int32_t folderNumber)
{
    if (url.empty())
        return std::nullopt;
    BookmarkRecord record{};
    record.header.version = RECORD_VERSION_BOOKMARK;
    record.header.size = sizeof record;
    record.header.kind = KIND_BOOKMARK;
    setFieldText(record.url, url);
    setFieldText(record.title, title);
    record.folderNumber = folderNumber;
    setFieldText(record.folder, groupNameOf(store.groups(), folderNumber));
    return record;
}

bool applyBookmarkEdit(BookmarkStore &store, const BookmarkRecord &record, bool newBookmark)
{
    bool stored = false;
    if (newBookmark) {
        store.DeselectAll();
        stored = store.MergeRecords(&record, true, false, true) > 0;
    } else if (const int index = store.firstSelectedIndex(); index >= 0) {
        stored = store.ReplaceRecord(index, record) >= 0;
    }
    store.RefreshFolderColumn();
    return stored;
}

void applyBookmarkFolder(BookmarkStore &store, int position)
{
    const std::vector<ChoiceItem> folders = bookmarkFolderItems(store);
    // Position 1 and on are the single editor's items, "なし" first.
    if (position <= 0 || position > static_cast<int>(folders.size()))
        return;
    const int32_t number = folders[size_t(position - 1)].value;
    const std::string name = groupNameOf(store.groups(), number);
    for (int row : store.selectedRows()) {
        BookmarkRecord record{};
        const int index = store.rowIndex(row);
        if (!store.GetRecord(index, record))
            continue;
        record.folderNumber = number;
        setFieldText(record.folder, name);
        store.ReplaceRecord(index, record);
    }
    store.RefreshFolderColumn();
}

} // namespace views
