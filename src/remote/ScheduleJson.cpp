#include "ScheduleJson.h"

#include <QJsonArray>

#include <algorithm>

namespace scheduleJson {

namespace {

QJsonValue placeJson(const std::optional<schedule::Place> &place)
{
    if (!place)
        return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("latitude"), place->latitude}, {QStringLiteral("longitude"), place->longitude}};
}

// A moment in local time, with the entry that gives it; null when none comes.
QJsonValue switchJson(const QDateTime &moment, int entry, const QTimeZone &zone)
{
    if (!moment.isValid())
        return QJsonValue::Null;
    const QDateTime local = moment.toTimeZone(zone);
    return QJsonObject{{QStringLiteral("date"), local.date().toString(Qt::ISODate)},
                       {QStringLiteral("time"), local.toString(QStringLiteral("HH:mm"))},
                       {QStringLiteral("entry"), entry}};
}

// The next start and the next stop: one change from now, and the one after it.
QJsonObject nextJson(const schedule::Schedule &decided, const QDateTime &now)
{
    if (!decided.inUse())
        return {{QStringLiteral("on"), QJsonValue::Null}, {QStringLiteral("off"), QJsonValue::Null}};
    const schedule::Verdict first = decided.shouldPlay(now);
    schedule::Verdict second;
    if (first.nextChange.isValid())
        second = decided.shouldPlay(first.nextChange);
    const schedule::Verdict &on = first.play ? second : first;
    const schedule::Verdict &off = first.play ? first : second;
    return {{QStringLiteral("on"), switchJson(on.nextChange, on.entry, decided.zone())},
            {QStringLiteral("off"), switchJson(off.nextChange, off.entry, decided.zone())},
            {QStringLiteral("playing"), first.play},
            {QStringLiteral("status"), first.status}};
}

QJsonArray daysJson(const schedule::Schedule &decided, const QDateTime &now, int days)
{
    QJsonArray listed;
    if (!decided.inUse())
        return listed;
    const QDate first = now.toTimeZone(decided.zone()).date();
    for (QDate day = first; day < first.addDays(days); day = day.addDays(1)) {
        QStringList notes;
        QList<schedule::Window> windows = decided.windowsStartingOn(day, &notes);
        std::ranges::stable_sort(windows, {}, &schedule::Window::start);
        QJsonArray opened;
        for (const schedule::Window &window : windows) {
            const QDateTime end = window.end.toTimeZone(decided.zone());
            opened.append(QJsonObject{{QStringLiteral("entry"), window.entry},
                                      {QStringLiteral("on"), window.start.toTimeZone(decided.zone()).toString(QStringLiteral("HH:mm"))},
                                      {QStringLiteral("off"), end.toString(QStringLiteral("HH:mm"))},
                                      {QStringLiteral("offNextDay"), end.date() > day},
                                      {QStringLiteral("play"), window.pattern}});
        }
        listed.append(QJsonObject{{QStringLiteral("date"), day.toString(Qt::ISODate)},
                                  {QStringLiteral("windows"), opened},
                                  {QStringLiteral("notes"), QJsonArray::fromStringList(notes)}});
    }
    return listed;
}

} // namespace

QJsonObject schedule(const schedule::StoredSchedule &stored, const schedule::Schedule &decided, const QDateTime &now, int days)
{
    return {{QStringLiteral("version"), stored.version},
            {QStringLiteral("enabled"), stored.enabled},
            {QStringLiteral("entries"), QJsonArray::fromStringList(stored.entries)},
            {QStringLiteral("place"), placeJson(stored.place)},
            {QStringLiteral("zone"), QString::fromUtf8(decided.zone().id())},
            {QStringLiteral("problems"), QJsonArray::fromStringList(decided.problems())},
            {QStringLiteral("next"), nextJson(decided, now)},
            {QStringLiteral("days"), daysJson(decided, now, days)}};
}

} // namespace scheduleJson
