#include "clock.h"

#include <chrono>
#include <thread>

namespace platform {

int64_t SystemClock::milliseconds() const
{
    using namespace std::chrono;
    return duration_cast<std::chrono::milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::sleep(int64_t milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

int64_t SystemClock::utcSeconds() const
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace platform
