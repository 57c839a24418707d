#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <bitset>
#include <optional>

namespace schedule {

enum class SunEvent { Sunrise, Sunset, Dawn, Dusk };

// How the show stops when a window closes: at once, or once the scheme has
// been played through to its last row.
enum class EndOfShow { AtOnce, AfterPass };

// A start or an end of a window: a clock time, or a sun event moved by some
// minutes.
struct SwitchTime {
    std::optional<SunEvent> sun;
    QTime clock;
    int offsetMinutes = 0;

    // Morning times (before 12:00, sunrise, dawn) end a window that started
    // in the afternoon or evening on the next day.
    bool isMorning() const;
    // As written in the settings: "23:00", "sunset-15".
    QString text() const;
    // For the status: empty for a clock time, else "sunset −15 min".
    QString sunText() const;

    bool operator==(const SwitchTime &) const = default;
};

// Days of the year as month * 100 + day, both ends included; a first after
// the last wraps over New Year.
struct DateRange {
    int first;
    int last;

    bool contains(QDate day) const;
};

// One line of the schedule: on which days a window opens, when it opens and
// closes, and what it plays.
struct Entry {
    int number = 0;
    std::bitset<7> days;    // bit 0 is Monday
    std::optional<DateRange> dates;
    SwitchTime on;
    SwitchTime off;
    EndOfShow end = EndOfShow::AtOnce;
    QString pattern; // a built-in effect's caption or a user pattern's name; empty for the scheme

    // Whether a window opens on this day: its weekday and its date range.
    bool opensOn(QDate day) const;
    bool closesNextDay() const { return !on.isMorning() && off.isMorning(); }
    bool usesSun() const { return on.sun || off.sun; }
};

QString sunEventName(SunEvent event);

} // namespace schedule
