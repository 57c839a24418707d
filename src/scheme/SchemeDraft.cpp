#include "SchemeDraft.h"

#include "EffectCatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scheme {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Drafts are hidden files named after their target: ".Data.inf." and a
// suffix, beside the target so that the rename stays on one file system.
QString draftNamePrefix(const QString &target)
{
    return QLatin1Char('.') + QFileInfo(target).fileName() + QLatin1Char('.');
}

QString draftTemplate(const QString &target)
{
    return QFileInfo(target).absolutePath() + QLatin1Char('/') + draftNamePrefix(target) + QStringLiteral("XXXXXX");
}

// The rows of one effect, repeated, each ending in CR LF.
QByteArray effectText(const pattern::Effect &chosen, int repeats)
{
    QByteArray text;
    text.reserve(static_cast<qsizetype>(chosen.rows.size()) * 10 * repeats);
    for (int pass = 0; pass < repeats; ++pass) {
        for (std::string_view row : chosen.rows) {
            text.append(row.data(), static_cast<qsizetype>(row.size()));
            text.append("\r\n");
        }
    }
    return text;
}

// A pattern's steps, repeated, as rows with their own times.
QByteArray patternText(const PatternChoice &chosen)
{
    QByteArray once;
    for (const pattern::Step &step : chosen.steps) {
        for (int k = 0; k < 8; ++k)
            once.append((step.lamps >> k) & 1 ? '1' : '0');
        if (step.ms > 0)
            once.append(' ').append(QByteArray::number(step.ms));
        once.append("\r\n");
    }
    return once.repeated(chosen.repeats);
}

// Qt's buffered writes lose the system's reason for a failure, such as a
// full disk. Returns 0 or the error number.
int writeAll(int fd, const QByteArray &text)
{
    for (qsizetype done = 0; done < text.size();) {
        const ssize_t written = ::write(fd, text.constData() + done, static_cast<std::size_t>(text.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        done += written;
    }
    return 0;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

SchemeDraft::SchemeDraft(QString target, DiskSync sync)
    : target_(std::move(target)), sync_(std::move(sync)), draft_(draftTemplate(target_))
{
}

// A build holds a lock on its draft until the rename; the lock goes with the
// process, so a draft whose lock is free is one nobody writes. A sweep that
// slips in before the lock is taken is caught by commit().
std::optional<QString> SchemeDraft::write(const std::vector<EffectChoice> &chosen,
                                          const std::vector<PatternChoice> &patterns,
                                          const std::function<void(int)> &afterEffect)
{
    if (!draft_.open())
        return tr("Cannot create a new scheme file in %1: %2").arg(QFileInfo(target_).absolutePath(), draft_.errorString());
    if (::flock(draft_.handle(), LOCK_EX) != 0)
        return tr("Cannot lock %1: %2").arg(draft_.fileName(), systemReason(errno));

    int written = 0;
    for (const EffectChoice &choice : chosen) {
        if (auto error = append(choice.effect, choice.repeats))
            return error;
        afterEffect(++written);
    }
    for (const PatternChoice &choice : patterns) {
        if (choice.repeats < 1)
            return tr("A pattern must be written at least once, not %1 times.").arg(choice.repeats);
        if (auto error = appendText(patternText(choice)))
            return error;
        afterEffect(++written);
    }
    struct stat target {};
    const bool replacing = ::stat(QFile::encodeName(target_).constData(), &target) == 0 && S_ISREG(target.st_mode);
    ::fchmod(draft_.handle(), replacing ? target.st_mode & 07777 : 0644);
    // Where the file system allows, the draft has had no name so far, so a
    // build that dies leaves nothing behind; asking its name gives it one.
    const QString name = draft_.fileName();
    return sync_(draft_.handle(), name);
}

std::optional<QString> SchemeDraft::append(int effect, int repeats)
{
    const pattern::Effect *chosen = pattern::effect(effect);
    if (!chosen)
        return tr("There is no effect number %1.").arg(effect);
    if (repeats < 1)
        return tr("An effect must be written at least once, not %1 times.").arg(repeats);
    return appendText(effectText(*chosen, repeats));
}

std::optional<QString> SchemeDraft::appendText(const QByteArray &text)
{
    if (const int error = writeAll(draft_.handle(), text))
        return tr("Cannot write to %1: %2").arg(draft_.fileName(), systemReason(error));
    hash_.addData(text);
    return std::nullopt;
}

std::optional<QString> SchemeDraft::commit()
{
    const QByteArray draftName = QFile::encodeName(draft_.fileName());
    struct stat written {}, named {};
    if (::fstat(draft_.handle(), &written) != 0 || ::stat(draftName.constData(), &named) != 0 || !sameFile(written, named))
        return tr("The new scheme file %1 was removed while it was written; build the scheme again.").arg(draft_.fileName());
    if (std::rename(draftName.constData(), QFile::encodeName(target_).constData()) != 0)
        return tr("Cannot replace %1: %2").arg(target_, systemReason(errno));
    draft_.setAutoRemove(false);
    return std::nullopt;
}

std::optional<QString> SchemeDraft::syncFolder()
{
    const QString folder = QFileInfo(target_).absolutePath();
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return tr("Cannot save %1: %2").arg(folder, systemReason(errno));
    auto failure = sync_(fd, folder);
    ::close(fd);
    return failure;
}

void removeStaleDrafts(const QString &schemePath)
{
    const QDir folder = QFileInfo(schemePath).absoluteDir();
    const QStringList drafts = folder.entryList({draftNamePrefix(schemePath) + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    for (const QString &draft : drafts) {
        const QByteArray name = QFile::encodeName(folder.filePath(draft));
        const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        // Only while the name still leads to the file whose lock was free.
        struct stat locked {}, named {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &locked) == 0 && ::stat(name.constData(), &named) == 0
            && sameFile(locked, named))
            ::unlink(name.constData());
        ::close(fd);
    }
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

} // namespace scheme
