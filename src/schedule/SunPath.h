#pragma once

#include "SunPlace.h"

#include <libnova/ln_types.h>

#include <unordered_map>

namespace schedule {

// The sun as seen from one place: its height over the horizon and its hour
// angle at any moment (Julian days, UT). libnova gives the sun's place for
// the equinox of J2000, which puts sun times off by minutes a few decades on;
// the place is brought to the equinox of the date. Computing it, and the
// nutation in sidereal time, costs tens of microseconds, so both are
// computed every few days, kept, and interpolated between: the sun's path
// bends so slowly that this is off by less than a second of time.
class SunPath {
public:
    explicit SunPath(Place place);

    // Degrees, positive above the horizon; without refraction.
    double altitude(double julianDay) const;
    // Degrees west of the meridian, from -180 to 180.
    double hourAngle(double julianDay) const;

private:
    struct Knot {
        ln_equ_posn place;
        // Apparent less mean sidereal time, in hours.
        double equationOfEquinoxes;
    };

    // Interpolated between the knots either side.
    Knot at(double julianDay) const;
    const Knot &knot(long long index) const;

    ln_lnlat_posn observer_;
    mutable std::unordered_map<long long, Knot> knots_;
};

} // namespace schedule
