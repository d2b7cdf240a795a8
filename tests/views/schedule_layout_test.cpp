#include "views/schedule/schedule_layout.h"

#include <gtest/gtest.h>

namespace {

using views::CalendarGrid;
using views::LayoutRect;

TEST(ScheduleLayoutTest, CalendarAboveTheListWhileItsCellsAreLargeEnough)
{
    const views::ScheduleLayout tall = views::layoutSchedule(640, 600);
    EXPECT_TRUE(tall.calendarShown);
    EXPECT_EQ(tall.calendar, (LayoutRect{8, 8, 625, 256}));
    EXPECT_EQ(tall.list, (LayoutRect{8, 280, 625, 322}));

    const views::ScheduleLayout low = views::layoutSchedule(640, 330);
    EXPECT_TRUE(low.calendarShown);
    EXPECT_EQ(low.calendar, (LayoutRect{8, 8, 625, 188}));
    EXPECT_EQ(low.list, (LayoutRect{8, 212, 625, 120}));

    const views::ScheduleLayout narrow = views::layoutSchedule(230, 600);
    EXPECT_FALSE(narrow.calendarShown) << "cells of 31 pixels";
    EXPECT_EQ(narrow.list, (LayoutRect{8, 8, 215, 392}));
    EXPECT_FALSE(views::layoutSchedule(640, 328).calendarShown) << "cells of 23 pixels";
    EXPECT_TRUE(views::layoutSchedule(640, 329).calendarShown);
}

TEST(ScheduleLayoutTest, GridIsCentredAndHitTested)
{
    const CalendarGrid grid(625, 256);
    EXPECT_EQ(grid.cellWidth(), 88);
    EXPECT_EQ(grid.cellHeight(), 35);
    EXPECT_EQ(grid.left(), 4);
    EXPECT_EQ(grid.cell(8), (LayoutRect{92, 77, 87, 34}));
    EXPECT_EQ(grid.cellAt(92, 77), 8);
    EXPECT_EQ(grid.cellAt(4 + 7 * 88 - 1, 42 + 6 * 35 - 1), 41);
    EXPECT_EQ(grid.cellAt(4 + 7 * 88, 50), -1);
    EXPECT_EQ(grid.cellAt(50, 41), -1) << "the weekday row";
    EXPECT_EQ(CalendarGrid(0, 0).cellAt(0, 50), -1);
}

} // namespace
