#include "views/schedule/schedule_time.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using views::LocalDateTime;

TEST(ScheduleTimeTest, DisplaysUtcTextsInJapanTime)
{
    const struct
    {
        const char *text;
        const char *shown;
    } cases[] = {
        {"20031231T200000Z", "2004/01/01 05:00:00"}, // +9 h crosses the year
        {"031231T200000Z", "1904/01/01 05:00:00"},   // the year counts from 1900
        {"19031231T200000Z", "1904/01/01 05:00:00"},
        {"20040228T150000Z", "2004/02/29 00:00:00"}, // leap day
        {"20030228T150000Z", "2003/03/01 00:00:00"},
        {"21000228T150000Z", "2100/03/01 00:00:00"}, // 2100 is no leap year
        {"20000228T150000Z", "2000/02/29 00:00:00"}, // 2000 is one
        {"20030505T010203Z", "2003/05/05 10:02:03"},
        {"", "----/--/-- --:--:--"},
        {"20030505T010000", "----/--/-- --:--:--"},  // no Z
        {"20030505X010000Z", "----/--/-- --:--:--"}, // no T
        {"2003050501000Z", "----/--/-- --:--:--"},   // 14 characters, T misplaced
        {"2003xx05T010000Z", "2003/00/05 10:00:00"}, // a damaged field reads 0
    };
    for (const auto &c : cases)
        EXPECT_EQ(views::DisplayScheduleTime(c.text), c.shown) << c.text;
}

TEST(ScheduleTimeTest, FormatMovesBackNineHoursAndRoundTrips)
{
    EXPECT_EQ(views::FormatScheduleTime({2004, 1, 1, 5, 0, 0}), "20031231T200000Z");
    EXPECT_EQ(views::FormatScheduleTime({2004, 3, 1, 8, 30, 0}), "20040229T233000Z");
    for (const char *text : {"20031231T200000Z", "20040229T233000Z", "20000101T000000Z"}) {
        const auto local = views::ParseScheduleTime(text);
        ASSERT_TRUE(local);
        EXPECT_EQ(views::FormatScheduleTime(*local), text);
    }
}

TEST(ScheduleTimeTest, DaysInMonthFollowsTheGregorianRules)
{
    EXPECT_EQ(views::DaysInMonth(2004, 2), 29);
    EXPECT_EQ(views::DaysInMonth(2003, 2), 28);
    EXPECT_EQ(views::DaysInMonth(1900, 2), 28);
    EXPECT_EQ(views::DaysInMonth(2000, 2), 29);
    EXPECT_EQ(views::DaysInMonth(2003, 4), 30);
    EXPECT_EQ(views::DaysInMonth(2003, 12), 31);
    EXPECT_EQ(views::DaysInMonth(-1, 2), 31);
    EXPECT_EQ(views::DaysInMonth(2003, 0), 31);
    EXPECT_EQ(views::DaysInMonth(2003, 13), 31) << "no month past December is looked up";
}

TEST(ScheduleTimeTest, JapanTimeIgnoresTheMachinesZone)
{
    // 2003-12-31 20:00:00 UTC
    EXPECT_EQ(views::JapanTimeOf(1072900800), (LocalDateTime{2004, 1, 1, 5, 0, 0}));
    EXPECT_EQ(views::ScheduleTimeOfUtc(1072900800), "20031231T200000Z");
    EXPECT_EQ(views::JapanTimeOf(0), (LocalDateTime{1970, 1, 1, 9, 0, 0}));
}

TEST(ScheduleTimeTest, MinuteArithmeticCarriesAcrossDaysMonthsAndYears)
{
    EXPECT_EQ(views::AddMinutes({2004, 1, 1, 0, 10, 0}, -90),
              (LocalDateTime{2003, 12, 31, 22, 40, 0}));
    EXPECT_EQ(views::AddMinutes({2004, 2, 28, 23, 0, 0}, 120),
              (LocalDateTime{2004, 2, 29, 1, 0, 0}));
    EXPECT_EQ(views::MinutesBetween({2003, 12, 31, 23, 0, 30}, {2004, 1, 1, 0, 30, 0}), 89);
    EXPECT_EQ(views::MinutesBetween({2004, 1, 1, 9, 0, 0}, {2004, 1, 1, 8, 0, 0}), -60);
    EXPECT_EQ(views::WeekdayOf({2004, 2, 1}), 0);
    EXPECT_EQ(views::WeekdayOf({2003, 12, 31}), 3);
}

} // namespace
