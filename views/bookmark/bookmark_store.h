#pragma once

// Contract for the bookmark view's widget-free core. The operations keep the names the
// bookmark view's documents give them, so the code can be traced to them.

#include "common/records.h"
#include "views/common/group_table.h"
#include "views/common/listed_store.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace views {

// The bookmarks without widgets: the record store (one BookmarkRecord per slot), the
// GroupTable of folders and the rows of the list as the view shows them (title, URL, folder;
// store index, selection, sort order). Every record is listed. CBookMarkView mirrors the rows
// into its list widget.
//
// Store indexes and row numbers are 0-based. Texts are Shift_JIS.
class BookmarkStore : public ListedStore
{
public:
    static constexpr int ColumnCount = 3;
    static constexpr int Ceiling = 1000;

    BookmarkStore();

    int RecordCount() const;
    // 1: out is a copy of slot index with the folder name taken from the GroupTable (folder 0's
    // name for a bookmark without folder); 0: out is a new bookmark (no folder, empty title, URL
    // "http://"), for an index outside the store (-1 for a new one).
    int GetRecord(int index, BookmarkRecord &out) const;
    // Slot index written, or -1 when refused: a slot at or beyond the ceiling, a record of
    // another kind. slot -1 takes the first slot that is not live. The folder is registered in
    // the GroupTable, which may give the record another folder number. Without a record the
    // slot's header is set and its index returned.
    int StoreRecord(int slot, const BookmarkRecord *record);
    // 1 stored in a new last slot, 0 refused (the store stays as it was).
    int AppendRecord(const BookmarkRecord &record);
    // index, or -1 with nothing changed when index lies outside the store or record is no
    // bookmark record; sets the unsaved flag and rewrites the row of the record.
    int ReplaceRecord(int index, const BookmarkRecord &record);
    // Merges first and, with followChain, the records chained after it through next: records
    // of another kind are skipped, and duplicates unless allowDuplicates. Each added record gets
    // a row at the end (selected with selectNew) showing its folder name as it came. Returns the
    // number added. The records may lie at any byte offset; a chain that runs in a circle
    // merges nothing.
    int MergeRecords(const void *first, bool allowDuplicates, bool followChain, bool selectNew);
    // A live slot holds the same folder name, URL and title; folder numbers are not compared.
    bool IsDuplicate(const BookmarkRecord &record) const;
    // Marks the record of list row for removal; its store index, or -1 outside the list.
    int MarkRowDeleted(int row);
    // index >= 0: physical removal of a marked slot (1), or marking (physical false).
    // index -1 with physical false: removes every marked slot. 0 when refused.
    int RemoveRecord(int index, bool physical);
    // The record at slot index, or null outside the store.
    const BookmarkRecord *record(int index) const;
    // Whether slot index (inside the store) holds a bookmark: not marked for removal.
    bool isLive(int index) const;

    GroupTable &groups();
    const GroupTable &groups() const;

    // One row per slot in store order (rows of records still there keep their selection), then
    // RefreshFolderColumn.
    void RefreshAllRows();
    // Sets every row's folder column from the GroupTable (folder 0's name for a bookmark
    // without folder), then orders the rows by the sort column.
    void RefreshFolderColumn();
    // Header click on column; RefreshFolderColumn then orders the rows.
    void SetSortColumn(int column);

    // Empties the store, the rows and the GroupTable and clears the unsaved flag.
    void ResetData();

    // PC file image ("BPC" header, then every slot as stored) under the plug-in code; an empty
    // store gives the header alone.
    std::vector<unsigned char> BuildPcBlock(uint32_t pluginCode) const;
    // 0 not a bookmark image or damaged, 1 written under another plug-in (nothing changed),
    // -1 loaded: the records and rows replaced by the image's (duplicates allowed), the folders
    // known before kept, the unsaved flag cleared.
    int LoadPcBlock(const void *block, size_t size, uint32_t pluginCode);

    // The listed rows in display order as a chain of bookmark records whose title, URL and
    // folder name are the rows' texts and whose folder number is the stored record's, in a
    // calloc block the caller frees; null when no row is listed.
    void *BuildCardChain() const;
    // The URL of the first selected row when it may be opened (IsOpenableBookmarkUrl).
    std::optional<std::string> OpenBookmarkUrl() const;

private:
    std::vector<std::string> rowTexts(const BookmarkRecord &record) const;
    void writeRow(int position, int index);

    std::vector<BookmarkRecord> m_records;
    GroupTable m_groups;
};

// Whether a bookmark's URL is handed to the web browser: it begins with "http://" or
// "https://", compared without regard to case.
bool IsOpenableBookmarkUrl(std::string_view url);

} // namespace views
