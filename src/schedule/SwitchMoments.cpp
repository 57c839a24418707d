#include "SwitchMoments.h"

#include "LocalTime.h"

#include <cmath>

namespace schedule {

namespace {

constexpr qint64 SecondsPerDay = 86400;

qint64 secondsAtUtcMidnight(QDate day)
{
    return QDate(1970, 1, 1).daysTo(day) * SecondsPerDay;
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
    const LocalDay &local = localDay(day);
    if (!time.sun) {
        const qint64 asUtc = secondsAtUtcMidnight(day) + time.clock.msecsSinceStartOfDay() / 1000;
        if (local.steadyOffset)
            return asUtc - *local.steadyOffset;
        return schedule::momentOf(day, time.clock, zone_).toSecsSinceEpoch();
    }
    if (!sun_)
        return std::nullopt;
    const std::optional<qint64> event = sun_->find(*time.sun, day, local.middayOffset);
    if (!event)
        return std::nullopt;
    return toNearestMinute(*event) + time.offsetMinutes * 60;
}

QString SwitchMoments::latitudeText() const
{
    return sun_ ? sun_->latitudeText() : QString();
}

const SwitchMoments::LocalDay &SwitchMoments::localDay(QDate day) const
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
