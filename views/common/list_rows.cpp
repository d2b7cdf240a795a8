#include "list_rows.h"

#include <algorithm>
#include <cstring>

namespace views {
namespace {

// Plain byte order, not the locale's: Shift_JIS bytes above 0x7F sort after ASCII.
int compareBytes(const std::string &a, const std::string &b)
{
    const int common = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    if (common != 0)
        return common;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

} // namespace

ListRows::ListRows(int columnCount)
    : m_columnCount(std::max(columnCount, 0))
    , m_descending(static_cast<size_t>(m_columnCount), false)
{
}

int ListRows::indexAt(int row) const
{
    return row >= 0 && row < count() ? m_rows[static_cast<size_t>(row)].index : -1;
}

int ListRows::rowOf(int index) const
{
    for (int row = 0; row < count(); ++row) {
        if (m_rows[static_cast<size_t>(row)].index == index)
            return row;
    }
    return -1;
}

const std::string &ListRows::text(int row, int column) const
{
    static const std::string empty;
    if (row < 0 || row >= count() || column < 0 || column >= m_columnCount)
        return empty;
    return m_rows[static_cast<size_t>(row)].texts[static_cast<size_t>(column)];
}

int ListRows::setRow(int position, int index, std::vector<std::string> texts)
{
    texts.resize(static_cast<size_t>(m_columnCount));
    if (position < 0 || position >= count()) {
        m_rows.push_back({index, std::move(texts)});
        return count() - 1;
    }
    Row &row = m_rows[static_cast<size_t>(position)];
    row.index = index;
    row.texts = std::move(texts);
    return position;
}

void ListRows::setText(int row, int column, std::string text)
{
    if (row >= 0 && row < count() && column >= 0 && column < m_columnCount)
        m_rows[static_cast<size_t>(row)].texts[static_cast<size_t>(column)] = std::move(text);
}

void ListRows::clear()
{
    m_rows.clear();
}

void ListRows::remapIndexes(const std::vector<int> &newIndex)
{
    std::erase_if(m_rows, [&](Row &row) {
        if (row.index < 0 || static_cast<size_t>(row.index) >= newIndex.size())
            return true;
        row.index = newIndex[static_cast<size_t>(row.index)];
        return row.index < 0;
    });
}

bool ListRows::isSelected(int row) const
{
    return row >= 0 && row < count() && m_rows[static_cast<size_t>(row)].selected;
}

void ListRows::setSelected(int row, bool selected)
{
    if (row >= 0 && row < count())
        m_rows[static_cast<size_t>(row)].selected = selected;
}

std::vector<int> ListRows::selectedRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < count(); ++row) {
        if (m_rows[static_cast<size_t>(row)].selected)
            rows.push_back(row);
    }
    return rows;
}

void ListRows::deselectAll()
{
    for (Row &row : m_rows)
        row.selected = false;
}

void ListRows::clickColumn(int column)
{
    if (column < 0 || column >= m_columnCount)
        return;
    if (column == m_sortColumn)
        m_descending[static_cast<size_t>(column)] = !m_descending[static_cast<size_t>(column)];
    m_sortColumn = column;
}

bool ListRows::isDescending(int column) const
{
    return column >= 0 && column < m_columnCount && m_descending[static_cast<size_t>(column)];
}

void ListRows::sort()
{
    if (m_sortColumn >= m_columnCount)
        return;
    const auto column = static_cast<size_t>(m_sortColumn);
    const bool descending = m_descending[column];
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const Row &a, const Row &b) {
        const int order = compareBytes(a.texts[column], b.texts[column]);
        return descending ? order > 0 : order < 0;
    });
}

} // namespace views
