#pragma once

#include <QDateTime>
#include <QObject>

namespace schedule {

// The time of day as the system shows it, which can be set or jump, and a
// wake-up at a moment on it. Behind an interface so that tests can set the
// time by hand.
class WallClock : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // In UTC.
    virtual QDateTime now() const = 0;
    // Replaces any earlier wake-up; one in the past wakes at once.
    virtual void wakeAt(const QDateTime &moment) = 0;

signals:
    // The moment asked for has come, or the clock was set.
    void woken();
};

} // namespace schedule
