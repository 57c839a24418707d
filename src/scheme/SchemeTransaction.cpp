#include "SchemeTransaction.h"

#include "SelectionStore.h"

#include <QCoreApplication>
#include <algorithm>

namespace scheme {

using Kind = SchemeBuildProblem::Kind;

QString SchemeBuildProblem::headline() const
{
    switch (kind) {
    case Kind::NotBuilt:
        return QCoreApplication::translate("SchemeTransaction", "The scheme could not be built. The previous scheme is kept.");
    case Kind::NotOnDisk:
        return QCoreApplication::translate(
            "SchemeTransaction", "The scheme was built, but the disk reported an error: it may be lost if the power fails now.");
    case Kind::SelectionNotSaved:
        return QCoreApplication::translate("SchemeTransaction", "The scheme was built, but the selection could not be saved.");
    }
    return {};
}

bool SchemeBuildResult::replaced() const
{
    return std::none_of(problems.begin(), problems.end(),
                        [](const SchemeBuildProblem &problem) { return problem.kind == Kind::NotBuilt; });
}

SchemeTransaction::SchemeTransaction(QString schemePath, const SettingsStore &settings, DiskSync sync)
    : schemePath_(std::move(schemePath)), settings_(settings), sync_(std::move(sync))
{
}

std::optional<QString> SchemeTransaction::recover() const
{
    removeStaleDrafts(schemePath_);
    return SelectionStore(settings_).recover(fingerprint(schemePath_));
}

// Each step starts only once the one before has succeeded, so that a stop
// anywhere leaves a scheme and a stored selection that belong together, or
// a staged selection that recover() settles.
SchemeBuildResult SchemeTransaction::build(const Selection &selection, const std::vector<PatternChoice> &patterns,
                                           const std::function<void(int)> &afterEffect) const
{
    std::vector<EffectChoice> chosen;
    for (int i = 0; i < effects::Count; ++i)
        if (selection.ticked[static_cast<std::size_t>(i)])
            chosen.push_back({i, selection.repeats[static_cast<std::size_t>(i)]});

    SchemeDraft draft(schemePath_, sync_);
    if (auto failure = draft.write(chosen, patterns, afterEffect))
        return {{{Kind::NotBuilt, *failure}}};
    Selection built = selection;
    built.numEffects = static_cast<int>(chosen.size());
    const SelectionStore selections(settings_);
    if (auto failure = selections.stage(built, draft.fingerprint()))
        return {{{Kind::NotBuilt, *failure}}};
    if (auto failure = draft.commit()) {
        // Should this fail too, the next start drops the staged selection,
        // as it does not match the scheme in place.
        selections.dropStaged();
        return {{{Kind::NotBuilt, *failure}}};
    }
    SchemeBuildResult result;
    if (auto failure = draft.syncFolder())
        result.problems.push_back({Kind::NotOnDisk, *failure});
    if (auto failure = selections.promote(built))
        result.problems.push_back({Kind::SelectionNotSaved, *failure});
    return result;
}

} // namespace scheme
