#pragma once

#include "Schedule.h"
#include "WallClock.h"

#include <QObject>
#include <QSet>

namespace schedule {

// Tells the player, live, whether the show should play. It asks the schedule
// what should be so now, never what has just happened, so a start after a
// power cut, a clock set by hand or by NTP, or a missed wake-up all come out
// right. It sleeps until the next change, an absolute moment, or until the
// next midnight if that comes first.
class ScheduleClock : public QObject {
    Q_OBJECT

public:
    ScheduleClock(Schedule schedule, WallClock &clock, QObject *parent = nullptr);

    // Emits shouldPlayChanged at once, then on each change.
    void start();
    // Looks again now, as after the clock was set or the settings re-read.
    void reevaluate();
    // A schedule read anew, as on SIGHUP; looks again at once.
    void setSchedule(Schedule schedule);

    bool shouldPlay() const { return verdict_.play; }
    // One line for the service's status, such as "on at 16:41 (entry 1,
    // sunset −15 min)".
    QString status() const { return verdict_.status; }
    // While the show should play: what the entry that opened last plays, a
    // pattern's name, or empty for the scheme.
    QString pattern() const { return verdict_.pattern; }
    const Schedule &schedule() const { return schedule_; }

signals:
    // At start, and whenever the answer changes. When the show should stop,
    // `end` says whether at once or after the scheme's last row; it is
    // AtOnce at start and whenever the show should play.
    void shouldPlayChanged(bool play, schedule::EndOfShow end, const QString &status);
    // The status changed while the answer stayed, as when one entry hands
    // over to another.
    void statusChanged(const QString &status);
    // A day an entry does not run, and why; once per entry and day.
    void noted(const QString &line);

private:
    void evaluate();

    Schedule schedule_;
    WallClock &clock_;
    Verdict verdict_;
    bool started_ = false;
    QDate notedDay_;
    QSet<QString> noted_;
};

} // namespace schedule
