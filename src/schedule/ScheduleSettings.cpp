#include "ScheduleSettings.h"

#include "EntryParser.h"
#include "ScheduleEdit.h"
#include "PrintableText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <map>

namespace schedule {

namespace {

// Unknown keys named in the log, one line each.
constexpr int MostUnknownKeysNamed = 5;

// A number in decimal degrees with a point, within ±limit; none when absent.
std::optional<double> readDegrees(const QHash<QString, QString> &values, const QString &key, double limit,
                                  const QString &example, QStringList &problems)
{
    const QString text = values.value(key).trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double degrees = QLocale::c().toDouble(text, &ok);
    if (ok && std::abs(degrees) <= limit)
        return degrees;
    problems << QCoreApplication::translate("ScheduleSettings",
                                            "[Schedule] %1=%2 is not usable: write degrees from -%3 to %3 with a decimal point, "
                                            "such as %1=%4.")
                    .arg(key, printable(text), QString::number(limit), example);
    return std::nullopt;
}

std::optional<Place> readPlace(const QHash<QString, QString> &values, QStringList &problems)
{
    const std::optional<double> latitude = readDegrees(values, settings::Latitude.key, 90, QStringLiteral("52.52"), problems);
    const std::optional<double> longitude = readDegrees(values, settings::Longitude.key, 180, QStringLiteral("13.40"), problems);
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
    // The whole section in one read: one read per key would parse a large file over and over.
    QHash<QString, QString> values;
    std::map<int, QString> entryTexts;
    QStringList problems;
    qsizetype unknownKeys = 0;
    for (const SettingsStore::Value &value : store.values(section)) {
        if (const QRegularExpressionMatch match = entryKey.match(value.key); match.hasMatch())
            entryTexts.emplace(match.captured(1).toInt(), value.text);
        else if (known.contains(value.key))
            values.insert(value.key, value.text);
        else if (++unknownKeys <= MostUnknownKeysNamed)
            problems << QCoreApplication::translate("ScheduleSettings",
                                                    "[Schedule] %1 is ignored: the keys there are Enabled, Latitude, Longitude "
                                                    "and Entry1, Entry2 and so on.")
                            .arg(printable(value.key));
    }
    if (unknownKeys > MostUnknownKeysNamed)
        problems << QCoreApplication::translate("ScheduleSettings", "[Schedule] %1 more keys are ignored.")
                        .arg(unknownKeys - MostUnknownKeysNamed);
    if (entryTexts.empty())
        return {};
    const std::optional<Place> place = readPlace(values, problems);
    if (entryTexts.size() > MaxEntries) {
        problems << QCoreApplication::translate(
                        "ScheduleSettings", "[Schedule] has %1 entries; only the first %2, up to Entry%3, are used. Join windows "
                                            "that follow each other into one entry, or use days= and dates= to cover more days.")
                        .arg(entryTexts.size())
                        .arg(MaxEntries)
                        .arg(std::next(entryTexts.begin(), MaxEntries - 1)->first);
        entryTexts.erase(std::next(entryTexts.begin(), MaxEntries), entryTexts.end());
    }
    QList<Entry> entries;
    for (const auto &[number, text] : entryTexts) {
        std::variant<Entry, QString> parsed = parseEntry(number, text);
        if (const QString *problem = std::get_if<QString>(&parsed))
            problems << QCoreApplication::translate("ScheduleSettings", "[Schedule] Entry%1 is ignored: %2.")
                            .arg(QString::number(number), *problem);
        else
            entries << std::get<Entry>(parsed);
    }
    return Schedule(entries, place, zone, problems);
}

} // namespace schedule
