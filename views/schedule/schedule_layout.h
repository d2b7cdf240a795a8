#pragma once

// Where the schedule view puts its calendar and list, and where the calendar draws its grid;
// plain geometry in pixels, without widgets.

namespace views {

struct LayoutRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool contains(int px, int py) const
    {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
    bool operator==(const LayoutRect &) const = default;
};

struct ScheduleLayout
{
    LayoutRect calendar;
    bool calendarShown = false;
    LayoutRect list;
};

// The calendar at (8, 8), as wide as the client less 15 and as high as the smaller of
// usableHeight - 142 and 256; shown only while its day cells would be at least 32 pixels wide
// and more than 23 high, the list then 16 pixels below it, else the list alone at (8, 8).
ScheduleLayout layoutSchedule(int clientWidth, int usableHeight);

// The calendar's 6 x 7 day grid inside a calendar of width x height: cells of (width - 8) / 7
// by (height - 43) / 6 pixels from row 42 on, the grid centred, 1 pixel between cells.
class CalendarGrid
{
public:
    static constexpr int Top = 42;
    static constexpr int TitleHeight = 20;
    static constexpr int WeekdayTop = 22;

    CalendarGrid(int width, int height);

    int cellWidth() const { return m_cellWidth; }
    int cellHeight() const { return m_cellHeight; }
    int left() const { return m_left; }
    // The drawn rectangle of cell 0 to 41 (row by row, Sunday first).
    LayoutRect cell(int index) const;
    // The cell under a point, or -1.
    int cellAt(int x, int y) const;

private:
    int m_cellWidth;
    int m_cellHeight;
    int m_left;
};

} // namespace views
