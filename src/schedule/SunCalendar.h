#pragma once

#include "Entry.h"

#include <QDateTime>
#include <QTimeZone>

#include <map>
#include <optional>

namespace schedule {

// Where the sun is watched from, in degrees; north and east are positive.
struct Place {
    double latitude = 0;
    double longitude = 0;
};

// Sunrise and sunset (the sun's upper edge on the horizon) and dawn and dusk
// (its centre 6° below), from libnova. A date's events are those of the solar
// day whose mean midday falls on that date in the zone: the sunrise and dawn
// before that midday, the sunset and dusk after it, even where dusk comes
// after midnight. Every day looked up is kept, as the same few days are
// asked for again and again.
class SunCalendar {
public:
    explicit SunCalendar(Place place) : place_(place) {}

    // None when the sun does not reach that height that day: polar day or
    // night.
    std::optional<QDateTime> find(SunEvent event, QDate day, const QTimeZone &zone) const;
    // "69.6°N"
    QString latitudeText() const;

private:
    // Julian days of the crossings libnova finds for a day counted in UTC.
    struct Crossings {
        std::optional<double> rise;
        std::optional<double> set;
    };
    const Crossings &crossingsOn(qint64 utcDay, bool twilight) const;

    Place place_;
    mutable std::map<std::pair<qint64, bool>, Crossings> known_;
};

} // namespace schedule
