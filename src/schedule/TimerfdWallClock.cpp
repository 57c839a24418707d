#include "TimerfdWallClock.h"

#include "Timerfd.h"

#include <sys/timerfd.h>

namespace schedule {

TimerfdWallClock::TimerfdWallClock(QObject *parent) : WallClock(parent), timer_(new Timerfd(CLOCK_REALTIME, this))
{
    connect(timer_, &Timerfd::fired, this, &WallClock::woken);
}

void TimerfdWallClock::wakeAt(const QDateTime &moment)
{
    // A zero time would disarm the timer instead of firing it.
    const qint64 msecs = std::max<qint64>(moment.toMSecsSinceEpoch(), 1);
    timer_->arm(std::chrono::milliseconds(msecs), TFD_TIMER_CANCEL_ON_SET);
}

} // namespace schedule
