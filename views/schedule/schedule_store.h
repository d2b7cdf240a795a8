#pragma once

// Contract for the schedule's widget-free core. The operations keep the names the schedule
// view's documents give them, so the code can be traced to them.

#include "common/records.h"
#include "views/common/choice_lists.h"
#include "views/common/listed_store.h"
#include "views/schedule/schedule_time.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace views {

// The schedule without widgets: the record store (at most 1000 ScheduleRecords, store index =
// identity, links rewritten as byte offsets i * 664) and the rows of the entry list as the view
// shows them: every present record, with its store index, its seven cell texts, its selection
// and the sort order. CCalendarView mirrors the rows into its list widget. Texts are Shift_JIS.
class ScheduleStore : public ListedStore
{
public:
    static constexpr int ColumnCount = 7;
    static constexpr int Capacity = 1000;
    static constexpr int StartColumn = 0;

    ScheduleStore();

    void setOptionName(OptionName optionName);

    // Records
    int RecordCount() const;
    // The record at store index, or null outside the store.
    const ScheduleRecord *record(int index) const;
    // 1: out is a copy of the record at index. 0: out is a blank record whose start, end and
    // alarm are day at 00:00:00 Japan time.
    int GetRecord(int index, ScheduleRecord &out, const CalendarDate &day) const;
    // Merges first and, with followLinks, the records chained after it through next: each
    // 664-byte record of kind 1003 is appended (unless an identical one is stored and
    // allowDuplicates is off) with its row at the end of the list, selected with select. Stops
    // at Capacity; a chain that runs in a circle merges nothing. The records may lie at any
    // byte offset and stay the caller's. Returns the number added; adding marks the store
    // modified.
    int AddRecords(const void *first, bool allowDuplicates, bool followLinks, bool select);
    // Copies record over the one at index, keeping its links, and rewrites its row. The index,
    // or -1 (nothing changed) for an index outside the store or a header other than version
    // 0x10003, size 664, kind 1003.
    int ReplaceRecord(int index, const ScheduleRecord &record);
    // Marks the record of row deleted (kind 0); the modified flag becomes whether the store
    // holds records. The row, or -1 outside the list.
    int MarkRowDeleted(int row);
    // Removes every marked record, closing the gaps and rewriting the links; rows of removed
    // records go, the others keep their records. Modified becomes whether records remain.
    // 1, or 0 when the store is empty.
    int Purge();
    // Whether a and b count as the same entry: start, end, alarm, summary, description and
    // location texts byte-equal; repeat rule, repeat count, weekdays, icon, alarm volume and
    // all-day equal. Alarm tone and last-modified are not compared.
    static bool Identical(const ScheduleRecord &a, const ScheduleRecord &b);

    // The list
    // The seven cells of record: start, end, repeat, weekdays, content, alarm, icon.
    std::vector<std::string> RowCells(const ScheduleRecord &record) const;
    // Empties the list and inserts one row per present record in store order, then sorts. The
    // records whose rows were selected stay selected (a card load's new entries).
    void Rebuild();
    // Orders the rows by the sort column in its direction.
    void Sort();
    // Header click on column: it becomes the sort column keeping the direction it last had, or
    // reverses when it already is; then Sort.
    void SetSortColumn(int column);

    // Selects exactly the rows whose start cell begins with day as "%4d/%02d/%02d"; returns
    // how many.
    int SelectDay(const CalendarDate &day);
    // The date the start cell of row begins with (at least 10 characters, year 1900-2099,
    // month 1-12, day 1-31); nothing otherwise.
    std::optional<CalendarDate> DayOfRow(int row) const;

    // Empties the store and the list and clears the modified flag.
    void ResetData();

    // PC file image ("CPC" header, then every record in store order) under the plug-in code;
    // an empty store gives the header alone.
    std::vector<unsigned char> BuildPcBlock(uint32_t pluginCode) const;
    // 0 not a schedule image or damaged, 1 written under another plug-in (nothing changed),
    // -1 loaded: the store and the list emptied, every record added (duplicates allowed), the
    // modified flag cleared.
    int LoadPcBlock(const void *block, size_t size, uint32_t pluginCode);

    // The card block: one record per row in list order (rows whose record is marked deleted
    // left out), chained through next, in a calloc block the caller frees; null when no row
    // remains or memory is short.
    void *CardBlock() const;

private:
    bool isPresent(int index) const;
    void writeRow(int position, int index);
    void relink();

    OptionName m_optionName;
    std::vector<ScheduleRecord> m_records;
};

} // namespace views
