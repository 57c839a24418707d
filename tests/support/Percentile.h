#pragma once

#include <algorithm>
#include <vector>

// The value that `fraction` of the values do not exceed, by nearest rank.
inline double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5)];
}
