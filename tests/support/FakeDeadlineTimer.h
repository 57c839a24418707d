#pragma once

#include "DeadlineTimer.h"

#include <optional>

// Time that moves only when the test says so.
class FakeDeadlineTimer final : public DeadlineTimer {
public:
    Clock::time_point now() const override { return now_; }
    void arm(Clock::time_point deadline) override { deadline_ = deadline; }
    void disarm() override { deadline_.reset(); }

    // Runs the clock to `end`, waking exactly at every deadline on the way.
    void runUntil(Clock::time_point end)
    {
        while (deadline_ && *deadline_ <= end)
            fire(std::max(now_, *deadline_));
        now_ = end;
    }
    void runFor(Clock::duration length) { runUntil(now_ + length); }

    // The machine stood still until `end`: one late wake-up at most.
    void stallUntil(Clock::time_point end)
    {
        if (deadline_ && *deadline_ <= end)
            fire(end);
        now_ = end;
    }

private:
    void fire(Clock::time_point at)
    {
        now_ = at;
        deadline_.reset();
        emit expired();
    }

    Clock::time_point now_{};
    std::optional<Clock::time_point> deadline_;
};
