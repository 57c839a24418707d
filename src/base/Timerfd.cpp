#include "Timerfd.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/timerfd.h>
#include <unistd.h>

Timerfd::Timerfd(clockid_t clock, QObject *parent)
    : QObject(parent), fd_(::timerfd_create(clock, TFD_NONBLOCK | TFD_CLOEXEC))
{
    if (fd_ < 0)
        qFatal("Cannot create a timer: %s", std::strerror(errno));
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &Timerfd::onReadable);
}

Timerfd::~Timerfd()
{
    delete notifier_;
    ::close(fd_);
}

void Timerfd::arm(std::chrono::nanoseconds sinceOrigin, int flags)
{
    using namespace std::chrono;
    itimerspec setting{};
    setting.it_value.tv_sec = static_cast<time_t>(duration_cast<seconds>(sinceOrigin).count());
    setting.it_value.tv_nsec = static_cast<long>((sinceOrigin % seconds(1)).count());
    ::timerfd_settime(fd_, TFD_TIMER_ABSTIME | flags, &setting, nullptr);
}

// A read fails with ECANCELED when the clock was set; the timer then stays
// quiet until it is armed again.
void Timerfd::onReadable()
{
    std::uint64_t expirations = 0;
    if (::read(fd_, &expirations, sizeof expirations) == sizeof expirations || errno == ECANCELED)
        emit fired();
}
