#include "ScheduleEdit.h"

#include "EntryParser.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QtEndian>
#include <QLocale>
#include <QRegularExpression>

#include <map>

namespace schedule {

namespace {

std::optional<double> storedDegrees(const QString &text, double limit)
{
    bool ok = false;
    const double degrees = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::abs(degrees) <= limit ? std::optional(degrees) : std::nullopt;
}

QString degreesText(double degrees)
{
    return QLocale::c().toString(degrees, 'f', 4);
}

} // namespace

StoredSchedule readStoredSchedule(const SettingsStore &store)
{
    static const QRegularExpression entryKey(QStringLiteral("^%1([1-9][0-9]{0,3})$").arg(settings::ScheduleEntryPrefix));
    StoredSchedule stored;
    stored.enabled = store.read(settings::ScheduleEnabled) != 0;
    std::map<int, QString> entries;
    QString latitude;
    QString longitude;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const SettingsStore::Value &value : store.values(settings::ScheduleSection)) {
        hash.addData(QStringLiteral("%1=%2\n").arg(value.key, value.text).toUtf8());
        if (const QRegularExpressionMatch match = entryKey.match(value.key); match.hasMatch())
            entries.emplace(match.captured(1).toInt(), value.text);
        else if (value.key == settings::Latitude.key)
            latitude = value.text;
        else if (value.key == settings::Longitude.key)
            longitude = value.text;
    }
    for (const auto &[number, text] : entries)
        if (stored.entries.size() < MaxEntries)
            stored.entries << text;
    const std::optional<double> north = storedDegrees(latitude, 90);
    const std::optional<double> east = storedDegrees(longitude, 180);
    if (north && east)
        stored.place = Place{*north, *east};
    const QByteArray digest = hash.result();
    stored.version = static_cast<int>(qFromBigEndian<quint32>(digest.constData()) & 0x7fffffff);
    return stored;
}

QString editProblem(const ScheduleEdit &edit, const QTimeZone &zone)
{
    if (edit.entries.size() > MaxEntries)
        return QCoreApplication::translate("ScheduleEdit",
                                           "There are %1 entries, and a schedule holds at most %2. Join windows that follow each "
                                           "other into one entry, or use days= and dates= to cover more days.")
            .arg(edit.entries.size())
            .arg(MaxEntries);
    if (edit.place && (std::abs(edit.place->latitude) > 90 || std::abs(edit.place->longitude) > 180))
        return QCoreApplication::translate("ScheduleEdit",
                                           "The place is at latitude %1, longitude %2; latitude goes from -90 to 90 and "
                                           "longitude from -180 to 180 degrees (north and east are positive).")
            .arg(edit.place->latitude)
            .arg(edit.place->longitude);
    QList<Entry> entries;
    for (qsizetype index = 0; index < edit.entries.size(); ++index) {
        const int number = static_cast<int>(index) + 1;
        std::variant<Entry, QString> parsed = parseEntry(number, edit.entries.at(index));
        if (const QString *problem = std::get_if<QString>(&parsed))
            return QCoreApplication::translate("ScheduleEdit", "Entry %1 cannot be used: %2.")
                .arg(QString::number(number), *problem);
        entries << std::get<Entry>(parsed);
    }
    // Sun times without a place, and windows that never open there.
    const Schedule checked(entries, edit.place, zone);
    return checked.problems().isEmpty() ? QString() : checked.problems().first();
}

QList<SettingsStore::Value> editValues(const ScheduleEdit &edit, bool enabled)
{
    const QString &section = settings::ScheduleSection;
    QList<SettingsStore::Value> values{{section, settings::ScheduleEnabled.key, enabled ? QStringLiteral("1") : QStringLiteral("0")}};
    if (edit.place) {
        values.append({section, settings::Latitude.key, degreesText(edit.place->latitude)});
        values.append({section, settings::Longitude.key, degreesText(edit.place->longitude)});
    }
    for (qsizetype index = 0; index < edit.entries.size(); ++index)
        values.append({section, settings::scheduleEntry(static_cast<int>(index) + 1).key, edit.entries.at(index)});
    return values;
}

} // namespace schedule
