#pragma once

#include "Entry.h"
#include "SunPath.h"

#include <QDate>
#include <QString>

#include <array>
#include <unordered_map>
#include <optional>

namespace schedule {

// Sunrise and sunset (the sun's upper edge on the horizon, refraction
// included: its centre 0.8333° below) and dawn and dusk (its centre 6°
// below). A date's events are those of the solar day whose mean midday falls
// on that date in the zone, which runs from the sun's lowest point before
// that midday to its lowest point after: the sunrise and dawn before its
// highest point, the sunset and dusk after it, even where dusk comes after
// midnight. Every day looked up is kept, as the same days are asked for again
// and again, by every entry.
class SunCalendar {
public:
    explicit SunCalendar(Place place) : place_(place), path_(place) {}

    // Seconds since the epoch, to the second; none when the sun does not
    // reach that height that day: polar day or night. `utcOffset` is the
    // zone's offset in seconds around that date's midday.
    std::optional<qint64> find(SunEvent event, QDate day, int utcOffset) const;
    // "69.6°N"
    QString latitudeText() const;

private:
    using DayEvents = std::array<std::optional<qint64>, 4>;

    DayEvents eventsOfDayAround(double meanMidday) const;
    double transitNear(double julianDay, double hourAngle) const;
    std::optional<qint64> crossing(double from, double to, double height) const;

    Place place_;
    SunPath path_;
    mutable std::unordered_map<qint64, DayEvents> known_;
};

} // namespace schedule
