#pragma once

#include "DeadlineTimer.h"

class Timerfd;

// A timerfd on CLOCK_MONOTONIC armed with an absolute deadline: it never
// drifts the way a timer re-armed from "now" does.
class TimerfdDeadlineTimer final : public DeadlineTimer {
    Q_OBJECT

public:
    explicit TimerfdDeadlineTimer(QObject *parent = nullptr);

    Clock::time_point now() const override { return Clock::now(); }
    void arm(Clock::time_point deadline) override;
    void disarm() override;

private:
    Timerfd *timer_; // a child, so that it moves to another thread with this
};
