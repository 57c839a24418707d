#pragma once

#include "Entry.h"
#include "SunCalendar.h"

#include <QTimeZone>

#include <array>
#include <memory>
#include <optional>
#include <unordered_map>

namespace schedule {

// The moments, in seconds since the epoch, at which switch times fall on a
// local date. Deciding asks for the same dates for every entry, so what each
// date needs from the zone and the sun is worked out once and kept. Sun
// times are rounded to the nearest minute, so that the show switches at the
// minute that is listed.
class SwitchMoments {
public:
    SwitchMoments(std::optional<Place> place, QTimeZone zone);

    // None for a sun event that does not happen that day, or without a place.
    std::optional<qint64> momentOf(const SwitchTime &time, QDate day) const;
    bool knowsTheSun() const { return sun_ != nullptr; }
    // "69.6°N"
    QString latitudeText() const;

private:
    struct LocalDay {
        // The zone's offset, when it keeps one from a day before to a day after.
        std::optional<int> steadyOffset;
        int middayOffset = 0;
        // Each sun event once looked up, rounded: none when it does not happen.
        std::array<std::optional<std::optional<qint64>>, 4> sun;
    };
    LocalDay &localDay(QDate day) const;

    QTimeZone zone_;
    std::unique_ptr<const SunCalendar> sun_;
    mutable std::unordered_map<qint64, LocalDay> days_;
};

} // namespace schedule
