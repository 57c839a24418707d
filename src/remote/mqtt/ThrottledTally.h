#pragma once

#include <chrono>
#include <optional>

// Counts events that deserve a log line without letting a flood of them
// flood the log: the first is reported at once, the rest in one line a
// minute with how many there were. The clock is given, so that tests need
// not wait.
class ThrottledTally {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration Interval = std::chrono::minutes(1);

    void count() { ++pending_; }
    // How many to report, if a line is due now: any counted since the last
    // line, once a minute has passed since it. For whoever looks often.
    std::optional<int> due(Clock::time_point now);

private:
    int pending_ = 0;
    std::optional<Clock::time_point> lastReport_;
};
