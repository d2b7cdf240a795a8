#pragma once

#include "platform/clock.h"

// A fixed monotonic and wall clock for the schedule's widgets: both move only when told to.
class ScheduleTestClock : public platform::Clock, public platform::WallClock
{
public:
    int64_t milliseconds() const override { return now; }
    void sleep(int64_t milliseconds) override { now += milliseconds; }
    int64_t utcSeconds() const override { return utc; }

    int64_t now = 1000;
    // 2003-05-16 03:00:00 UTC: 16 May 2003, 12:00 in Japan.
    int64_t utc = 1053054000;
};
