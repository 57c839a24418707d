#pragma once

#include "WallClock.h"

class Timerfd;

namespace schedule {

// A timerfd on CLOCK_REALTIME armed for an absolute moment. It also wakes
// when the clock is set (by hand, or by NTP after a boot without a clock
// battery), since the moment asked for then comes sooner or later than it
// would have.
class TimerfdWallClock final : public WallClock {
    Q_OBJECT

public:
    explicit TimerfdWallClock(QObject *parent = nullptr);

    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
    void wakeAt(const QDateTime &moment) override;

private:
    Timerfd *timer_;
};

} // namespace schedule
