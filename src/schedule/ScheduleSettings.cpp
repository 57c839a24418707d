#include "ScheduleSettings.h"

#include "EntryParser.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace schedule {

namespace {

// A number in decimal degrees with a point, within ±limit; none when absent.
std::optional<double> readDegrees(const SettingsStore &store, const settings::TextKey &key, double limit,
                                  const QString &example, QStringList &problems)
{
    const QString text = store.read(key).trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double degrees = QLocale::c().toDouble(text, &ok);
    if (ok && std::abs(degrees) <= limit)
        return degrees;
    problems << QStringLiteral("[Schedule] %1=%2 is not usable: write degrees from -%3 to %3 with a decimal point, "
                               "such as %1=%4.").arg(key.key, text).arg(limit).arg(example);
    return std::nullopt;
}

std::optional<Place> readPlace(const SettingsStore &store, QStringList &problems)
{
    const std::optional<double> latitude = readDegrees(store, settings::Latitude, 90, QStringLiteral("52.52"), problems);
    const std::optional<double> longitude = readDegrees(store, settings::Longitude, 180, QStringLiteral("13.40"), problems);
    if (!latitude || !longitude)
        return std::nullopt;
    return Place{*latitude, *longitude};
}

} // namespace

Schedule readSchedule(const SettingsStore &store, const QTimeZone &zone)
{
    const QString &section = settings::ScheduleSection;
    if (!store.hasSection(section) || store.read(settings::ScheduleEnabled) == 0)
        return {};
    static const QRegularExpression entryKey(QStringLiteral("^%1([1-9][0-9]{0,3})$").arg(settings::ScheduleEntryPrefix));
    const QStringList known{settings::ScheduleEnabled.key, settings::Latitude.key, settings::Longitude.key};
    QList<int> numbers;
    QStringList problems;
    for (const QString &key : store.keys(section)) {
        if (const QRegularExpressionMatch match = entryKey.match(key); match.hasMatch())
            numbers << match.captured(1).toInt();
        else if (!known.contains(key))
            problems << QStringLiteral("[Schedule] %1 is ignored: the keys there are Enabled, Latitude, Longitude "
                                       "and Entry1, Entry2 and so on.").arg(key);
    }
    if (numbers.isEmpty())
        return {};
    std::sort(numbers.begin(), numbers.end());
    const std::optional<Place> place = readPlace(store, problems);
    QList<Entry> entries;
    for (int number : numbers) {
        std::variant<Entry, QString> parsed = parseEntry(number, store.read(settings::scheduleEntry(number)));
        if (const QString *problem = std::get_if<QString>(&parsed))
            problems << QStringLiteral("[Schedule] Entry%1 is ignored: %2.").arg(number).arg(*problem);
        else
            entries << std::get<Entry>(parsed);
    }
    return Schedule(entries, place, zone, problems);
}

} // namespace schedule
