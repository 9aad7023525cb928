#include "busydelay.h"

#include "surface.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

std::chrono::nanoseconds BusyDelay::durationOf(double count)
{
    if (!(count > 0))
        return std::chrono::nanoseconds::zero();
    // A day is far beyond any count the window writes, and keeps the clock from overflowing.
    const double limit = std::chrono::nanoseconds(std::chrono::hours(24)).count();
    const double nanoseconds = std::min(std::ceil(count) * double(perCount.count()), limit);
    return std::chrono::nanoseconds(static_cast<long long>(nanoseconds));
}

bool BusyDelay::wait(double count, Surface &surface)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + durationOf(count);
    do {
        if (!surface.pumpWindowEvents())
            return false;
    } while (Clock::now() < end);
    return true;
}

} // namespace veltrin
