#include "BuildSchemeFile.h"

#include "SchemeBuild.h"

#include <cstdio>

PlayerCommands::Failure buildSchemeFile(const QString &schemePath, const SettingsStore &settings,
                                        const Selection &selection)
{
    const SchemeBuildResult result = SchemeBuild(schemePath, settings).build(selection, [](int) {});
    for (const SchemeBuildProblem &problem : result.problems) {
        if (!result.replaced())
            return QStringLiteral("%1 %2").arg(problem.headline(), problem.reason);
        std::fprintf(stderr, "%s %s\n", qPrintable(problem.headline()), qPrintable(problem.reason));
    }
    return std::nullopt;
}
