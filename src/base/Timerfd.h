#pragma once

#include <QObject>

#include <chrono>
#include <ctime>

class QSocketNotifier;

// A timerfd watched by the event loop, armed for an absolute moment on its
// clock: it wakes within tens of microseconds and costs nothing while it
// waits.
class Timerfd : public QObject {
    Q_OBJECT

public:
    Timerfd(clockid_t clock, QObject *parent = nullptr);
    ~Timerfd() override;

    // `sinceOrigin` counts from the clock's origin; zero disarms. `flags` are
    // added to TFD_TIMER_ABSTIME, such as TFD_TIMER_CANCEL_ON_SET.
    void arm(std::chrono::nanoseconds sinceOrigin, int flags = 0);

signals:
    // The moment came, or the clock was set under a timer armed to notice.
    void fired();

private:
    void onReadable();

    int fd_;
    QSocketNotifier *notifier_;
};
