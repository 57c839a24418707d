// The commands of the user's patterns, beside the others in PlayerCommands.cpp.
#include "PlayerCommands.h"

#include "EffectCatalogue.h"
#include "PlayerCall.h"

// A change that was made is told to the faces that list the patterns.
pattern::Outcome PlayerCommands::announced(pattern::Outcome outcome)
{
    if (!outcome)
        emit patternsChanged();
    return outcome;
}

PlayerCommands::PatternList PlayerCommands::patterns() const
{
    return library_.list();
}

std::optional<pattern::Pattern> PlayerCommands::findPattern(const QString &name) const
{
    return library_.find(name);
}

pattern::Outcome PlayerCommands::savePattern(const QString &name, const std::vector<pattern::Step> &steps, int &version)
{
    return announced(library_.save(name, steps, version));
}

pattern::Outcome PlayerCommands::renamePattern(const QString &from, const QString &to, int version)
{
    return announced(library_.rename(from, to, version));
}

pattern::Outcome PlayerCommands::copyPattern(const QString &from, const QString &to)
{
    return announced(library_.copy(from, to));
}

pattern::Outcome PlayerCommands::deletePattern(const QString &name, int version)
{
    return announced(library_.remove(name, version));
}

// A built-in effect is played by its number, as the other faces play it,
// so every face names it alike.
PlayerCommands::Failure PlayerCommands::playPattern(const QString &name)
{
    const std::optional<pattern::Pattern> found = library_.find(name);
    if (!found)
        return tr("There is no pattern \"%1\".").arg(name);
    if (found->builtIn())
        return play(found->effect);
    return previewPattern(name, found->steps);
}

PlayerCommands::Failure PlayerCommands::previewPattern(const QString &name, const std::vector<pattern::Step> &steps)
{
    if (const QString problem = pattern::stepsProblem(steps); !problem.isEmpty())
        return problem;
    if (auto refused = followingProblem())
        return refused;
    callPlayer(player_, [&name, &steps](Player &player) { player.playPattern(name, steps); });
    return std::nullopt;
}

PlayerCommands::ChosenPatterns PlayerCommands::chosenPatterns(const Selection &selection, const pattern::PatternLibrary &library)
{
    std::vector<scheme::PatternChoice> chosen;
    qsizetype rows = 0;
    for (int i = 0; i < effects::Count; ++i)
        if (selection.ticked[static_cast<std::size_t>(i)])
            rows += static_cast<qsizetype>(pattern::effect(i)->rows.size()) * selection.repeats[static_cast<std::size_t>(i)];
    for (const PatternPick &pick : selection.patterns) {
        std::optional<pattern::Pattern> found = library.find(pick.name);
        if (!found)
            return tr("There is no pattern \"%1\"; the current scheme is kept.").arg(pick.name);
        rows += static_cast<qsizetype>(found->steps.size()) * pick.repeats;
        chosen.push_back({std::move(found->steps), pick.repeats});
    }
    if (rows > pattern::MaxSteps)
        return tr("The scheme would have %1 rows, more than the %2 a scheme can hold; choose fewer "
                  "repeats or shorter patterns.")
            .arg(rows)
            .arg(pattern::MaxSteps);
    return chosen;
}
