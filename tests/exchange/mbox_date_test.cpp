#include "exchange/mbox_date.h"

#include <gtest/gtest.h>

namespace {

TEST(MboxDateTest, DatesBecomeUtcInAsctimeForm)
{
    const struct
    {
        const char *date;
        const char *stamp;
    } cases[] = {
        {"Fri, 01 Aug 2003 18:30:12 +0900", "Fri Aug  1 09:30:12 2003"},
        {" 05 Aug 2003 21:15:40 +0900", "Tue Aug  5 12:15:40 2003"},
        // The zone moves the day, the month and the year.
        {"Thu, 01 Jan 2004 08:59:59 +0900", "Wed Dec 31 23:59:59 2003"},
        {"Sat, 28 Feb 2004 22:00:00 -0500", "Sun Feb 29 03:00:00 2004"},
        {"Mon, 4 Aug 2003 09:00:00 GMT", "Mon Aug  4 09:00:00 2003"},
        {"Mon, 4 Aug 2003 09:00:00 +0000 (UTC)", "Mon Aug  4 09:00:00 2003"},
        {"Mon, 4 Aug 2003 09:00:00 PDT", "Mon Aug  4 16:00:00 2003"},
        {"Mon, 4 Aug 2003 09:00:00 jst", "Mon Aug  4 00:00:00 2003"},
        // Without a zone the phone's Japan time; without seconds 0.
        {"Mon, 4 Aug 2003 09:00", "Mon Aug  4 00:00:00 2003"},
        // Two-digit years.
        {"14 Aug 03 22:10:05 +0900", "Thu Aug 14 13:10:05 2003"},
        {"14 Aug 99 22:10:05 +0900", "Sat Aug 14 13:10:05 1999"},
        {"14 AUG 2003 22:10:05 +0900", "Thu Aug 14 13:10:05 2003"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(exchange::mboxFromLineDate(c.date), c.stamp) << c.date;
}

TEST(MboxDateTest, UnreadableDatesGiveTheEpoch)
{
    for (const char *date :
         {"", "yesterday", "Fri, 01 Foo 2003 18:30:12 +0900", "31 Feb 2003 10:00:00 +0900",
          "01 Aug 2003 25:00:00 +0900", "01 Aug 99999999999 10:00:00", "01 Aug 2003"})
        EXPECT_EQ(exchange::mboxFromLineDate(date), "Thu Jan  1 00:00:00 1970") << date;
}

} // namespace
