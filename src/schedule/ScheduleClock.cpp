#include "ScheduleClock.h"

#include "LocalTime.h"

namespace schedule {

ScheduleClock::ScheduleClock(Schedule schedule, WallClock &clock, QObject *parent)
    : QObject(parent), schedule_(std::move(schedule)), clock_(clock)
{
    connect(&clock_, &WallClock::woken, this, &ScheduleClock::reevaluate);
}

void ScheduleClock::start()
{
    started_ = true;
    evaluate();
    emit shouldPlayChanged(verdict_.play, EndOfShow::AtOnce, verdict_.status);
}

void ScheduleClock::setSchedule(Schedule schedule)
{
    schedule_ = std::move(schedule);
    noted_.clear();
    reevaluate();
}

void ScheduleClock::reevaluate()
{
    if (!started_)
        return;
    const Verdict before = verdict_;
    evaluate();
    if (verdict_.play != before.play)
        emit shouldPlayChanged(verdict_.play, verdict_.play ? EndOfShow::AtOnce : before.endOfShow, verdict_.status);
    else if (verdict_.status != before.status)
        emit statusChanged(verdict_.status);
}

void ScheduleClock::evaluate()
{
    const QDateTime now = clock_.now();
    verdict_ = schedule_.shouldPlay(now);
    const QDate today = now.toTimeZone(schedule_.zone()).date();
    if (today != notedDay_) {
        notedDay_ = today;
        noted_.clear();
    }
    for (const QString &note : std::as_const(verdict_.notes)) {
        if (!noted_.contains(note)) {
            noted_.insert(note);
            emit noted(note);
        }
    }
    // Waking at midnight too notes the entries that cannot run on the new day.
    const QDateTime midnight = momentOf(today.addDays(1), QTime(0, 0), schedule_.zone());
    clock_.wakeAt(verdict_.nextChange.isValid() ? std::min(verdict_.nextChange, midnight) : midnight);
}

} // namespace schedule
