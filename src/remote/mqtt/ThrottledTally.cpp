#include "ThrottledTally.h"

std::optional<int> ThrottledTally::due(Clock::time_point now)
{
    if (pending_ == 0 || (lastReport_ && now - *lastReport_ < Interval))
        return std::nullopt;
    lastReport_ = now;
    const int counted = pending_;
    pending_ = 0;
    return counted;
}
