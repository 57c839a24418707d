#pragma once

#include <QFile>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

// Small or read-only file systems over a test's folders, mounted in a mount
// namespace of the test process alone. Needs root; tests skip without it.
namespace hostiledisk {

// In initMain, before any thread starts.
inline bool usePrivateMounts()
{
    return ::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

inline bool mountSmall(const QString &folder, const char *size = "size=64k")
{
    return ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, size) == 0;
}

inline bool makeReadOnly(const QString &folder)
{
    return ::mount(nullptr, QFile::encodeName(folder).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

// Fills the file system that holds `folder` to the last byte.
inline void fill(const QString &folder)
{
    QFile filler(folder + "/filler");
    if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
}

inline void unmount(const QString &folder) { ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH); }

} // namespace hostiledisk
