#pragma once

#include <cstdint>

namespace platform {

// Elapsed time and waiting, behind an interface so that tests can run a fixed clock.
class Clock
{
public:
    virtual ~Clock() = default;
    // Milliseconds from an arbitrary fixed start; never goes backwards.
    virtual int64_t milliseconds() const = 0;
    // Blocks the calling thread for at least the given milliseconds (nothing for 0 or less).
    virtual void sleep(int64_t milliseconds) = 0;
};

// The calendar time, for the date a user sees as today; behind an interface so that tests can
// fix the day.
class WallClock
{
public:
    virtual ~WallClock() = default;
    // Seconds since 1970-01-01 00:00:00 UTC.
    virtual int64_t utcSeconds() const = 0;
};

// The real clock: monotonic time, a real sleep and the system's calendar time.
class SystemClock : public Clock, public WallClock
{
public:
    int64_t milliseconds() const override;
    void sleep(int64_t milliseconds) override;
    int64_t utcSeconds() const override;
};

} // namespace platform
