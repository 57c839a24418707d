#include "DiskSync.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

#include <unistd.h>

std::optional<QString> syncToDisk(int fd, const QString &path)
{
    if (::fsync(fd) != 0) {
        // Read before the translation, which may change errno.
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        return QCoreApplication::translate("DiskSync", "Cannot save %1: %2").arg(path, reason);
    }
    return std::nullopt;
}
