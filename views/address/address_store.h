#pragma once

#include "common/records.h"
#include "views/common/choice_lists.h"
#include "views/common/group_table.h"
#include "views/common/listed_store.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace views {

// What the address book takes from the current model's AddressLimits table.
struct AddressBookLimits
{
    int32_t maximumEntries = 0;  // word 24: highest memory number + 1, and the entry limit
    bool numbersLimited = false; // word 28: memory numbers must lie below maximumEntries
    bool ownerRequired = false;  // word 32: a card save needs the owner's own entry
};

// The address book without widgets: the record store (one AddressRecord per slot, owner's
// entry with memory number 99999 included), the GroupTable, the current AddressFilter and the
// rows of the list as the view shows them (store index, column texts, selection, sort order).
// CAddressView mirrors the rows into its list widget and the filter into its tree.
//
// Store indexes and row numbers are 0-based. Texts are Shift_JIS.
class AddressStore : public ListedStore
{
public:
    static constexpr int ColumnCount = 11;
    static constexpr int OrdinaryCeiling = 1000;

    AddressStore();

    void setLimits(const AddressBookLimits &limits);
    const AddressBookLimits &limits() const;
    void setOptionName(OptionName optionName);

    // Records
    int RecordCount() const;
    int OrdinaryCount() const;
    // 1: out is a copy of slot index with the group name taken from the GroupTable; 0: out is
    // an empty record with a free memory number (index outside the store, -1 for a new one).
    int GetRecord(int index, AddressRecord &out) const;
    // Slot index written, or -1 when refused (see the store rules). A memory number another
    // live slot uses is replaced by a free one; a second owner's entry is refused. Text fields
    // that lack their terminator are cut inside the field, never inside a character.
    int StoreRecord(int slot, const AddressRecord *record);
    // 1 stored in a new last slot, 0 refused (the store stays as it was).
    int AppendRecord(const AddressRecord &record);
    // index, or -1 with nothing changed; sets the unsaved flag and refreshes the record's row.
    int ReplaceRecord(int index, const AddressRecord &record);
    // Merges first and, with followChain, the records chained after it through next. Returns
    // the number of ordinary entries added; with selectNew their rows end up selected. Records
    // that are no 1552-byte address records are skipped, and so is everything once 1000
    // ordinary entries are stored; an owner's entry replaces the stored one. A chain that runs
    // in a circle merges nothing. The records may lie at any byte offset.
    int MergeRecords(const void *first, bool allowDuplicates, bool followChain, bool selectNew);
    bool IsDuplicate(const AddressRecord &record) const;
    // Marks the record of list row for removal; the row, or -1 outside the list.
    int MarkRowDeleted(int row);
    // index >= 0: physical removal of a marked slot (1), or marking (physical false).
    // index -1 with physical false: removes every marked slot. 0 when refused.
    int RemoveRecord(int index, bool physical);
    // The record at slot index, or null outside the store.
    const AddressRecord *record(int index) const;
    // Whether slot index (inside the store) holds an entry: not marked for removal.
    bool isLive(int index) const;

    GroupTable &groups();
    const GroupTable &groups() const;
    // After the GroupTable changed: a group filter whose group has no tree node any more falls
    // back to 0 with its rows rebuilt. True when it did; the view then rebuilds its group nodes
    // (address_tree.h) and selects the filter's node.
    bool RebuildGroupTree();

    // The list
    int filter() const;
    // Sets the AddressFilter code and rebuilds the rows when it changed.
    void setFilter(int filter);
    // Writes the row of store index at position (overwriting, or appending when position is
    // negative or beyond the rows); the row, or -1 when the filter hides the record or the slot
    // is not live. The group column is empty for records without a group.
    int ShowRecordRow(int position, int index);
    // Rebuilds the rows from the store in store order, then RefreshGroupColumn.
    void RefreshAllRows();
    // Sets every row's group column from the GroupTable, taking group 0's name for records
    // without a group, then orders the rows by the sort column.
    void RefreshGroupColumn();
    // Header click on column: it becomes the sort column keeping the direction it last had, or
    // reverses when it already is. RefreshGroupColumn then orders the rows.
    void SetSortColumn(int column);

    // Empties the store, the rows and the GroupTable and clears the unsaved flag; a group
    // filter falls back to 0 (RebuildGroupTree). The new-data question and the PC file names
    // are the view's.
    void ResetData();

    // PC file image ("APC" header, then every slot as stored), for the current plug-in code;
    // an empty store gives the 32-byte header alone.
    std::vector<unsigned char> BuildPcBlock(uint32_t pluginCode) const;
    // 0 not an address block, 1 written for another plug-in (nothing changed), -1 loaded.
    int LoadPcBlock(const void *block, size_t size, uint32_t pluginCode);
    // The owner's entry, then the listed rows in display order, chained through next, in a
    // calloc block the caller frees; null when no row is listed.
    void *BuildCardChain() const;

    // The memory number a new entry takes: the lowest free one from 10 on, then below 10, under
    // the limits; -1 when every one is taken.
    int freeMemoryNumber() const;

private:
    int ownerSlot() const;
    std::string iconText(int list, int32_t icon) const;
    std::vector<std::string> rowTexts(const AddressRecord &record) const;
    void writeRow(int position, int index);
    void rebuildRows();
    // Drops the slots whose drop flag is set, keeping the rows on their records.
    void dropSlots(const std::vector<bool> &drop);
    void mergeRecord(const AddressRecord &record, bool allowDuplicates, bool selectNew, int &added);

    AddressBookLimits m_limits;
    OptionName m_optionName;
    std::vector<AddressRecord> m_records;
    GroupTable m_groups;
    int m_filter = 0;
};

} // namespace views
