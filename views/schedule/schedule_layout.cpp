#include "schedule_layout.h"

#include <algorithm>

namespace views {

ScheduleLayout layoutSchedule(int clientWidth, int usableHeight)
{
    ScheduleLayout layout;
    const int width = std::max(clientWidth - 15, 0);
    const int height = std::max(std::min(usableHeight - 142, 256), 0);
    layout.calendar = {8, 8, width, height};
    const CalendarGrid grid(width, height);
    layout.calendarShown = grid.cellWidth() >= 32 && grid.cellHeight() > 23;
    if (layout.calendarShown) {
        const int listHeight = usableHeight - 142 > 256 ? usableHeight - 278 : 120;
        layout.list = {8, 8 + height + 16, width, listHeight};
    } else {
        layout.list = {8, 8, width, height + 136};
    }
    return layout;
}

CalendarGrid::CalendarGrid(int width, int height)
    : m_cellWidth(std::max((width - 8) / 7, 0))
    , m_cellHeight(std::max((height - 43) / 6, 0))
    , m_left((width - 7 * m_cellWidth) / 2)
{
}

LayoutRect CalendarGrid::cell(int index) const
{
    return {m_left + index % 7 * m_cellWidth, Top + index / 7 * m_cellHeight,
            std::max(m_cellWidth - 1, 0), std::max(m_cellHeight - 1, 0)};
}

int CalendarGrid::cellAt(int x, int y) const
{
    if (m_cellWidth <= 0 || m_cellHeight <= 0 || x < m_left || y < Top)
        return -1;
    const int column = (x - m_left) / m_cellWidth;
    const int row = (y - Top) / m_cellHeight;
    return column < 7 && row < 6 ? row * 7 + column : -1;
}

} // namespace views
