#include "FailureLimiter.h"

#include <algorithm>

bool FailureLimiter::isBlocked(const QHostAddress &address) const
{
    const auto record = records_.constFind(address);
    const Record &counted = record != records_.cend() ? *record : untracked_;
    return now_() < counted.blockedUntil;
}

void FailureLimiter::recordFailure(const QHostAddress &address)
{
    const Clock::time_point now = now_();
    forgetStale(now);
    // Past this many addresses at once, the others share one record, so that
    // a flood from many addresses costs neither memory nor time and still
    // meets the limit.
    if (records_.size() >= MaxAddresses && !records_.contains(address))
        count(untracked_, now);
    else
        count(records_[address], now);
}

void FailureLimiter::count(Record &record, Clock::time_point now)
{
    record.failures.push_back(now);
    if (static_cast<int>(record.failures.size()) >= MaxFailures) {
        record.blockedUntil = now + Window;
        record.failures.clear();
    }
}

// Keeps the table as small as the number of addresses that failed lately.
void FailureLimiter::forgetStale(Clock::time_point now)
{
    const auto stale = [now](Clock::time_point failure) { return now - failure >= Window; };
    std::erase_if(untracked_.failures, stale);
    for (auto record = records_.begin(); record != records_.end();) {
        std::erase_if(record->failures, stale);
        if (record->failures.empty() && now >= record->blockedUntil)
            record = records_.erase(record);
        else
            ++record;
    }
}
