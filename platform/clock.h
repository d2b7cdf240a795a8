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

// The real clock: monotonic time and a real sleep.
class SystemClock : public Clock
{
public:
    int64_t milliseconds() const override;
    void sleep(int64_t milliseconds) override;
};

} // namespace platform
