#include "RemoteKey.h"

#include "DiskSync.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int KeyBytes = 16;
constexpr qsizetype KeyDigits = 2 * KeyBytes;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool isKey(const QByteArray &text)
{
    return text.size() == KeyDigits
           && std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

RemoteKey failed(const QString &problem)
{
    return {QByteArray(), problem};
}

RemoteKey readKey(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const QString why = systemError();
        return failed(QCoreApplication::translate("RemoteKey", "The remote's key %1 cannot be read: %2.").arg(path, why));
    }
    struct stat info {};
    char text[KeyDigits + 2] = {};
    const bool statted = ::fstat(fd, &info) == 0;
    const ssize_t length = statted && S_ISREG(info.st_mode) ? ::read(fd, text, sizeof text) : -1;
    ::close(fd);
    if (!statted || !S_ISREG(info.st_mode))
        return failed(QCoreApplication::translate(
            "RemoteKey", "The remote's key %1 is not a plain file; remove it and a new key is made.").arg(path));
    if (info.st_uid != ::geteuid() || (info.st_mode & 077) != 0)
        return failed(QCoreApplication::translate(
            "RemoteKey", "The remote's key %1 could be read by other users; make it private "
                         "(chmod 600 %1, owned by the user Lampotron runs as).")
                          .arg(path));
    const QByteArray key = QByteArray(text, length > 0 ? static_cast<qsizetype>(length) : 0).trimmed();
    if (!isKey(key))
        return failed(QCoreApplication::translate(
            "RemoteKey", "The remote's key %1 is damaged; remove it and a new key is made.").arg(path));
    return {key, {}};
}

// Written under a private name first and linked into place, which fails
// rather than replaces when a key (or anything) is already there.
RemoteKey makeKey(const QString &path)
{
    unsigned char bits[KeyBytes];
    if (::getrandom(bits, sizeof bits, 0) != static_cast<ssize_t>(sizeof bits)) {
        const QString why = systemError();
        return failed(QCoreApplication::translate("RemoteKey", "No random numbers for the remote's key: %1.").arg(why));
    }
    const QByteArray key = QByteArray(reinterpret_cast<const char *>(bits), KeyBytes).toHex();
    QByteArray draft = QFile::encodeName(path) + ".XXXXXX";
    const int fd = ::mkostemp(draft.data(), O_CLOEXEC); // O_CREAT | O_EXCL, mode 0600
    if (fd < 0) {
        const QString why = systemError();
        return failed(QCoreApplication::translate("RemoteKey", "The remote's key cannot be made in %1: %2.")
                          .arg(QFileInfo(path).path(), why));
    }
    const QByteArray line = key + '\n';
    const bool written = ::write(fd, line.constData(), static_cast<size_t>(line.size())) == line.size() && ::fsync(fd) == 0;
    const QString why = systemError();
    ::close(fd);
    const bool linked = written && ::link(draft.constData(), QFile::encodeName(path).constData()) == 0;
    const int linkError = errno;
    ::unlink(draft.constData());
    if (!written)
        return failed(QCoreApplication::translate(
            "RemoteKey", "The remote's key cannot be written to %1: %2.").arg(path, why));
    if (!linked && linkError != EEXIST)
        return failed(QCoreApplication::translate(
            "RemoteKey", "The remote's key cannot be put in %1: %2.").arg(path, QString::fromLocal8Bit(std::strerror(linkError))));
    // The new name must survive a power cut too.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).path());
    if (const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folderFd >= 0) {
        syncToDisk(folderFd, QFileInfo(path).path());
        ::close(folderFd);
    }
    return linked ? RemoteKey{key, {}} : readKey(path);
}

} // namespace

QString RemoteKey::pathBeside(const QString &settingsFile)
{
    return QFileInfo(settingsFile).dir().filePath(QStringLiteral("remote.key"));
}

RemoteKey RemoteKey::loadOrMake(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) == 0)
        return readKey(path);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return failed(QCoreApplication::translate(
            "RemoteKey", "The folder for the remote's key, %1, cannot be made.").arg(QFileInfo(path).path()));
    return makeKey(path);
}

bool keysMatch(QByteArrayView given, QByteArrayView key)
{
    // Every byte of the key is looked at whatever was given; only the
    // length, which is no secret, decides at once.
    volatile unsigned char difference = given.size() == key.size() ? 0 : 1;
    for (qsizetype i = 0; i < key.size(); ++i)
        difference = difference | static_cast<unsigned char>(key[i] ^ (i < given.size() ? given[i] : 0));
    return difference == 0;
}
