#include "SunCalendar.h"

#include <libnova/julian_day.h>
#include <libnova/solar.h>

#include <cmath>

namespace schedule {

namespace {

double julianDayOf(const QDateTime &moment)
{
    time_t seconds = static_cast<time_t>(moment.toSecsSinceEpoch());
    return ln_get_julian_from_timet(&seconds);
}

QDateTime momentOf(double julianDay)
{
    time_t seconds = 0;
    ln_get_timet_from_julian(julianDay, &seconds);
    return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
}

// Julian days begin at noon; UTC days at the .5 before.
qint64 utcDayOf(double julianDay)
{
    return static_cast<qint64>(std::floor(julianDay - 0.5));
}

} // namespace

std::optional<QDateTime> SunCalendar::find(SunEvent event, QDate day, const QTimeZone &zone) const
{
    const bool rising = event == SunEvent::Sunrise || event == SunEvent::Dawn;
    const bool twilight = event == SunEvent::Dawn || event == SunEvent::Dusk;
    // The mean sun passes the meridian 4 minutes earlier per degree east.
    QDateTime midday = QDateTime(day, QTime(12, 0), QTimeZone::utc()).addSecs(std::llround(-place_.longitude * 240));
    midday = midday.addDays(midday.toTimeZone(zone).date().daysTo(day));
    const double from = julianDayOf(midday) - 0.5;
    const double to = from + 1;
    std::optional<double> found;
    for (qint64 utcDay = utcDayOf(from); utcDay <= utcDayOf(to); ++utcDay) {
        const Crossings &crossings = crossingsOn(utcDay, twilight);
        const std::optional<double> crossing = rising ? crossings.rise : crossings.set;
        if (!crossing || *crossing < from || *crossing >= to)
            continue;
        // Where two fall into one solar day (one crossing found from both
        // UTC days, or a dusk just after the midnight before), the first rise
        // and the last set are its own.
        if (!found || (rising ? *crossing < *found : *crossing > *found))
            found = crossing;
    }
    if (!found)
        return std::nullopt;
    return momentOf(*found);
}

QString SunCalendar::latitudeText() const
{
    return QStringLiteral("%1\u00b0%2").arg(std::abs(place_.latitude), 0, 'f', 1).arg(place_.latitude < 0 ? 'S' : 'N');
}

const SunCalendar::Crossings &SunCalendar::crossingsOn(qint64 utcDay, bool twilight) const
{
    const auto [known, added] = known_.try_emplace({utcDay, twilight});
    if (added) {
        ln_lnlat_posn observer{place_.longitude, place_.latitude};
        ln_rst_time times{};
        const double horizon = twilight ? LN_SOLAR_CIVIL_HORIZON : LN_SOLAR_STANDART_HORIZON;
        // Anything but 0 means the sun stays above or below all day.
        if (ln_get_solar_rst_horizon(static_cast<double>(utcDay) + 0.5, &observer, horizon, &times) == 0)
            known->second = {times.rise, times.set};
    }
    return known->second;
}

} // namespace schedule
