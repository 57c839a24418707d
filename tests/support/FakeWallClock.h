#pragma once

#include "WallClock.h"

// A wall clock that moves only when the test says so.
class FakeWallClock final : public schedule::WallClock {
public:
    explicit FakeWallClock(QDateTime now) : now_(std::move(now)) {}

    QDateTime now() const override { return now_; }
    void wakeAt(const QDateTime &moment) override { wake_ = moment; }

    // Runs the clock on to `end`, waking at every moment asked for on the way.
    void runUntil(const QDateTime &end)
    {
        while (wake_.isValid() && wake_ <= end) {
            now_ = std::max(now_, wake_);
            wake_ = QDateTime();
            emit woken();
        }
        now_ = end;
    }

    // As a user or NTP would set it.
    void set(const QDateTime &now)
    {
        now_ = now;
        emit woken();
    }

private:
    QDateTime now_;
    QDateTime wake_;
};
