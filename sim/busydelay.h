#pragma once

#include <chrono>

namespace veltrin {

class Surface;

/// The pause after each detector position, so the user can watch the spirals form. It waits
/// busily for a number of counts, each a fixed tenth of a microsecond on the steady clock, so
/// the speed control means the same on every machine; meanwhile the window stays alive.
class BusyDelay
{
public:
    static constexpr std::chrono::nanoseconds perCount{100};

    /// The time a count of n takes: whole counts, as a countdown to zero would make them;
    /// nothing for n ≤ 0 (or a text that is no count at all).
    static std::chrono::nanoseconds durationOf(double count);

    /// Waits for count counts; returns false as soon as the window is closing.
    static bool wait(double count, Surface &surface);
};

} // namespace veltrin
