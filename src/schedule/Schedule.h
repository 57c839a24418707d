#pragma once

#include "Entry.h"
#include "SwitchMoments.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QTimeZone>

#include <memory>

namespace schedule {

// A time during which one entry keeps the show on. Times are in UTC.
struct Window {
    int entry = 0;
    QDateTime start;
    QDateTime end;
    EndOfShow endOfShow = EndOfShow::AtOnce;
    SwitchTime on;
    SwitchTime off;
    QString pattern; // what the entry plays; empty for the scheme
};

// Whether the show should play at a moment, and until when.
struct Verdict {
    bool play = true;
    // The entry that keeps the show on until the next change, or that starts
    // it then; 0 for none.
    int entry = 0;
    // How the show ends at the next change, when it plays.
    EndOfShow endOfShow = EndOfShow::AtOnce;
    // When it plays: what the entry whose window opened last plays, a
    // pattern's name, or empty for the scheme.
    QString pattern;
    // In UTC; invalid when no window starts in the year ahead, or when the
    // show plays on for more than two weeks.
    QDateTime nextChange;
    // One line for the service's status, such as "off at 23:00 (entry 2)".
    QString status;
    // One line for each entry that would start on the moment's date but
    // cannot, such as "entry 2 does not run on 2026-12-21: there is no sunset
    // on 2026-12-21 at 69.6°N".
    QStringList notes;
};

// The entries of [Schedule], read in one time zone. The show plays while any
// entry's window is open.
class Schedule {
    Q_DECLARE_TR_FUNCTIONS(Schedule)

public:
    // No schedule: the show plays all the time.
    Schedule() = default;
    // Entries that use the sun are refused without a place, and when they
    // would open on no day of the year there; `problems` are those found
    // while reading, kept for the log.
    Schedule(QList<Entry> entries, std::optional<Place> place, QTimeZone zone, QStringList problems = {});

    bool inUse() const { return inUse_; }
    // Entries refused or that never run, one line each.
    const QStringList &problems() const { return problems_; }
    const QList<Entry> &entries() const { return entries_; }
    const QTimeZone &zone() const { return zone_; }

    Verdict shouldPlay(const QDateTime &at) const;
    // The windows that start on a local date, in entry order. Each entry that
    // would start one but cannot adds a line to `notes`.
    QList<Window> windowsStartingOn(QDate day, QStringList *notes = nullptr) const;

private:
    bool opensInSomeYear(const Entry &entry) const;
    std::optional<Window> windowOf(const Entry &entry, QDate day, QStringList *notes) const;
    QString localText(const QDateTime &moment, const QDateTime &at) const;

    bool inUse_ = false;
    QList<Entry> entries_;
    QTimeZone zone_ = QTimeZone::systemTimeZone();
    std::shared_ptr<const SwitchMoments> moments_;
    QStringList problems_;
};

} // namespace schedule
