#include "PatternLibrary.h"

#include "EffectCatalogue.h"
#include "PatternText.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

namespace pattern {

namespace {

const QString Ending = QStringLiteral(".pattern");
// Well under the 255 bytes a file name may have, with the ending.
constexpr qsizetype MaxEncodedName = 200;

Pattern builtIn(int index)
{
    const Effect *found = effect(index);
    Pattern made;
    made.name = QString::fromUtf8(reinterpret_cast<const char *>(found->caption.data()),
                                  static_cast<qsizetype>(found->caption.size()));
    made.effect = index;
    for (const std::string_view row : found->rows) {
        Step step;
        for (std::size_t k = 0; k < row.size() && k < 8; ++k)
            if (row[k] == '1')
                step.lamps |= static_cast<std::uint8_t>(1u << k);
        made.steps.push_back(step);
    }
    return made;
}

std::optional<Pattern> findBuiltIn(const QString &name)
{
    for (int i = 0; i < effects::Count; ++i)
        if (Pattern candidate = builtIn(i); candidate.name == name)
            return candidate;
    return std::nullopt;
}

Refusal refusal(Refusal::Kind kind, QString reason)
{
    return {kind, std::move(reason)};
}

} // namespace

PatternLibrary::PatternLibrary(QString folder, DiskSync sync) : folder_(std::move(folder)), sync_(std::move(sync)) {}

QString PatternLibrary::userFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/patterns");
}

QString PatternLibrary::fileNameFor(const QString &name)
{
    // Dots are encoded as well, so that no name can be "." or "..".
    const QByteArray encoded = QUrl::toPercentEncoding(name, " ()", ".~");
    if (encoded.size() <= MaxEncodedName)
        return QString::fromLatin1(encoded) + Ending;
    return QStringLiteral("long-") + QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256).toHex()) +
           Ending;
}

std::vector<Pattern> PatternLibrary::list() const
{
    std::vector<Pattern> patterns;
    for (int i = 0; i < effects::Count; ++i)
        patterns.push_back(builtIn(i));
    std::vector<Pattern> own;
    const QStringList files = QDir(folder_).entryList({QLatin1Char('*') + Ending}, QDir::Files);
    for (const QString &file : files) {
        QFile source(folder_ + QLatin1Char('/') + file);
        if (source.size() > MaxPatternTextBytes || !source.open(QIODevice::ReadOnly))
            continue;
        ParsedPattern parsed = readPatternText(source.readAll());
        if (parsed.problem.isEmpty() && fileNameFor(parsed.pattern.name) == file)
            own.push_back(std::move(parsed.pattern));
    }
    std::sort(own.begin(), own.end(), [](const Pattern &a, const Pattern &b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    std::move(own.begin(), own.end(), std::back_inserter(patterns));
    return patterns;
}

std::optional<Pattern> PatternLibrary::find(const QString &name) const
{
    if (auto found = findBuiltIn(name))
        return found;
    return readUserPattern(name);
}

std::optional<Pattern> PatternLibrary::readUserPattern(const QString &name) const
{
    if (!nameProblem(name).isEmpty())
        return std::nullopt;
    QFile source(folder_ + QLatin1Char('/') + fileNameFor(name));
    if (source.size() > MaxPatternTextBytes || !source.open(QIODevice::ReadOnly))
        return std::nullopt;
    ParsedPattern parsed = readPatternText(source.readAll());
    if (!parsed.problem.isEmpty() || parsed.pattern.name != name)
        return std::nullopt;
    return parsed.pattern;
}

Outcome PatternLibrary::save(const QString &name, const std::vector<Step> &steps, int &baseVersion)
{
    if (QString problem = nameProblem(name); !problem.isEmpty())
        return refusal(Refusal::Kind::BadInput, problem);
    if (QString problem = stepsProblem(steps); !problem.isEmpty())
        return refusal(Refusal::Kind::BadInput, problem);
    std::optional<Pattern> stored;
    if (baseVersion == 0) {
        if (auto taken = checkNewName(name))
            return taken;
    } else if (auto problem = checkEditable(name, baseVersion, stored)) {
        return problem;
    }
    Pattern pattern{name, steps, -1, baseVersion + 1};
    if (auto failed = write(pattern))
        return failed;
    baseVersion = pattern.version;
    return std::nullopt;
}

Outcome PatternLibrary::rename(const QString &from, const QString &to, int baseVersion)
{
    std::optional<Pattern> stored;
    if (auto problem = checkEditable(from, baseVersion, stored))
        return problem;
    if (QString problem = nameProblem(to); !problem.isEmpty())
        return refusal(Refusal::Kind::BadInput, problem);
    if (auto taken = checkNewName(to))
        return taken;
    Pattern renamed{to, stored->steps, -1, stored->version + 1};
    if (auto failed = write(renamed))
        return failed;
    if (!QFile::remove(folder_ + QLatin1Char('/') + fileNameFor(from)))
        return refusal(Refusal::Kind::Disk, tr("\"%1\" was copied to \"%2\", but the old file could not be "
                                               "removed; delete \"%1\" by hand.")
                                                .arg(from, to));
    return std::nullopt;
}

Outcome PatternLibrary::copy(const QString &from, const QString &to)
{
    const std::optional<Pattern> source = find(from);
    if (!source)
        return refusal(Refusal::Kind::NotFound, tr("There is no pattern \"%1\".").arg(from));
    int version = 0;
    return save(to, source->steps, version);
}

Outcome PatternLibrary::remove(const QString &name, int baseVersion)
{
    std::optional<Pattern> stored;
    if (auto problem = checkEditable(name, baseVersion, stored))
        return problem;
    const QString path = folder_ + QLatin1Char('/') + fileNameFor(name);
    if (!QFile::remove(path))
        return refusal(Refusal::Kind::Disk, tr("%1 could not be removed; check that the folder is writable.").arg(path));
    return std::nullopt;
}

Outcome PatternLibrary::checkNewName(const QString &name) const
{
    if (findBuiltIn(name))
        return refusal(Refusal::Kind::Taken, tr("\"%1\" is a built-in effect; choose another name.").arg(name));
    if (QFile::exists(folder_ + QLatin1Char('/') + fileNameFor(name)))
        return refusal(Refusal::Kind::Taken, tr("A pattern named \"%1\" exists; choose another name.").arg(name));
    return std::nullopt;
}

Outcome PatternLibrary::checkEditable(const QString &name, int baseVersion, std::optional<Pattern> &found) const
{
    if (findBuiltIn(name))
        return refusal(Refusal::Kind::BuiltIn,
                       tr("\"%1\" is a built-in effect and cannot be changed; copy it to edit it.").arg(name));
    found = readUserPattern(name);
    if (!found)
        return refusal(baseVersion == 0 ? Refusal::Kind::NotFound : Refusal::Kind::Stale,
                       tr("There is no pattern \"%1\"; it may have been deleted meanwhile.").arg(name));
    if (found->version != baseVersion)
        return refusal(Refusal::Kind::Stale, tr("\"%1\" was changed elsewhere (version %2, this edit started "
                                                "from %3); load it again and redo the change.")
                                                 .arg(name)
                                                 .arg(found->version)
                                                 .arg(baseVersion));
    return std::nullopt;
}

Outcome PatternLibrary::write(const Pattern &pattern)
{
    const auto failed = [](const QString &reason) { return refusal(Refusal::Kind::Disk, reason); };
    if (!QDir().mkpath(folder_))
        return failed(tr("The folder %1 cannot be made; check its parent's permissions.").arg(folder_));
    const QString path = folder_ + QLatin1Char('/') + fileNameFor(pattern.name);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(tr("%1 cannot be written: %2").arg(path, file.errorString()));
    const QByteArray text = writePatternText(pattern);
    if (file.write(text) != text.size() || !file.flush())
        return failed(tr("%1 cannot be written: %2").arg(path, file.errorString()));
    if (auto error = sync_(file.handle(), path))
        return failed(*error);
    if (!file.commit())
        return failed(tr("%1 cannot be written: %2").arg(path, file.errorString()));
    const int folderFd = ::open(QFile::encodeName(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return std::nullopt;
    auto error = sync_(folderFd, folder_);
    ::close(folderFd);
    if (error)
        return failed(tr("%1 is saved but may not survive a power cut: %2").arg(pattern.name, *error));
    return std::nullopt;
}

} // namespace pattern
