#include "TimerfdWallClock.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/timerfd.h>
#include <unistd.h>

namespace schedule {

TimerfdWallClock::TimerfdWallClock(QObject *parent)
    : WallClock(parent), fd_(::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC))
{
    if (fd_ < 0)
        qFatal("Cannot create a timer on the wall clock: %s", std::strerror(errno));
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TimerfdWallClock::onReadable);
}

TimerfdWallClock::~TimerfdWallClock()
{
    delete notifier_;
    ::close(fd_);
}

void TimerfdWallClock::wakeAt(const QDateTime &moment)
{
    // A zero time would disarm the timer instead of firing it.
    const qint64 msecs = std::max<qint64>(moment.toMSecsSinceEpoch(), 1);
    itimerspec setting{};
    setting.it_value.tv_sec = static_cast<time_t>(msecs / 1000);
    setting.it_value.tv_nsec = static_cast<long>(msecs % 1000 * 1000000);
    ::timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &setting, nullptr);
}

// A read fails with ECANCELED when the clock was set; the timer then stays
// quiet until it is armed again, as the next wakeAt does.
void TimerfdWallClock::onReadable()
{
    std::uint64_t expirations = 0;
    if (::read(fd_, &expirations, sizeof expirations) == sizeof expirations || errno == ECANCELED)
        emit woken();
}

} // namespace schedule
