#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryFile>

#include <functional>
#include <optional>
#include <vector>

namespace pattern {

struct EffectChoice {
    int effect;
    int repeats;
};

// Puts a file, or a folder's list of names, on disk. Returns what went wrong.
using DiskSync = std::function<std::optional<QString>(const QString &path, bool folder)>;
std::optional<QString> syncToDisk(const QString &path, bool folder);

// Drafts are hidden files named after their target: ".Data.inf." and a suffix.
QString draftNamePrefix(const QString &target);

// A new scheme file, written beside the one it is to replace and put in its
// place only once it is complete and on disk. Until then the old file stays
// as it was; a draft that is never put in place is removed.
class SchemeDraft {
public:
    explicit SchemeDraft(QString target, DiskSync sync = syncToDisk);

    // Writes the chosen effects in the order given and puts them on disk.
    // `afterEffect` runs after each effect with the number written so far.
    // Returns what went wrong.
    std::optional<QString> write(const std::vector<EffectChoice> &chosen, const std::function<void(int)> &afterEffect);

    QString fileName() const { return draft_.fileName(); }

    // Puts the draft in place of the target. Returns what went wrong.
    std::optional<QString> commit();
    // After the commit: makes the new name survive a power cut. Returns what
    // went wrong; the new scheme is in place either way.
    std::optional<QString> syncFolder();

private:
    QString target_;
    DiskSync sync_;
    QTemporaryFile draft_;
};

// Tells one scheme file's content from another's; empty for a missing file.
QByteArray fingerprint(const QString &path);

} // namespace pattern
