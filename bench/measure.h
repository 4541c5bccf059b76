#pragma once

#include <QString>
#include <functional>

// Timing and memory readings for the benchmark.
namespace measure {

// Runs 'prepare' (untimed) then 'work' (timed) 'repeats' times; the median in milliseconds.
double medianMs(int repeats, const std::function<void()> &work,
                const std::function<void()> &prepare = {});

// Resident memory of this process, in MB: now, and the peak since the last resetPeak().
double residentMb();
double peakMb();
void resetPeak();

} // namespace measure
