#pragma once

#include <QObject>

#include <chrono>

// Wakes the event loop at an absolute point on the monotonic clock. Behind
// an interface so that tests can drive time by hand.
class DeadlineTimer : public QObject {
    Q_OBJECT

public:
    using Clock = std::chrono::steady_clock;

    using QObject::QObject;

    virtual Clock::time_point now() const = 0;
    // Replaces any earlier deadline; one in the past expires at once.
    virtual void arm(Clock::time_point deadline) = 0;
    virtual void disarm() = 0;

signals:
    void expired();
};
