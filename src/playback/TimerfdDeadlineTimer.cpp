#include "TimerfdDeadlineTimer.h"

#include "Timerfd.h"

TimerfdDeadlineTimer::TimerfdDeadlineTimer(QObject *parent)
    : DeadlineTimer(parent), timer_(new Timerfd(CLOCK_MONOTONIC, this))
{
    connect(timer_, &Timerfd::fired, this, &DeadlineTimer::expired);
}

// steady_clock counts from the same origin as CLOCK_MONOTONIC.
void TimerfdDeadlineTimer::arm(Clock::time_point deadline)
{
    // A zero time would disarm the timer instead of firing it.
    timer_->arm(std::max(deadline.time_since_epoch(), std::chrono::nanoseconds(1)));
}

void TimerfdDeadlineTimer::disarm()
{
    timer_->arm(std::chrono::nanoseconds(0));
}
