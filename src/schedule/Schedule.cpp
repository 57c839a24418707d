#include "Schedule.h"

#include <QLocale>

#include <algorithm>

namespace schedule {

namespace {

// Every entry that can start at all does so within a year.
constexpr int DaysAhead = 400;
// A show carried on by window after window for longer is said to have no end
// in sight; the clock looks again every midnight anyway.
constexpr int DaysCarried = 14;

// The sun's part in a window's start or end, for the status: ", sunset −15 min".
QString sunPart(const SwitchTime &time)
{
    return time.sun ? QStringLiteral(", ") + time.sunText() : QString();
}

QDateTime utcMoment(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
}

// The windows of the days from two days before a moment's date (one that
// started the evening before may still be open) up to the last day asked for,
// in order of their start, with the notes of the moment's date.
class WindowsAhead {
public:
    WindowsAhead(const Schedule &schedule, QDate today, QStringList *notes)
        : schedule_(schedule), today_(today), lastDay_(today.addDays(DaysAhead)), next_(today.addDays(-2)), notes_(notes)
    {
    }

    QDate lastDay() const { return lastDay_; }
    bool hasAll() const { return next_ > lastDay_; }
    const QList<Window> &windows() const { return windows_; }

    // Each further look at least doubles the days known, so that windows are
    // sorted a few times only, however far the search goes.
    void gatherThrough(QDate day)
    {
        if (next_ <= day)
            gatherUntil(std::max(day, next_.addDays(today_.addDays(-2).daysTo(next_))));
    }
    void gatherMore() { gatherThrough(next_); }

private:
    void gatherUntil(QDate day)
    {
        if (hasAll())
            return;
        for (; next_ <= day && next_ <= lastDay_; next_ = next_.addDays(1))
            windows_ << schedule_.windowsStartingOn(next_, next_ == today_ ? notes_ : nullptr);
        std::stable_sort(windows_.begin(), windows_.end(), [](const Window &a, const Window &b) { return a.start < b.start; });
    }
    const Schedule &schedule_;
    const QDate today_;
    const QDate lastDay_;
    QDate next_;
    QStringList *notes_;
    QList<Window> windows_;
};

} // namespace

Schedule::Schedule(QList<Entry> entries, std::optional<Place> place, QTimeZone zone, QStringList problems)
    : inUse_(true), zone_(std::move(zone)), moments_(std::make_shared<const SwitchMoments>(place, zone_)),
      problems_(std::move(problems))
{
    for (const Entry &entry : entries) {
        if (entry.usesSun() && !moments_->knowsTheSun()) {
            const SwitchTime &sunTime = entry.on.sun ? entry.on : entry.off;
            problems_ << tr("[Schedule] Entry%1 is ignored: %2 needs the place in [Schedule], "
                            "such as Latitude=52.52 and Longitude=13.40 (degrees north and east).")
                             .arg(entry.number)
                             .arg(sunEventName(*sunTime.sun));
            continue;
        }
        if (entry.usesSun() && !opensInSomeYear(entry)) {
            problems_ << tr("[Schedule] Entry%1 is ignored: at %2 it never runs, as on=%3 does not come "
                            "before off=%4 on any day of the year.")
                             .arg(QString::number(entry.number), moments_->latitudeText(), entry.on.text(), entry.off.text());
            continue;
        }
        if (entry.days.none())
            problems_ << tr("[Schedule] Entry%1 names no days, so it never runs.").arg(entry.number);
        entries_ << entry;
    }
}

// Sun times come back to within a minute year after year, and every weekday
// comes onto every date in some year; so a window that opens on no date of a
// leap year, whatever the weekday, never opens. The solstices and equinoxes
// come first: a window between sun times that opens at all mostly opens on
// one of them.
bool Schedule::opensInSomeYear(const Entry &entry) const
{
    const auto opensOnDate = [&](QDate day) {
        if (entry.dates && !entry.dates->contains(day))
            return false;
        const std::optional<qint64> start = moments_->momentOf(entry.on, day);
        const std::optional<qint64> end = moments_->momentOf(entry.off, entry.closesNextDay() ? day.addDays(1) : day);
        return start && end && *start < *end;
    };
    for (QDate day : {QDate(2028, 6, 21), QDate(2028, 12, 21), QDate(2028, 3, 20), QDate(2028, 9, 22)}) {
        if (opensOnDate(day))
            return true;
    }
    for (QDate day(2028, 1, 1); day.year() == 2028; day = day.addDays(1)) {
        if (opensOnDate(day))
            return true;
    }
    return false;
}

std::optional<Window> Schedule::windowOf(const Entry &entry, QDate day, QStringList *notes) const
{
    if (!entry.opensOn(day))
        return std::nullopt;
    const QDate endDay = entry.closesNextDay() ? day.addDays(1) : day;
    const std::optional<qint64> start = moments_->momentOf(entry.on, day);
    const std::optional<qint64> end = moments_->momentOf(entry.off, endDay);
    if (start && end && *start < *end)
        return Window{entry.number, utcMoment(*start), utcMoment(*end), entry.end, entry.on, entry.off, entry.pattern};
    if (notes) {
        QString why;
        if (!start || !end) {
            why = tr("there is no %1 on %2 at %3")
                      .arg(sunEventName(start ? *entry.off.sun : *entry.on.sun), (start ? endDay : day).toString(Qt::ISODate),
                           moments_->latitudeText());
        } else {
            why = tr("it would start at %1, after its end at %2")
                      .arg(utcMoment(*start).toTimeZone(zone_).toString(QStringLiteral("HH:mm")),
                           utcMoment(*end).toTimeZone(zone_).toString(QStringLiteral("HH:mm")));
        }
        *notes << tr("entry %1 does not run on %2: %3").arg(entry.number).arg(day.toString(Qt::ISODate), why);
    }
    return std::nullopt;
}

QList<Window> Schedule::windowsStartingOn(QDate day, QStringList *notes) const
{
    QList<Window> windows;
    for (const Entry &entry : entries_) {
        if (std::optional<Window> window = windowOf(entry, day, notes))
            windows << *window;
    }
    return windows;
}

// The time alone on the same local date as `at`, else with the date.
QString Schedule::localText(const QDateTime &moment, const QDateTime &at) const
{
    const QDateTime local = moment.toTimeZone(zone_);
    if (local.date() == at.toTimeZone(zone_).date())
        return local.toString(QStringLiteral("HH:mm"));
    return QLocale::c().toString(local, QStringLiteral("ddd yyyy-MM-dd HH:mm"));
}

Verdict Schedule::shouldPlay(const QDateTime &at) const
{
    Verdict verdict;
    if (!inUse_) {
        verdict.status = tr("on all the time: no schedule");
        return verdict;
    }
    const QDate today = at.toTimeZone(zone_).date();
    WindowsAhead ahead(*this, today, &verdict.notes);
    ahead.gatherThrough(today.addDays(1));

    std::optional<Window> current;
    for (const Window &window : ahead.windows()) {
        if (window.start <= at && at < window.end) {
            // Sorted by their start: the last open one is the newest.
            verdict.pattern = window.pattern;
            if (!current || window.end > current->end)
                current = window;
        }
    }
    if (current) {
        // A window that opens before this one closes carries the show on;
        // taken in order of their start, one pass follows a whole chain.
        for (;;) {
            const QDate dayAfterEnd = current->end.toTimeZone(zone_).date().addDays(1);
            if (dayAfterEnd > today.addDays(DaysCarried)) {
                verdict.entry = current->entry;
                verdict.status = tr("on, with no end in the next %1 days (entry %2)").arg(DaysCarried).arg(current->entry);
                return verdict;
            }
            ahead.gatherThrough(dayAfterEnd);
            const QDateTime endBefore = current->end;
            for (const Window &window : ahead.windows()) {
                if (window.start > current->end)
                    break;
                if (window.end > current->end)
                    current = window;
            }
            if (current->end == endBefore)
                break;
        }
        verdict.entry = current->entry;
        verdict.endOfShow = current->endOfShow;
        verdict.nextChange = current->end;
        verdict.status = tr("off at %1 (entry %2%3%4)")
                             .arg(localText(current->end, at))
                             .arg(current->entry)
                             .arg(sunPart(current->off),
                                  current->endOfShow == EndOfShow::AfterPass ? tr(", at the end of the pass") : QString());
        return verdict;
    }

    verdict.play = false;
    std::optional<Window> first;
    for (;;) {
        const auto later = std::find_if(ahead.windows().cbegin(), ahead.windows().cend(), [&](const Window &window) { return window.start > at; });
        if (later != ahead.windows().cend()) {
            first = *later;
            // A window of the next date may still start earlier, by a sun offset.
            const QDate enough = first->start.toTimeZone(zone_).date().addDays(2);
            ahead.gatherThrough(enough);
            first = *std::find_if(ahead.windows().cbegin(), ahead.windows().cend(), [&](const Window &window) { return window.start > at; });
            break;
        }
        if (ahead.hasAll())
            break;
        ahead.gatherMore();
    }
    if (!first) {
        verdict.status = entries_.isEmpty() ? tr("off: [Schedule] has no entry that can be used")
                                            : tr("off: no entry starts in the year ahead");
        return verdict;
    }
    verdict.entry = first->entry;
    verdict.nextChange = first->start;
    verdict.status = tr("on at %1 (entry %2%3)").arg(localText(first->start, at)).arg(first->entry).arg(sunPart(first->on));
    return verdict;
}

} // namespace schedule
