#include "ScheduleBody.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace body {

namespace {

Read<schedule::Place> place(const QJsonValue &value)
{
    const QJsonObject fields = value.toObject();
    const QStringList names{QStringLiteral("latitude"), QStringLiteral("longitude")};
    const bool onlyThose = std::ranges::all_of(fields.keys(), [&names](const QString &key) { return names.contains(key); });
    if (!value.isObject() || !onlyThose || !fields.value(names[0]).isDouble() || !fields.value(names[1]).isDouble())
        return Problem{QCoreApplication::translate(
            "ScheduleBody", "\"place\" must be null or {\"latitude\": 52.52, \"longitude\": 13.40}, "
                            "in degrees north and east.")};
    return schedule::Place{fields.value(names[0]).toDouble(), fields.value(names[1]).toDouble()};
}

} // namespace

Read<ScheduleChange> scheduleChange(const QByteArray &body)
{
    const auto read = object(body, {QStringLiteral("version"), QStringLiteral("entries"), QStringLiteral("place")});
    if (auto *problem = std::get_if<Problem>(&read))
        return *problem;
    const QJsonObject fields = std::get<QJsonObject>(read);
    for (const char *field : {"version", "entries", "place"})
        if (!fields.contains(QLatin1String(field)))
            return Problem{QCoreApplication::translate("ScheduleBody", "\"%1\" is missing.").arg(QLatin1String(field))};
    ScheduleChange change;
    const auto version = wholeNumber(fields.value(QLatin1String("version")), QStringLiteral("version"));
    if (auto *problem = std::get_if<Problem>(&version))
        return *problem;
    change.version = std::get<int>(version);
    const QJsonValue entries = fields.value(QLatin1String("entries"));
    if (!entries.isArray())
        return Problem{QCoreApplication::translate(
            "ScheduleBody", "\"entries\" must be a list of texts, such as [\"on=sunset off=23:00\"].")};
    if (entries.toArray().size() > schedule::MaxEntries)
        return Problem{QCoreApplication::translate(
            "ScheduleBody", "\"entries\" holds %1 entries, and a schedule holds at most %2.")
                           .arg(entries.toArray().size()).arg(schedule::MaxEntries)};
    for (const QJsonValue &entry : entries.toArray()) {
        if (!entry.isString())
            return Problem{QCoreApplication::translate(
                "ScheduleBody", "Each of \"entries\" must be a text, such as \"on=sunset off=23:00\".")};
        change.edit.entries << entry.toString();
    }
    if (const QJsonValue where = fields.value(QLatin1String("place")); !where.isNull()) {
        const auto read = place(where);
        if (auto *problem = std::get_if<Problem>(&read))
            return *problem;
        change.edit.place = std::get<schedule::Place>(read);
    }
    return change;
}

} // namespace body
