#pragma once

#include <chrono>
#include <optional>

// How long to wait before the next try to reach the broker. A connection
// that was lost is made again at once, since the broker is usually back
// within a moment and commands come meanwhile; then after 1, 2, 4, 8, 16
// and every 30 s. Only a connection that lasted counts as a fresh start:
// a broker that drops us as soon as it takes us, or a second program under
// the same client id that takes our place, would otherwise be hammered.
// The clock is given, so that tests need not wait.
class ReconnectBackoff {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration SteadyAfter = std::chrono::seconds(5);
    static constexpr Clock::duration LongestPause = std::chrono::seconds(30);

    void connected(Clock::time_point now);
    // The pause after a failed try or a lost connection.
    Clock::duration nextPause(Clock::time_point now);

private:
    std::optional<Clock::time_point> connectedAt_;
    // The first try, made at start, counts as the one made at once.
    int pausesTaken_ = 1;
};
