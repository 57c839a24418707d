#include "ReconnectBackoff.h"

#include <algorithm>

void ReconnectBackoff::connected(Clock::time_point now)
{
    connectedAt_ = now;
}

ReconnectBackoff::Clock::duration ReconnectBackoff::nextPause(Clock::time_point now)
{
    if (connectedAt_ && now - *connectedAt_ >= SteadyAfter)
        pausesTaken_ = 0;
    connectedAt_.reset();
    const int step = pausesTaken_;
    // 1 << 5 s is past the longest pause: counting further changes nothing.
    pausesTaken_ = std::min(pausesTaken_ + 1, 6);
    if (step == 0)
        return Clock::duration::zero();
    return std::min<Clock::duration>(std::chrono::seconds(1 << (step - 1)), LongestPause);
}
