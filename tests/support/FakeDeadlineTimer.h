#pragma once

#include "DeadlineTimer.h"

#include <optional>

// Time that moves only when the test says so.
class FakeDeadlineTimer final : public DeadlineTimer {
public:
    Clock::time_point now() const override { return now_; }
    void arm(Clock::time_point deadline) override { deadline_ = deadline; }
    void disarm() override { deadline_.reset(); }

    // Runs the clock on, waking `late` after every deadline on the way.
    void runFor(Clock::duration length, Clock::duration late = {})
    {
        const auto end = now_ + length;
        while (deadline_ && *deadline_ + late <= end) {
            now_ = std::max(now_, *deadline_ + late);
            deadline_.reset();
            emit expired();
        }
        now_ = end;
    }

private:
    Clock::time_point now_{};
    std::optional<Clock::time_point> deadline_;
};
