#include "SettingsStore.h"

#include <QFile>

#include <algorithm>

namespace {

std::unique_ptr<QSettings> openSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Lampotron"), QStringLiteral("Lampotron"));
}

} // namespace

SettingsStore::SettingsStore() : settings_(openSettings()) {}

QString SettingsStore::path(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

QString SettingsStore::read(const QString &section, const QString &key,
                            const QString &defaultValue) const
{
    const QVariant value = settings_->value(path(section, key));
    if (settings_->status() != QSettings::NoError || !value.isValid())
        return defaultValue;
    return value.toString();
}

int SettingsStore::readInt(const QString &section, const QString &key, int defaultValue,
                           int minimum, int maximum) const
{
    bool ok = false;
    const qlonglong number = read(section, key, QString()).trimmed().toLongLong(&ok);
    if (!ok)
        return defaultValue;
    return static_cast<int>(std::clamp<qlonglong>(number, minimum, maximum));
}

std::optional<QString> SettingsStore::write(const QString &section, const QString &key,
                                            const QString &value)
{
    settings_->setValue(path(section, key), value);
    settings_->sync();
    if (settings_->status() == QSettings::FormatError)
        setDamagedFileAside();
    if (settings_->status() != QSettings::NoError)
        return QStringLiteral("Cannot save the setting %1 to %2.").arg(path(section, key), fileName());
    return std::nullopt;
}

// Qt refuses to rewrite a file it cannot parse, so a damaged file would
// swallow every later write. Keep it aside and write what could be read.
void SettingsStore::setDamagedFileAside()
{
    QList<std::pair<QString, QVariant>> readable;
    for (const QString &key : settings_->allKeys())
        readable.append({key, settings_->value(key)});
    const QString damaged = settings_->fileName();
    settings_.reset();
    QFile::remove(damaged + QStringLiteral(".damaged"));
    QFile::rename(damaged, damaged + QStringLiteral(".damaged"));
    settings_ = openSettings();
    for (const auto &[key, value] : readable)
        settings_->setValue(key, value);
    settings_->sync();
}
