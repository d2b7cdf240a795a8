#pragma once

// The bookmark editors' rules without widgets: what the dialogs show and what OK does.

#include "common/inform_blocks.h"
#include "common/records.h"
#include "views/common/choice_lists.h"

#include <optional>
#include <string>
#include <vector>

namespace host {
class KindLimitCache;
}

namespace views {

class BookmarkStore;

// The words of the model's BookmarkLimits table the editors use (URL length, title length,
// title input mode); absent words read 0.
BookmarkLimits readBookmarkLimits(const host::KindLimitCache &cache);

// The folder list of the single editor: "なし" (-1), then "%4d: [%s]" per folder in table
// order, valued by the folder number.
std::vector<ChoiceItem> bookmarkFolderItems(const BookmarkStore &store);

// The bookmark OK builds from the editor's texts and chosen folder number (-1: none): title
// and URL cut to their fields on a character boundary, the folder's name from the GroupTable.
// Nothing when url is empty: the editor then shows "URLは必ず入力してください。" and stays.
std::optional<BookmarkRecord> editedBookmark(const BookmarkStore &store, const std::string &title,
                                             const std::string &url, int32_t folderNumber);

// Hands an edited bookmark to the store: a new one is added even when an equal one exists and
// becomes the only selected row; an edit replaces the record of the first selected row. Then
// the folder column is refreshed. False when nothing was stored.
bool applyBookmarkEdit(BookmarkStore &store, const BookmarkRecord &record, bool newBookmark);

// The multi editor's OK at list position (0 "変更しない", 1 "なし", then the folders of
// bookmarkFolderItems after its "なし"): every selected row's bookmark gets the folder, in row
// order; position 0 changes nothing. Then the folder column is refreshed.
void applyBookmarkFolder(BookmarkStore &store, int position);

} // namespace views
