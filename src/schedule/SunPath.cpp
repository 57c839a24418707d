#include "SunPath.h"

#include <libnova/precession.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>
#include <libnova/transform.h>

#include <cmath>

namespace schedule {

namespace {

// An angle brought into [-180, 180).
double aroundZero(double degrees)
{
    return degrees - 360 * std::floor((degrees + 180) / 360);
}

// Through three values half a day apart, at a fraction from -0.5 to 0.5 of
// that half day from the middle one.
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
    ln_equ_posn place = placeAt(julianDay);
    ln_lnlat_posn observer = observer_;
    ln_hrz_posn horizontal{};
    ln_get_hrz_from_equ(&place, &observer, julianDay, &horizontal);
    return horizontal.alt;
}

double SunPath::hourAngle(double julianDay) const
{
    const double sidereal = ln_get_apparent_sidereal_time(julianDay) * 15;
    return aroundZero(sidereal + observer_.lng - placeAt(julianDay).ra);
}

ln_equ_posn SunPath::placeAt(double julianDay) const
{
    const long long middle = std::llround(julianDay * 2);
    const double fraction = julianDay * 2 - static_cast<double>(middle);
    const ln_equ_posn &before = knot(middle - 1);
    const ln_equ_posn &now = knot(middle);
    const ln_equ_posn &after = knot(middle + 1);
    // Right ascension jumps from 360 to 0 once a year.
    const double ra = interpolate(now.ra + aroundZero(before.ra - now.ra), now.ra, now.ra + aroundZero(after.ra - now.ra), fraction);
    return {ra - 360 * std::floor(ra / 360), interpolate(before.dec, now.dec, after.dec, fraction)};
}

const ln_equ_posn &SunPath::knot(long long halfDay) const
{
    const auto [known, added] = knots_.try_emplace(halfDay);
    if (added) {
        const double julianDay = static_cast<double>(halfDay) / 2;
        ln_equ_posn ofJ2000{};
        ln_get_solar_equ_coords(julianDay, &ofJ2000);
        ln_get_equ_prec(&ofJ2000, julianDay, &known->second);
    }
    return known->second;
}

} // namespace schedule
