#pragma once

#include "DiskSync.h"
#include "Pattern.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QString>
#include <QTemporaryFile>

#include <functional>
#include <optional>
#include <vector>

namespace scheme {

struct EffectChoice {
    int effect;
    int repeats;
};

// A user's pattern in the scheme: its steps, each with its own time where
// it has one, after the built-in effects.
struct PatternChoice {
    std::vector<pattern::Step> steps;
    int repeats;
};

// A new scheme file, written beside the one it is to replace and put in its
// place only once it is complete and on disk. Until then the old file stays
// as it was; a draft that is never put in place is removed. While a draft is
// being written, other copies of the program leave it alone.
class SchemeDraft {
    Q_DECLARE_TR_FUNCTIONS(SchemeDraft)

public:
    explicit SchemeDraft(QString target, DiskSync sync = syncToDisk);

    // Writes the chosen effects in the order given, then the patterns, and
    // puts them on disk; call it once. `afterEffect` runs after each effect
    // or pattern with the number written so far. Returns what went wrong.
    std::optional<QString> write(const std::vector<EffectChoice> &chosen, const std::vector<PatternChoice> &patterns,
                                 const std::function<void(int)> &afterEffect);

    // Of what write() put in the draft, as fingerprint() gives it for a file.
    QByteArray fingerprint() const { return hash_.result().toHex(); }

    // Puts the draft in place of the target, unless it was removed or
    // replaced meanwhile. Returns what went wrong.
    std::optional<QString> commit();
    // After the commit: makes the new name survive a power cut. Returns what
    // went wrong; the new scheme is in place either way.
    std::optional<QString> syncFolder();

private:
    std::optional<QString> append(int effect, int repeats);
    std::optional<QString> appendText(const QByteArray &text);

    QString target_;
    DiskSync sync_;
    QTemporaryFile draft_;
    QCryptographicHash hash_{QCryptographicHash::Sha256};
};

// Removes the drafts beside the scheme that no build is writing any more,
// such as those of a build cut short.
void removeStaleDrafts(const QString &schemePath);

// Tells one scheme file's content from another's; empty for a missing file.
QByteArray fingerprint(const QString &path);

} // namespace scheme
