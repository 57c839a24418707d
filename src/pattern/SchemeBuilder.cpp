#include "SchemeBuilder.h"

#include "mdlEffects.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pattern {

namespace {

std::optional<QString> syncToDisk(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        return QStringLiteral("Cannot save %1: %2").arg(path, reason);
    }
    ::close(fd);
    return std::nullopt;
}

} // namespace

std::optional<QString> buildScheme(const QString &path, const std::vector<EffectChoice> &chosen,
                                   const std::function<void(int)> &afterEffect)
{
    const QFileInfo target(path);
    QTemporaryFile draft(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                         + QStringLiteral(".XXXXXX"));
    if (!draft.open())
        return QStringLiteral("Cannot create a new scheme file in %1: %2")
            .arg(target.absolutePath(), draft.errorString());
    draft.close();

    int written = 0;
    for (const EffectChoice &choice : chosen) {
        if (auto error = mdlEffects::WriteEffect(draft.fileName(), choice.effect, choice.repeats))
            return error;
        afterEffect(++written);
    }

    const QFileDevice::Permissions permissions =
        target.exists() ? target.permissions()
                        : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                              | QFileDevice::ReadOther;
    draft.setPermissions(permissions);
    if (auto error = syncToDisk(draft.fileName(), O_RDONLY))
        return error;
    if (std::rename(QFile::encodeName(draft.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return QStringLiteral("Cannot replace %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    draft.setAutoRemove(false);
    // The rename itself must survive a power cut too.
    syncToDisk(target.absolutePath(), O_RDONLY | O_DIRECTORY);
    return std::nullopt;
}

} // namespace pattern
