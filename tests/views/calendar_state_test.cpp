#include "views/schedule/calendar_state.h"

#include <gtest/gtest.h>

namespace {

using views::CalendarButton;
using views::CalendarCellKind;
using views::CalendarClick;
using views::CalendarDate;
using views::CalendarState;

TEST(CalendarStateTest, MonthAndYearStepsCrossTheYearAndStopAtTheLimits)
{
    const struct
    {
        CalendarDate from;
        CalendarButton button;
        CalendarDate to;
    } cases[] = {
        {{2004, 1, 31}, CalendarButton::NextMonth, {2004, 2, 29}}, // the day drops
        {{2003, 1, 31}, CalendarButton::NextMonth, {2003, 2, 28}},
        {{2003, 12, 15}, CalendarButton::NextMonth, {2004, 1, 15}},
        {{2003, 1, 15}, CalendarButton::PreviousMonth, {2002, 12, 15}},
        {{2004, 2, 29}, CalendarButton::NextYear, {2005, 2, 28}},
        {{2004, 2, 29}, CalendarButton::PreviousYear, {2003, 2, 28}},
        {{2000, 5, 31}, CalendarButton::PreviousYear, {2000, 1, 31}}, // first year: January
        {{2000, 1, 10}, CalendarButton::PreviousMonth, {2000, 1, 10}},
        {{2000, 3, 31}, CalendarButton::PreviousMonth, {2000, 2, 29}},
        {{2099, 2, 28}, CalendarButton::NextYear, {2099, 12, 28}}, // last year: December
        {{2099, 12, 31}, CalendarButton::NextMonth, {2099, 12, 31}},
        {{2099, 11, 30}, CalendarButton::NextMonth, {2099, 12, 30}},
    };
    for (const auto &c : cases) {
        CalendarState calendar(c.from);
        calendar.setYears(2000, 2099);
        calendar.step(c.button);
        EXPECT_EQ(calendar.date(), c.to) << c.from.year << "/" << c.from.month << "/" << c.from.day
                                         << " button " << int(c.button);
    }
}

TEST(CalendarStateTest, NewYearLimitsMoveTheDateIntoThem)
{
    CalendarState calendar({1999, 7, 31});
    calendar.setYears(2003, 2099);
    EXPECT_EQ(calendar.date(), (CalendarDate{2003, 1, 31}));
    calendar.setDate({2150, 2, 31});
    EXPECT_EQ(calendar.date(), (CalendarDate{2099, 12, 28}))
        << "the month is kept first, then moved to December";
    calendar.setDate({2004, 13, 40});
    EXPECT_EQ(calendar.date(), (CalendarDate{2004, 12, 31}));
}

TEST(CalendarStateTest, GridStartsOnTheSundayBeforeTheFirst)
{
    CalendarState february({2004, 2, 10}); // 1 February 2004 is a Sunday
    EXPECT_EQ(february.cellDate(0), (CalendarDate{2004, 1, 25})) << "a week earlier";
    EXPECT_EQ(february.cellDate(7), (CalendarDate{2004, 2, 1}));
    EXPECT_EQ(february.cellDate(41), (CalendarDate{2004, 3, 6}));
    CalendarState december({2003, 12, 31}); // 1 December 2003 is a Monday
    EXPECT_EQ(december.cellDate(0), (CalendarDate{2003, 11, 30}));
    EXPECT_EQ(december.cellDate(1), (CalendarDate{2003, 12, 1}));
}

TEST(CalendarStateTest, CellKindsFollowTheirPrecedence)
{
    CalendarState calendar({2003, 1, 15});
    calendar.setYears(2003, 2099);
    const CalendarDate today{2003, 1, 16};
    // 1 January 2003 is a Wednesday: cell 0 is 29 December 2002.
    EXPECT_EQ(calendar.cellKind(0, today), CalendarCellKind::OutOfRange);
    EXPECT_EQ(calendar.cellKind(3, today), CalendarCellKind::Weekday);     // 1 January
    EXPECT_EQ(calendar.cellKind(6, today), CalendarCellKind::Saturday);    // 4 January
    EXPECT_EQ(calendar.cellKind(7, today), CalendarCellKind::Sunday);      // 5 January
    EXPECT_EQ(calendar.cellKind(17, today), CalendarCellKind::Current);    // 15 January
    EXPECT_EQ(calendar.cellKind(18, today), CalendarCellKind::Today);      // 16 January
    EXPECT_EQ(calendar.cellKind(41, today), CalendarCellKind::OtherMonth); // 8 February
    EXPECT_EQ(calendar.cellKind(17, {2003, 1, 15}), CalendarCellKind::Current)
        << "the current date wins over today";
}

TEST(CalendarStateTest, ClicksChangeTheDateAndASecondQuickClickIsADoubleClick)
{
    CalendarState calendar({2003, 5, 10});
    calendar.setYears(2003, 2099);
    EXPECT_EQ(calendar.clickDay({2002, 12, 31}, 0, 500), CalendarClick::None) << "a refused year";
    EXPECT_EQ(calendar.date(), (CalendarDate{2003, 5, 10}));
    EXPECT_EQ(calendar.clickDay({2003, 5, 12}, 1000, 500), CalendarClick::Changed);
    EXPECT_EQ(calendar.date(), (CalendarDate{2003, 5, 12}));
    EXPECT_EQ(calendar.clickDay({2003, 5, 12}, 1500, 500), CalendarClick::DoubleClick);
    EXPECT_EQ(calendar.clickDay({2003, 5, 12}, 1600, 500), CalendarClick::None)
        << "the double click forgot its clicks";
    EXPECT_EQ(calendar.clickDay({2003, 5, 12}, 2200, 500), CalendarClick::None) << "too slow";
    EXPECT_EQ(calendar.clickDay({2003, 5, 12}, 2400, 500), CalendarClick::DoubleClick)
        << "a slow click on the current date starts a new double click";
}

TEST(CalendarStateTest, HeldButtonRepeatsAfter750MsWithShrinkingIntervals)
{
    CalendarState calendar({2003, 1, 1});
    calendar.press(CalendarButton::NextMonth, 10000);
    EXPECT_EQ(calendar.repeatsDue(10749), 0);
    EXPECT_EQ(calendar.nextRepeat(), 10750);
    EXPECT_EQ(calendar.repeatsDue(10750), 1);
    EXPECT_EQ(calendar.date().month, 2);
    // 675, 607, 546 ... until the interval is 100 ms or less, then it stays.
    int64_t expected = 10750;
    int64_t interval = 750;
    std::vector<int64_t> intervals;
    for (int i = 0; i < 25; ++i) {
        if (interval > 100)
            interval = interval * 9 / 10;
        expected += interval;
        intervals.push_back(interval);
        EXPECT_EQ(calendar.nextRepeat(), expected) << i;
        EXPECT_EQ(calendar.repeatsDue(expected), 1);
    }
    EXPECT_EQ(intervals[0], 675);
    EXPECT_EQ(intervals[1], 607);
    EXPECT_EQ(intervals.back(), 98) << "shortening stops once at or below 100 ms";
    EXPECT_FALSE(calendar.release()) << "a held button does not step again on release";
    EXPECT_FALSE(calendar.nextRepeat());
    EXPECT_EQ(calendar.repeatsDue(99999999), 0);
}

TEST(CalendarStateTest, AShortPressStepsOnceOnRelease)
{
    CalendarState calendar({2003, 12, 20});
    calendar.press(CalendarButton::NextYear, 0);
    EXPECT_EQ(calendar.repeatsDue(300), 0);
    EXPECT_TRUE(calendar.release());
    EXPECT_EQ(calendar.date(), (CalendarDate{2004, 12, 20}));
    EXPECT_FALSE(calendar.release()) << "nothing is held any more";
}

} // namespace
