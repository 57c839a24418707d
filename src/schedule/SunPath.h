#pragma once

#include "SunPlace.h"

#include <libnova/ln_types.h>

#include <map>

namespace schedule {

// The sun as seen from one place: its height over the horizon and its hour
// angle at any moment (Julian days, UT). libnova gives the sun's place for
// the equinox of J2000, which puts sun times off by minutes a few decades on;
// the place is brought to the equinox of the date. Computing it costs tens of
// microseconds, so it is computed every half day, kept, and interpolated
// between.
class SunPath {
public:
    explicit SunPath(Place place);

    // Degrees, positive above the horizon; without refraction.
    double altitude(double julianDay) const;
    // Degrees west of the meridian, from -180 to 180.
    double hourAngle(double julianDay) const;

private:
    ln_equ_posn placeAt(double julianDay) const;
    const ln_equ_posn &knot(long long halfDay) const;

    ln_lnlat_posn observer_;
    mutable std::map<long long, ln_equ_posn> knots_;
};

} // namespace schedule
