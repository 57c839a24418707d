#pragma once

#include "DeadlineTimer.h"

class QSocketNotifier;

// A timerfd on CLOCK_MONOTONIC armed with an absolute deadline and watched by
// the event loop: it wakes within tens of microseconds, costs nothing while
// waiting, and never drifts the way a timer re-armed from "now" does.
class TimerfdDeadlineTimer final : public DeadlineTimer {
    Q_OBJECT

public:
    explicit TimerfdDeadlineTimer(QObject *parent = nullptr);
    ~TimerfdDeadlineTimer() override;

    Clock::time_point now() const override { return Clock::now(); }
    void arm(Clock::time_point deadline) override;
    void disarm() override;

private:
    void setTime(std::chrono::nanoseconds sinceClockStart);
    void onReadable();

    int fd_;
    QSocketNotifier *notifier_;
};
