#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString path(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

QByteArray contentOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A value written by hand with commas and no quotes reads as a list.
QString textOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

} // namespace

SettingsStore::SettingsStore()
{
    const QSettings user(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lampotron"),
                         QStringLiteral("Lampotron"));
    fileName_ = user.fileName();
    keepIfDamaged(user);
}

SettingsStore::SettingsStore(QString fileName) : fileName_(std::move(fileName)) {}

QString SettingsStore::read(const settings::TextKey &key) const
{
    const QSettings settings(fileName_, QSettings::IniFormat);
    keepIfDamaged(settings);
    const QVariant value = settings.value(path(key.section, key.key));
    return value.isValid() ? textOf(value) : key.fallback;
}

int SettingsStore::read(const settings::IntKey &key) const
{
    bool ok = false;
    const qlonglong number = read(settings::TextKey{key.section, key.key, QString()}).trimmed().toLongLong(&ok);
    if (!ok)
        return key.fallback;
    return static_cast<int>(std::clamp<qlonglong>(number, key.minimum, key.maximum));
}

bool SettingsStore::hasSection(const QString &section) const
{
    const QSettings settings(fileName_, QSettings::IniFormat);
    keepIfDamaged(settings);
    return settings.childGroups().contains(section);
}

QStringList SettingsStore::keys(const QString &section) const
{
    QSettings settings(fileName_, QSettings::IniFormat);
    keepIfDamaged(settings);
    settings.beginGroup(section);
    return settings.childKeys();
}

QList<SettingsStore::Value> SettingsStore::values(const QString &section) const
{
    QSettings settings(fileName_, QSettings::IniFormat);
    keepIfDamaged(settings);
    settings.beginGroup(section);
    QList<Value> values;
    for (const QString &key : settings.childKeys())
        values << Value{section, key, textOf(settings.value(key))};
    return values;
}

// QSettings writes the whole file atomically on sync. Its error state sticks
// to the object, so every change uses objects of its own.
std::optional<QString> SettingsStore::write(const QList<Value> &values, const QString &sectionToRemove) const
{
    const bool damaged = keepIfDamaged(QSettings(fileName_, QSettings::IniFormat));
    QSettings settings(fileName_, QSettings::IniFormat);
    if (!sectionToRemove.isEmpty())
        settings.remove(sectionToRemove);
    for (const Value &value : values)
        settings.setValue(path(value.section, value.key), value.text);
    settings.sync();
    bool written = settings.status() == QSettings::NoError;
    if (damaged && settings.status() == QSettings::FormatError) {
        // The error came from reading the damaged file; a fresh look tells
        // whether the rewrite reached the disk.
        QSettings after(fileName_, QSettings::IniFormat);
        after.sync();
        written = after.status() == QSettings::NoError;
    }
    if (written)
        return std::nullopt;
    return QCoreApplication::translate(
        "SettingsStore", "The settings could not be saved to %1: %2.").arg(fileName_, whyNotWritten());
}

// Qt parses a file once, section by section as they are asked for, and serves
// later objects from memory until the file changes. So only the object that
// first reads a damaged section hears of it: the first to meet a version of
// the file reads all of it at once, and the user's own text is kept as soon
// as the damage shows. That costs time and memory in proportion to the file,
// so later reads of the same version are spared it.
bool SettingsStore::keepIfDamaged(const QSettings &settings) const
{
    struct stat status {};
    std::optional<FileVersion> version;
    if (::stat(QFile::encodeName(fileName_).constData(), &status) == 0)
        version = FileVersion{status.st_dev, status.st_ino, status.st_size, status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
    if (version && version == checkedVersion_)
        return checkedVersionDamaged_;
    settings.allKeys();
    const bool damaged = settings.status() == QSettings::FormatError;
    if (damaged)
        keepDamagedCopy();
    checkedVersion_ = version;
    checkedVersionDamaged_ = damaged;
    return damaged;
}

std::optional<QString> SettingsStore::readProblem() const
{
    const int fd = ::open(QFile::encodeName(fileName_).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    int error = fd < 0 ? errno : 0;
    struct stat status {};
    if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode))
        error = EISDIR;
    if (fd >= 0)
        ::close(fd);
    if (error == 0 || error == ENOENT)
        return std::nullopt;
    QString reason = QString::fromLocal8Bit(std::strerror(error));
    reason[0] = reason[0].toLower();
    return QCoreApplication::translate("SettingsStore", "cannot read the settings file %1: %2")
        .arg(fileName_, reason);
}

// Qt rewrites what it could read of a damaged file. The user's own text is
// kept first, under a name that no later copy takes over.
void SettingsStore::keepDamagedCopy() const
{
    const QByteArray original = contentOf(fileName_);
    for (int number = 0;; ++number) {
        const QString copy = fileName_ + QStringLiteral(".damaged") + (number ? QStringLiteral(".%1").arg(number) : QString());
        if (!QFileInfo::exists(copy)) {
            QFile::copy(fileName_, copy);
            return;
        }
        if (contentOf(copy) == original)
            return;
    }
}

// Qt only says that a write failed; look for the reason a user can act on.
QString SettingsStore::whyNotWritten() const
{
    const QFileInfo info(fileName_);
    const QFileInfo folder(info.path());
    const QStorageInfo disk(folder.exists() ? folder.filePath() : QDir::homePath());
    if (disk.isReadOnly())
        return QCoreApplication::translate("SettingsStore", "the disk is mounted read-only");
    if (info.isDir())
        return QCoreApplication::translate("SettingsStore", "a folder is in its place");
    if (info.exists() && !info.isWritable())
        return QCoreApplication::translate("SettingsStore", "the file is read-only");
    if (!folder.isDir())
        return QCoreApplication::translate("SettingsStore", "its folder cannot be made");
    if (!folder.isWritable())
        return QCoreApplication::translate("SettingsStore", "its folder is read-only");
    if (disk.bytesAvailable() < info.size() + 4096)
        return QCoreApplication::translate("SettingsStore", "the disk is full");
    return QCoreApplication::translate("SettingsStore", "the system gave no reason");
}
