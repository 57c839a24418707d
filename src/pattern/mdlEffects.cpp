#include "mdlEffects.h"

#include "EffectCatalogue.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace mdlEffects {

namespace {

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

} // namespace

std::optional<QString> WriteEffect(const QString &path, int effect, int repeats)
{
    const pattern::Effect *chosen = pattern::effect(effect);
    if (!chosen)
        return QStringLiteral("There is no effect number %1.").arg(effect);
    if (repeats < 1)
        return QStringLiteral("An effect must be written at least once, not %1 times.").arg(repeats);

    const QByteArray text = effectText(*chosen, repeats);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return QStringLiteral("Cannot open %1 for writing: %2").arg(path, file.errorString());
    if (const int error = writeAll(file.handle(), text))
        return QStringLiteral("Cannot write to %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
    return std::nullopt;
}

} // namespace mdlEffects
