#include "SchemeBuilder.h"

#include "mdlEffects.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pattern {

std::optional<QString> syncToDisk(const QString &path, bool folder)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
    if (fd < 0 || ::fsync(fd) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        return QStringLiteral("Cannot save %1: %2").arg(path, reason);
    }
    ::close(fd);
    return std::nullopt;
}

namespace {

// Beside the target, so that the rename stays on one file system.
QString draftTemplate(const QString &target)
{
    return QFileInfo(target).absolutePath() + QLatin1Char('/') + draftNamePrefix(target) + QStringLiteral("XXXXXX");
}

} // namespace

QString draftNamePrefix(const QString &target)
{
    return QLatin1Char('.') + QFileInfo(target).fileName() + QLatin1Char('.');
}

SchemeDraft::SchemeDraft(QString target, DiskSync sync)
    : target_(std::move(target)), sync_(std::move(sync)), draft_(draftTemplate(target_))
{
}

std::optional<QString> SchemeDraft::write(const std::vector<EffectChoice> &chosen,
                                          const std::function<void(int)> &afterEffect)
{
    const QFileInfo target(target_);
    if (!draft_.open())
        return QStringLiteral("Cannot create a new scheme file in %1: %2").arg(target.absolutePath(), draft_.errorString());
    draft_.close();

    int written = 0;
    for (const EffectChoice &choice : chosen) {
        if (auto error = mdlEffects::WriteEffect(draft_.fileName(), choice.effect, choice.repeats))
            return error;
        afterEffect(++written);
    }
    draft_.setPermissions(target.exists() ? target.permissions()
                                          : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                                | QFileDevice::ReadOther);
    return sync_(draft_.fileName(), false);
}

std::optional<QString> SchemeDraft::commit()
{
    if (std::rename(QFile::encodeName(draft_.fileName()).constData(), QFile::encodeName(target_).constData()) != 0)
        return QStringLiteral("Cannot replace %1: %2").arg(target_, QString::fromLocal8Bit(std::strerror(errno)));
    draft_.setAutoRemove(false);
    return std::nullopt;
}

std::optional<QString> SchemeDraft::syncFolder()
{
    return sync_(QFileInfo(target_).absolutePath(), true);
}

QByteArray fingerprint(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}

} // namespace pattern
