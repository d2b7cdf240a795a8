#pragma once

#include <string>
#include <vector>

namespace views {

// What the main frame asks of every data view. Texts are Shift_JIS. Rows are positions in the
// view's list as shown; entries are records of the view's store.
class ViewOperations
{
public:
    virtual ~ViewOperations() = default;

    // The view kind: 1 bookmarks, 2 address book, 3 mail, 4 schedule.
    virtual int viewKind() const = 0;

    // The entries the frame's rules count: for the address book without the owner's own entry
    // (memory number 99999).
    virtual int entryCount() const = 0;

    virtual int listRowCount() const = 0;
    // The selected rows in list order.
    virtual std::vector<int> selectedRows() const = 0;
    virtual void clearSelection() = 0;
    // Adds row to the selection; nothing for a row outside the list.
    virtual void selectRow(int row) = 0;
    virtual void selectAllRows() = 0;

    // Empties the view after asking whether to save unsaved data first; false when the user
    // cancels (then nothing is changed).
    virtual bool newData() = 0;

    // Marks the entry shown in row for removal; compact() removes the marked entries and
    // refresh() rebuilds the list from the store.
    virtual void deleteEntryAtRow(int row) = 0;
    virtual void compact() = 0;
    virtual void refresh() = 0;

    // The view's PC data file: its folder (ending with '/') and its file name.
    virtual const std::string &pcFolder() const = 0;
    virtual const std::string &pcName() const = 0;
    virtual void setPcFile(const std::string &folder, const std::string &name) = 0;

    // True while the view holds changes not saved to its PC file.
    virtual bool isModified() const = 0;

    // The memory-card transfer.
    // The most entries the view holds whatever the model (1000, mail 3000), counted as
    // entryCount() counts them.
    virtual int entryCeiling() const = 0;
    // Merges the chain of records starting at first, as a card load does: duplicates skipped,
    // the chain followed, the added rows selected. Records of another kind are skipped and the
    // merge stops at the ceiling. Returns the number of entries added; the block stays the
    // caller's.
    virtual int mergeCardBlock(const void *first) = 0;
    // The entries to write to the card as one calloc block of records chained through next
    // (DataBlock), or null when there are none; the caller frees it. Mail is read from the
    // card only and gives none.
    virtual void *buildCardChain() { return nullptr; }
};

} // namespace views
