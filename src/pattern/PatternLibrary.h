#pragma once

#include "DiskSync.h"
#include "Pattern.h"

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <vector>

namespace pattern {

// Why the library turned a request down, and what kind of refusal it is, so
// that a face can answer "not found" apart from "changed meanwhile".
struct Refusal {
    enum class Kind {
        BadInput, // the name or the steps
        NotFound,
        Stale,   // the pattern changed or went since the copy the edit started from
        Taken,   // another pattern has that name
        BuiltIn, // the built-in effects cannot be changed
        Disk,
    };
    Kind kind;
    QString reason;
};
using Outcome = std::optional<Refusal>;

// The built-in effects, listed as patterns that cannot be changed, and the
// user's own patterns, one file each in a folder of their own. A file is
// written beside its place and renamed into it once it is on disk, so a
// pattern is either the old one or the new one, never half of each.
class PatternLibrary {
    Q_DECLARE_TR_FUNCTIONS(PatternLibrary)

public:
    explicit PatternLibrary(QString folder, DiskSync sync = syncToDisk);

    // The user's folder for this installation; needs the application object.
    static QString userFolder();

    // The built-ins in their order, then the user's patterns by name.
    std::vector<Pattern> list() const;
    std::optional<Pattern> find(const QString &name) const;

    // Saves the steps under the name. `baseVersion` is the version the edit
    // started from, 0 for a new pattern; on success it becomes the new one.
    Outcome save(const QString &name, const std::vector<Step> &steps, int &baseVersion);
    Outcome rename(const QString &from, const QString &to, int baseVersion);
    // Any pattern, a built-in too, as a new user pattern.
    Outcome copy(const QString &from, const QString &to);
    Outcome remove(const QString &name, int baseVersion);

    // The file a name is stored in, safe whatever the name holds.
    static QString fileNameFor(const QString &name);

private:
    std::optional<Pattern> readUserPattern(const QString &name) const;
    Outcome write(const Pattern &pattern);
    Outcome checkNewName(const QString &name) const;
    Outcome checkEditable(const QString &name, int baseVersion, std::optional<Pattern> &found) const;

    QString folder_;
    DiskSync sync_;
};

} // namespace pattern
