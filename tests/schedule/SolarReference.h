#pragma once

// An independent check on the sun times: the public NOAA solar calculator's
// algorithm (after Meeus, Astronomical Algorithms), sun's place to about
// 0.01°, recomputed at each event's own moment until it settles. It shares
// nothing with libnova.

#include <QDate>

#include <cmath>
#include <optional>

namespace solar_reference {

inline double radians(double degrees) { return degrees * M_PI / 180; }
inline double degrees(double radians) { return radians * 180 / M_PI; }

struct SunPlace {
    double declination;  // degrees
    double equationOfTime;  // minutes
};

inline SunPlace sunAt(double julianDay)
{
    const double t = (julianDay - 2451545) / 36525;
    const double meanLongitude = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360);
    const double anomaly = radians(357.52911 + t * (35999.05029 - 0.0001537 * t));
    const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double centre = std::sin(anomaly) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                          std::sin(2 * anomaly) * (0.019993 - 0.000101 * t) + std::sin(3 * anomaly) * 0.000289;
    const double omega = radians(125.04 - 1934.136 * t);
    const double apparentLongitude = radians(meanLongitude + centre - 0.00569 - 0.00478 * std::sin(omega));
    const double meanObliquity = 23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60;
    const double obliquity = radians(meanObliquity + 0.00256 * std::cos(omega));
    const double y = std::pow(std::tan(obliquity / 2), 2);
    const double l0 = radians(meanLongitude);
    const double equation = y * std::sin(2 * l0) - 2 * eccentricity * std::sin(anomaly) +
                            4 * eccentricity * y * std::sin(anomaly) * std::cos(2 * l0) -
                            0.5 * y * y * std::sin(4 * l0) - 1.25 * eccentricity * eccentricity * std::sin(2 * anomaly);
    return {degrees(std::asin(std::sin(obliquity) * std::sin(apparentLongitude))), 4 * degrees(equation)};
}

// Minutes after 00:00 UTC of `day` (may be below 0 or above 1440) when the
// sun's centre is at `height` degrees, rising or setting; none when it stays
// above or below.
inline std::optional<double> eventMinutes(QDate day, double latitude, double longitude, double height, bool rising)
{
    const double midnight = static_cast<double>(day.toJulianDay()) - 0.5;
    double minutes = 720 - 4 * longitude;
    for (int round = 0; round < 5; ++round) {
        const SunPlace sun = sunAt(midnight + minutes / 1440);
        const double phi = radians(latitude);
        const double delta = radians(sun.declination);
        const double cosine = (std::sin(radians(height)) - std::sin(phi) * std::sin(delta)) / (std::cos(phi) * std::cos(delta));
        if (std::abs(cosine) > 1)
            return std::nullopt;
        const double hourAngle = degrees(std::acos(cosine));
        minutes = 720 - 4 * (longitude + (rising ? hourAngle : -hourAngle)) - sun.equationOfTime;
    }
    return minutes;
}

} // namespace solar_reference
