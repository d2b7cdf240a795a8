#pragma once

#include <cstddef>
#include <cstdint>
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
    virtual void setModified(bool modified) = 0;

    // The PC data file.
    // The file image of every entry, written under pluginCode: the 32-byte header, the records
    // as held and, for mail, the section of message texts. Empty only when the sizes do not fit
    // the file's 32-bit words.
    virtual std::vector<unsigned char> buildPcImage(uint32_t pluginCode) const = 0;
    // Takes over the entries of the size bytes of a file read whole, in place of the view's
    // own: -1 taken (the view is then clean), 0 not a file of the view's kind or damaged, 1
    // written under another plug-in than pluginCode (0 in the file opens under any). Only -1
    // changes the view.
    virtual int loadPcImage(const void *image, size_t size, uint32_t pluginCode) = 0;

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
