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

// A new scheme file, written beside the one it is to replace and put in its
// place only once it is complete and on disk. Until then the old file stays
// as it was; a draft that is never put in place is removed.
class SchemeDraft {
public:
    explicit SchemeDraft(QString target);

    // Writes the chosen effects in the order given and puts them on disk.
    // `afterEffect` runs after each effect with the number written so far.
    // Returns what went wrong.
    std::optional<QString> write(const std::vector<EffectChoice> &chosen, const std::function<void(int)> &afterEffect);

    QString fileName() const { return draft_.fileName(); }

    // Puts the draft in place of the target. Returns what went wrong.
    std::optional<QString> commit();

private:
    QString target_;
    QTemporaryFile draft_;
};

// Tells one scheme file's content from another's; empty for a missing file.
QByteArray fingerprint(const QString &path);

} // namespace pattern
