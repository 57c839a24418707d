#include "SwitchMoments.h"

#include "LocalTime.h"

#include <cmath>

namespace schedule {

namespace {

constexpr qint64 SecondsPerDay = 86400;

// QDate's day number of 1970-01-01.
constexpr qint64 UnixEpochDay = 2440588;

qint64 secondsAtUtcMidnight(QDate day)
{
    return (day.toJulianDay() - UnixEpochDay) * SecondsPerDay;
}

qint64 toNearestMinute(qint64 seconds)
{
    return static_cast<qint64>(std::floor(static_cast<double>(seconds + 30) / 60)) * 60;
}

} // namespace

SwitchMoments::SwitchMoments(std::optional<Place> place, QTimeZone zone) : zone_(std::move(zone))
{
    if (place)
        sun_ = std::make_unique<const SunCalendar>(*place);
}

std::optional<qint64> SwitchMoments::momentOf(const SwitchTime &time, QDate day) const
{
    LocalDay &local = localDay(day);
    if (!time.sun) {
        const qint64 asUtc = secondsAtUtcMidnight(day) + time.clock.msecsSinceStartOfDay() / 1000;
        if (local.steadyOffset)
            return asUtc - *local.steadyOffset;
        return schedule::momentOf(day, time.clock, zone_).toSecsSinceEpoch();
    }
    if (!sun_)
        return std::nullopt;
    std::optional<std::optional<qint64>> &event = local.sun[static_cast<int>(*time.sun)];
    if (!event) {
        const std::optional<qint64> found = sun_->find(*time.sun, day, local.middayOffset);
        event.emplace(found ? std::optional(toNearestMinute(*found)) : std::optional<qint64>());
    }
    if (!*event)
        return std::nullopt;
    return **event + time.offsetMinutes * 60;
}

QString SwitchMoments::latitudeText() const
{
    return sun_ ? sun_->latitudeText() : QString();
}

SwitchMoments::LocalDay &SwitchMoments::localDay(QDate day) const
{
    const auto [known, added] = days_.try_emplace(day.toJulianDay());
    if (added) {
        const QDateTime midnight(day, QTime(0, 0), QTimeZone::utc());
        const QDateTime from = midnight.addDays(-1);
        const QDateTime to = midnight.addDays(2);
        const int offset = zone_.offsetFromUtc(from);
        const QTimeZone::OffsetData change = zone_.nextTransition(from);
        if (!change.atUtc.isValid() || change.atUtc > to)
            known->second.steadyOffset = offset;
        known->second.middayOffset = zone_.offsetFromUtc(midnight.addSecs(SecondsPerDay / 2));
    }
    return known->second;
}

} // namespace schedule
