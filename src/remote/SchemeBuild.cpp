#include "SchemeBuild.h"

#include "SchemeBuilder.h"
#include "SelectionStore.h"

#include <cstdio>

PlayerCommands::Failure buildSchemeFile(const QString &schemePath, const SettingsStore &settings, const Selection &selection)
{
    std::vector<pattern::EffectChoice> chosen;
    for (int i = 0; i < settings::EffectCount; ++i)
        if (selection.ticked[static_cast<std::size_t>(i)])
            chosen.push_back({i, selection.repeats[static_cast<std::size_t>(i)]});
    pattern::SchemeDraft draft(schemePath);
    std::optional<QString> failure = draft.write(chosen, [](int) {});
    const SelectionStore selections(settings);
    if (!failure)
        failure = selections.stage(selection, pattern::fingerprint(draft.fileName()));
    if (!failure) {
        failure = draft.commit();
        if (failure)
            selections.dropStaged();
    }
    if (failure)
        return QStringLiteral("The scheme could not be built; the previous scheme is kept: %1").arg(*failure);
    // The new scheme is in place either way; what went wrong after is logged.
    if (auto notOnDisk = draft.syncFolder())
        std::fprintf(stderr, "The scheme was built, but may be lost if the power fails now: %s\n", qPrintable(*notOnDisk));
    if (auto notStored = selections.promote())
        std::fprintf(stderr, "The scheme was built, but the selection could not be saved: %s\n", qPrintable(*notStored));
    return std::nullopt;
}
