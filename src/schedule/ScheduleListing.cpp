#include "ScheduleListing.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace schedule {

namespace {

// About 28 years bring every weekday onto every date, 29 February included.
constexpr int YearsToFindAStart = 29;

QString dayText(QDate day)
{
    return QLocale::c().toString(day, QStringLiteral("ddd yyyy-MM-dd"));
}

QString windowLine(const Window &window, const QTimeZone &zone)
{
    const QDateTime start = window.start.toTimeZone(zone);
    const QDateTime end = window.end.toTimeZone(zone);
    const QString endText = end.date() == start.date()
                                ? end.toString(QStringLiteral("HH:mm"))
                                : QLocale::c().toString(end, QStringLiteral("ddd HH:mm"));
    //: on=%5 off=%6 repeat the entry as written in the settings, so they stay as they are.
    return QCoreApplication::translate("ScheduleListing", "%1  on %2  off %3  entry %4: on=%5 off=%6%7%8")
        .arg(dayText(start.date()), start.toString(QStringLiteral("HH:mm")), endText.leftJustified(9))
        .arg(window.entry)
        .arg(window.on.text(), window.off.text(),
             window.endOfShow == EndOfShow::AfterPass ? QStringLiteral(" end=pass") : QString(),
             window.pattern.isEmpty() ? QString() : QStringLiteral(" play=") + window.pattern);
}

// The next day after `after` that a range of dates starts on; 29 February
// in a common year is taken as 1 March.
QDate nextRangeStart(QDate after, int first)
{
    for (int year = after.year();; ++year) {
        QDate start(year, first / 100, first % 100);
        if (!start.isValid())
            start = QDate(year, 3, 1);
        if (start > after)
            return start;
    }
}

// The first day on or after `from` an entry opens a window, as far as every
// weekday has come onto every date. Days outside its dates are skipped a
// range at a time, so a date that comes once in years is found at once.
std::optional<QDate> firstOpening(const Entry &entry, QDate from)
{
    const QDate until = from.addYears(YearsToFindAStart);
    for (QDate day = from; day < until;) {
        if (entry.dates && !entry.dates->contains(day)) {
            day = nextRangeStart(day, entry.dates->first);
            continue;
        }
        if (entry.opensOn(day))
            return day;
        day = day.addDays(1);
    }
    return std::nullopt;
}

} // namespace

QString listSchedule(const Schedule &schedule, const QDateTime &from, int days)
{
    if (!schedule.inUse())
        return QCoreApplication::translate(
            "ScheduleListing",
            "No schedule: [Schedule] in the settings has no entries, or Enabled=0. The show plays all the time.\n");
    QStringList lines = schedule.problems();
    const QDate first = from.toTimeZone(schedule.zone()).date();
    lines << QCoreApplication::translate("ScheduleListing", "On and off times of the %1 days from %2, in %3:")
                 .arg(days)
                 .arg(dayText(first), QString::fromUtf8(schedule.zone().id()));
    const QDate end = first.addDays(days);
    for (QDate day = first; day < end; day = day.addDays(1)) {
        QStringList notes;
        QList<Window> windows = schedule.windowsStartingOn(day, &notes);
        std::stable_sort(windows.begin(), windows.end(), [](const Window &a, const Window &b) { return a.start < b.start; });
        for (const Window &window : windows)
            lines << windowLine(window, schedule.zone());
        lines << notes;
    }
    // An entry that never opens one is among the problems.
    for (const Entry &entry : schedule.entries()) {
        const std::optional<QDate> opening = firstOpening(entry, first);
        if (opening && *opening >= end)
            lines << QCoreApplication::translate("ScheduleListing", "entry %1 runs on none of these days; its next day is %2")
                         .arg(entry.number)
                         .arg(dayText(*opening));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace schedule
