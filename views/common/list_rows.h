#pragma once

#include <string>
#include <vector>

namespace views {

// The rows of a data view's entry list without the widget: each row carries the store index of
// its record, one Shift_JIS text per column and a selected flag. The list remembers its sort
// column and, per column, the direction it last sorted in; rows are ordered by comparing the
// sort column's texts byte by byte as unsigned values.
class ListRows
{
public:
    explicit ListRows(int columnCount);

    int columnCount() const { return m_columnCount; }
    int count() const { return static_cast<int>(m_rows.size()); }

    // The store index of row, or -1 outside the list.
    int indexAt(int row) const;
    // The row showing store index, or -1 when no row does.
    int rowOf(int index) const;
    // The text of row in column; empty outside the list.
    const std::string &text(int row, int column) const;

    // Overwrites the row at position (keeping its selection), or appends one when position is
    // negative or not below count(). Missing texts are empty, extra ones dropped. Returns the
    // row written.
    int setRow(int position, int index, std::vector<std::string> texts);
    // Nothing outside the list.
    void setText(int row, int column, std::string text);
    void clear();
    // Rewrites every row's store index through newIndex (indexed by the old index); a row whose
    // new index is negative or whose old one lies outside newIndex is dropped.
    void remapIndexes(const std::vector<int> &newIndex);

    bool isSelected(int row) const;
    // Nothing outside the list.
    void setSelected(int row, bool selected);
    // The selected rows in list order.
    std::vector<int> selectedRows() const;
    void deselectAll();

    // A header click: column becomes the sort column keeping the direction it last had, or,
    // when it already is the sort column, reverses its direction. Columns outside the list are
    // ignored. Initially column 0 sorts, every column ascending.
    void clickColumn(int column);
    int sortColumn() const { return m_sortColumn; }
    bool isDescending(int column) const;
    // Orders the rows by the sort column in its direction; equal texts keep their order and
    // selected rows stay selected.
    void sort();

private:
    struct Row
    {
        int index;
        std::vector<std::string> texts;
        bool selected = false;
    };

    int m_columnCount;
    std::vector<Row> m_rows;
    int m_sortColumn = 0;
    std::vector<bool> m_descending;
};

} // namespace views
