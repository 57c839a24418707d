#pragma once

#include <QHash>
#include <QHostAddress>

#include <chrono>
#include <functional>
#include <vector>

// Stops guessing: after five wrong keys within a minute, an address is
// turned away for a minute, right key or not. The clock is given so that
// tests need not wait.
class FailureLimiter {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int MaxFailures = 5;
    static constexpr Clock::duration Window = std::chrono::minutes(1);
    static constexpr qsizetype MaxAddresses = 4096;

    explicit FailureLimiter(std::function<Clock::time_point()> now = Clock::now) : now_(std::move(now)) {}

    bool isBlocked(const QHostAddress &address) const;
    void recordFailure(const QHostAddress &address);

private:
    struct Record {
        std::vector<Clock::time_point> failures; // within the last minute
        Clock::time_point blockedUntil{};
    };
    void count(Record &record, Clock::time_point now);
    void forgetStale(Clock::time_point now);

    std::function<Clock::time_point()> now_;
    QHash<QHostAddress, Record> records_;
    // The addresses that found the table full, counted as one.
    Record untracked_;
};
