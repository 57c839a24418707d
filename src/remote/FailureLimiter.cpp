#include "FailureLimiter.h"

#include <algorithm>

bool FailureLimiter::isBlocked(const QHostAddress &address) const
{
    const auto record = records_.constFind(address);
    return record != records_.cend() && now_() < record->blockedUntil;
}

void FailureLimiter::recordFailure(const QHostAddress &address)
{
    const Clock::time_point now = now_();
    forgetStale(now);
    Record &record = records_[address];
    record.failures.push_back(now);
    if (static_cast<int>(record.failures.size()) >= MaxFailures) {
        record.blockedUntil = now + Window;
        record.failures.clear();
    }
}

// Keeps the table as small as the number of addresses that failed lately.
void FailureLimiter::forgetStale(Clock::time_point now)
{
    for (auto record = records_.begin(); record != records_.end();) {
        std::erase_if(record->failures, [now](Clock::time_point failure) { return now - failure >= Window; });
        if (record->failures.empty() && now >= record->blockedUntil)
            record = records_.erase(record);
        else
            ++record;
    }
}
