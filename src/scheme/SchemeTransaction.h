#pragma once

#include "SchemeDraft.h"
#include "Selection.h"
#include "SettingsStore.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace scheme {

// One thing that went wrong in a build: what it means for the user, and the
// reason the system gave.
struct SchemeBuildProblem {
    enum class Kind {
        NotBuilt,          // nothing changed: the previous scheme and selection stay
        NotOnDisk,         // the new scheme is in place but may not survive a power cut
        SelectionNotSaved, // the new scheme is in place but the selection shown is not stored
    };
    Kind kind;
    QString reason;

    // The sentence the window shows above the reason.
    QString headline() const;
};

struct SchemeBuildResult {
    // In the order they arose; empty when everything went well.
    std::vector<SchemeBuildProblem> problems;

    // Whether the new scheme took the old one's place.
    bool replaced() const;
};

// Builds the scheme file from a selection of effects, keeping the stored
// selection in step with it whatever happens, and puts things right at
// start-up after a build that was cut short. Copies of the program running
// side by side leave each other's builds alone.
class SchemeTransaction {
public:
    SchemeTransaction(QString schemePath, const SettingsStore &settings, DiskSync sync = syncToDisk);

    // At start-up: keeps the stored selection that matches the scheme in
    // place, and removes drafts that no build is writing any more. Returns
    // what could not be stored.
    std::optional<QString> recover() const;

    // Writes the ticked effects, each its number of repeats, in order, and
    // puts the result in place of the scheme. The selection is taken as it
    // is: whether it may be built is the caller's rule. `afterEffect` runs after each
    // effect with the number written so far.
    // The selection's patterns come as `patterns`, their steps looked up by
    // the caller.
    SchemeBuildResult build(const Selection &selection, const std::vector<PatternChoice> &patterns,
                            const std::function<void(int effectsWritten)> &afterEffect) const;

private:
    QString schemePath_;
    const SettingsStore &settings_;
    DiskSync sync_;
};

} // namespace scheme
