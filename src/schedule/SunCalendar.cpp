#include "SunCalendar.h"

#include <libnova/solar.h>

#include <cmath>

namespace schedule {

namespace {

constexpr double UnixEpochJulianDay = 2440587.5;
// QDate's day number of 1970-01-01.
constexpr qint64 UnixEpochDay = 2440588;
constexpr double SecondsPerDay = 86400;
// How far the sun's hour angle turns in a day, in degrees.
constexpr double HourAnglePerDay = 360.9856;
// The search stops when the crossing moves by less than a quarter of a second.
constexpr double Precision = 0.25 / SecondsPerDay;
// A bound on the search; it settles in well under ten steps.
constexpr int MostSteps = 64;

qint64 secondsOf(double julianDay)
{
    return std::llround((julianDay - UnixEpochJulianDay) * SecondsPerDay);
}

double heightOf(SunEvent event)
{
    return event == SunEvent::Dawn || event == SunEvent::Dusk ? LN_SOLAR_CIVIL_HORIZON : LN_SOLAR_STANDART_HORIZON;
}

} // namespace

std::optional<qint64> SunCalendar::find(SunEvent event, QDate day, int utcOffset) const
{
    // The mean sun passes the meridian 4 minutes earlier per degree east.
    const qint64 daysSinceEpoch = day.toJulianDay() - UnixEpochDay;
    qint64 midday = daysSinceEpoch * 86400 + 43200 - std::llround(place_.longitude * 240);
    // Far east or west that midday is on another local date; move it onto this one.
    midday -= 86400 * (static_cast<qint64>(std::floor(static_cast<double>(midday + utcOffset) / SecondsPerDay)) - daysSinceEpoch);
    const auto [known, added] = known_.try_emplace(midday);
    if (added)
        known->second = eventsOfDayAround(UnixEpochJulianDay + static_cast<double>(midday) / SecondsPerDay);
    return known->second[static_cast<int>(event)];
}

QString SunCalendar::latitudeText() const
{
    return QStringLiteral("%1\u00b0%2").arg(std::abs(place_.latitude), 0, 'f', 1).arg(place_.latitude < 0 ? 'S' : 'N');
}

// From the sun's lowest point before midday it climbs to its highest and
// sinks to its lowest after, so each height is crossed at most once going up
// and once going down.
SunCalendar::DayEvents SunCalendar::eventsOfDayAround(double meanMidday) const
{
    const double highest = transitNear(meanMidday, 0);
    const double lowestBefore = transitNear(highest - 0.5, 180);
    const double lowestAfter = transitNear(highest + 0.5, 180);
    DayEvents events;
    for (SunEvent event : {SunEvent::Sunrise, SunEvent::Sunset, SunEvent::Dawn, SunEvent::Dusk}) {
        const bool rising = event == SunEvent::Sunrise || event == SunEvent::Dawn;
        events[static_cast<int>(event)] = rising ? crossing(lowestBefore, highest, heightOf(event))
                                                 : crossing(lowestAfter, highest, heightOf(event));
    }
    return events;
}

// When the sun's hour angle is the one given, nearest to a moment.
double SunCalendar::transitNear(double julianDay, double hourAngle) const
{
    for (int step = 0; step < 3; ++step) {
        const double off = std::remainder(path_.hourAngle(julianDay) - hourAngle, 360.0);
        julianDay -= off / HourAnglePerDay;
    }
    return julianDay;
}

// Where the sun passes a height between a low point and a high one, if it
// does; the two may come in either order. Regula falsi, in the Illinois
// form that keeps either end from sticking, needs a handful of looks at the
// sun where halving needs twenty.
std::optional<qint64> SunCalendar::crossing(double low, double high, double height) const
{
    double offAtLow = path_.altitude(low) - height;
    double offAtHigh = path_.altitude(high) - height;
    if (offAtLow >= 0 || offAtHigh < 0)
        return std::nullopt;
    // How many times in a row the guess fell on the low side (below 0) or the high side.
    int run = 0;
    double guess = high;
    double previous = low;
    for (int step = 0; step < MostSteps && std::abs(guess - previous) > Precision; ++step) {
        previous = guess;
        guess = high - offAtHigh * (high - low) / (offAtHigh - offAtLow);
        const double off = path_.altitude(guess) - height;
        if (off < 0) {
            low = guess;
            offAtLow = off;
            run = std::min(run, 0) - 1;
            if (run < -1)
                offAtHigh /= 2;
        } else {
            high = guess;
            offAtHigh = off;
            run = std::max(run, 0) + 1;
            if (run > 1)
                offAtLow /= 2;
        }
    }
    return secondsOf(guess);
}

} // namespace schedule
