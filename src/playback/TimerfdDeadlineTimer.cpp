#include "TimerfdDeadlineTimer.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/timerfd.h>
#include <unistd.h>

TimerfdDeadlineTimer::TimerfdDeadlineTimer(QObject *parent)
    : DeadlineTimer(parent), fd_(::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC))
{
    if (fd_ < 0)
        qFatal("Cannot create a timer: %s", std::strerror(errno));
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TimerfdDeadlineTimer::onReadable);
}

TimerfdDeadlineTimer::~TimerfdDeadlineTimer()
{
    delete notifier_;
    ::close(fd_);
}

// steady_clock counts from the same origin as CLOCK_MONOTONIC.
void TimerfdDeadlineTimer::arm(Clock::time_point deadline)
{
    // A zero time would disarm the timer instead of firing it.
    setTime(std::max(deadline.time_since_epoch(), std::chrono::nanoseconds(1)));
}

void TimerfdDeadlineTimer::disarm()
{
    setTime(std::chrono::nanoseconds(0));
}

void TimerfdDeadlineTimer::setTime(std::chrono::nanoseconds sinceClockStart)
{
    using namespace std::chrono;
    itimerspec setting{};
    setting.it_value.tv_sec = static_cast<time_t>(duration_cast<seconds>(sinceClockStart).count());
    setting.it_value.tv_nsec = static_cast<long>((sinceClockStart % seconds(1)).count());
    ::timerfd_settime(fd_, TFD_TIMER_ABSTIME, &setting, nullptr);
}

void TimerfdDeadlineTimer::onReadable()
{
    std::uint64_t expirations = 0;
    if (::read(fd_, &expirations, sizeof expirations) == sizeof expirations)
        emit expired();
}
