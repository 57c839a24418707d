#include "SunPath.h"

#include <libnova/precession.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>
#include <libnova/transform.h>

#include <cmath>

namespace schedule {

namespace {

constexpr double DaysBetweenKnots = 4;

// An angle brought into [-180, 180).
double aroundZero(double degrees)
{
    return degrees - 360 * std::floor((degrees + 180) / 360);
}

// Through three values a step apart, at a fraction from -0.5 to 0.5 of that
// step from the middle one.
double interpolate(double before, double middle, double after, double fraction)
{
    const double rise = middle - before;
    const double nextRise = after - middle;
    return middle + fraction / 2 * (rise + nextRise + fraction * (nextRise - rise));
}

} // namespace

SunPath::SunPath(Place place) : observer_{place.longitude, place.latitude} {}

double SunPath::altitude(double julianDay) const
{
    Knot sun = at(julianDay);
    ln_lnlat_posn observer = observer_;
    ln_hrz_posn horizontal{};
    const double sidereal = ln_get_mean_sidereal_time(julianDay) + sun.equationOfEquinoxes;
    ln_get_hrz_from_equ_sidereal_time(&sun.place, &observer, sidereal, &horizontal);
    return horizontal.alt;
}

double SunPath::hourAngle(double julianDay) const
{
    const Knot sun = at(julianDay);
    const double sidereal = (ln_get_mean_sidereal_time(julianDay) + sun.equationOfEquinoxes) * 15;
    return aroundZero(sidereal + observer_.lng - sun.place.ra);
}

SunPath::Knot SunPath::at(double julianDay) const
{
    const long long middle = std::llround(julianDay / DaysBetweenKnots);
    const double fraction = julianDay / DaysBetweenKnots - static_cast<double>(middle);
    const Knot &before = knot(middle - 1);
    const Knot &now = knot(middle);
    const Knot &after = knot(middle + 1);
    // Right ascension jumps from 360 to 0 once a year.
    const double ra = interpolate(now.place.ra + aroundZero(before.place.ra - now.place.ra), now.place.ra,
                                  now.place.ra + aroundZero(after.place.ra - now.place.ra), fraction);
    return {{ra - 360 * std::floor(ra / 360), interpolate(before.place.dec, now.place.dec, after.place.dec, fraction)},
            interpolate(before.equationOfEquinoxes, now.equationOfEquinoxes, after.equationOfEquinoxes, fraction)};
}

const SunPath::Knot &SunPath::knot(long long index) const
{
    const auto [known, added] = knots_.try_emplace(index);
    if (added) {
        const double julianDay = static_cast<double>(index) * DaysBetweenKnots;
        ln_equ_posn ofJ2000{};
        ln_get_solar_equ_coords(julianDay, &ofJ2000);
        ln_get_equ_prec(&ofJ2000, julianDay, &known->second.place);
        // In hours; both are taken from 0 to 24, so the difference may wrap.
        known->second.equationOfEquinoxes =
            std::remainder(ln_get_apparent_sidereal_time(julianDay) - ln_get_mean_sidereal_time(julianDay), 24.0);
    }
    return known->second;
}

} // namespace schedule
