#include "Schedule.h"

#include "LocalTime.h"

#include <QLocale>

namespace schedule {

namespace {

// Every entry that can start at all does so within a year.
constexpr int DaysAhead = 400;

// The sun's part in a window's start or end, for the status: ", sunset −15 min".
QString sunPart(const SwitchTime &time)
{
    return time.sun ? QStringLiteral(", ") + time.sunText() : QString();
}

} // namespace

Schedule::Schedule(QList<Entry> entries, std::optional<Place> place, QTimeZone zone, QStringList problems)
    : inUse_(true), zone_(std::move(zone)), problems_(std::move(problems))
{
    if (place)
        sun_ = std::make_shared<const SunCalendar>(*place);
    for (const Entry &entry : entries) {
        if (entry.usesSun() && !sun_) {
            const SwitchTime &sunTime = entry.on.sun ? entry.on : entry.off;
            problems_ << QStringLiteral("[Schedule] Entry%1 is ignored: %2 needs the place in [Schedule], "
                                        "such as Latitude=52.52 and Longitude=13.40 (degrees north and east).")
                             .arg(entry.number).arg(sunEventName(*sunTime.sun));
            continue;
        }
        if (entry.days.none())
            problems_ << QStringLiteral("[Schedule] Entry%1 names no days, so it never runs.").arg(entry.number);
        entries_ << entry;
    }
}

std::optional<QDateTime> Schedule::momentOf(const SwitchTime &time, QDate day) const
{
    if (!time.sun)
        return schedule::momentOf(day, time.clock, zone_);
    const std::optional<QDateTime> event = sun_->find(*time.sun, day, zone_);
    if (!event)
        return std::nullopt;
    return event->addSecs(time.offsetMinutes * 60);
}

std::optional<Window> Schedule::windowOf(const Entry &entry, QDate day, QStringList *notes) const
{
    if (!entry.opensOn(day))
        return std::nullopt;
    const QDate endDay = entry.closesNextDay() ? day.addDays(1) : day;
    const std::optional<QDateTime> start = momentOf(entry.on, day);
    const std::optional<QDateTime> end = momentOf(entry.off, endDay);
    if (start && end && *start < *end)
        return Window{entry.number, *start, *end, entry.end, entry.on, entry.off};
    if (notes) {
        QString why;
        if (!start || !end) {
            why = QStringLiteral("there is no %1 on %2 at %3")
                      .arg(sunEventName(start ? *entry.off.sun : *entry.on.sun),
                           (start ? endDay : day).toString(Qt::ISODate), sun_->latitudeText());
        } else {
            why = QStringLiteral("it would start at %1, after its end at %2")
                      .arg(start->toTimeZone(zone_).toString(QStringLiteral("HH:mm")),
                           end->toTimeZone(zone_).toString(QStringLiteral("HH:mm")));
        }
        *notes << QStringLiteral("entry %1 does not run on %2: %3").arg(entry.number).arg(day.toString(Qt::ISODate), why);
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

// Windows are gathered date by date from two days back, as far as needed:
// one that started the evening before may still be open.
Verdict Schedule::shouldPlay(const QDateTime &at) const
{
    Verdict verdict;
    if (!inUse_) {
        verdict.status = QStringLiteral("on all the time: no schedule");
        return verdict;
    }
    const QDate today = at.toTimeZone(zone_).date();
    const QDate lastDay = today.addDays(DaysAhead);
    QList<Window> windows;
    QDate next = today.addDays(-2);
    const auto gatherUntil = [&](QDate day) {
        for (; next <= day && next <= lastDay; next = next.addDays(1))
            windows << windowsStartingOn(next, next == today ? &verdict.notes : nullptr);
    };
    gatherUntil(today.addDays(1));

    std::optional<Window> current;
    for (const Window &window : windows) {
        if (window.start <= at && at < window.end && (!current || window.end > current->end))
            current = window;
    }
    if (current) {
        // A window that opens before this one closes carries the show on.
        for (bool carried = true; carried;) {
            const QDate dayAfterEnd = current->end.toTimeZone(zone_).date().addDays(1);
            if (dayAfterEnd > lastDay) {
                verdict.entry = current->entry;
                verdict.status = QStringLiteral("on, with no end in the year ahead (entry %1)").arg(current->entry);
                return verdict;
            }
            gatherUntil(dayAfterEnd);
            carried = false;
            for (const Window &window : windows) {
                if (window.start <= current->end && window.end > current->end) {
                    current = window;
                    carried = true;
                }
            }
        }
        verdict.entry = current->entry;
        verdict.endOfShow = current->endOfShow;
        verdict.nextChange = current->end;
        verdict.status = QStringLiteral("off at %1 (entry %2%3%4)")
                             .arg(localText(current->end, at))
                             .arg(current->entry)
                             .arg(sunPart(current->off),
                                  current->endOfShow == EndOfShow::AfterPass ? QStringLiteral(", at the end of the pass") : QString());
        return verdict;
    }

    verdict.play = false;
    std::optional<Window> first;
    for (;;) {
        for (const Window &window : windows) {
            if (window.start > at && (!first || window.start < first->start))
                first = window;
        }
        // A window of the next date may still start earlier, by a sun offset.
        const QDate enough = first ? first->start.toTimeZone(zone_).date().addDays(2) : lastDay;
        if (next > std::min(enough, lastDay))
            break;
        gatherUntil(next);
    }
    if (!first) {
        verdict.status = entries_.isEmpty() ? QStringLiteral("off: [Schedule] has no entry that can be used")
                                            : QStringLiteral("off: no entry starts in the year ahead");
        return verdict;
    }
    verdict.entry = first->entry;
    verdict.nextChange = first->start;
    verdict.status = QStringLiteral("on at %1 (entry %2%3)").arg(localText(first->start, at)).arg(first->entry).arg(sunPart(first->on));
    return verdict;
}

} // namespace schedule
