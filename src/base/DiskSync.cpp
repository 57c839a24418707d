#include "DiskSync.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

std::optional<QString> syncToDisk(int fd, const QString &path)
{
    if (::fsync(fd) != 0)
        return QStringLiteral("Cannot save %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    return std::nullopt;
}
