#include "FseqFiles.h"

#include "Fseq.h"
#include "PatternLibrary.h"
#include "PlayerCommands.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

int failed(const QString &reason)
{
    std::fprintf(stderr, "%s\n", qPrintable(reason));
    return EXIT_FAILURE;
}

} // namespace

int importFseqFile(const CommandLine::FseqImport &wanted)
{
    const fseq::ImportResult imported = fseq::importFile(wanted.file, {wanted.firstChannel, wanted.threshold});
    if (!imported.problem.isEmpty())
        return failed(QCoreApplication::translate(
            "FseqFiles", "%1 was not imported: %2").arg(wanted.file, imported.problem));
    pattern::PatternLibrary library(pattern::PatternLibrary::userFolder());
    int version = 0;
    if (const pattern::Outcome refused = library.save(wanted.name, imported.steps, version))
        return failed(QCoreApplication::translate(
            "FseqFiles", "%1 was not imported: %2").arg(wanted.file, refused->reason));
    std::printf("Pattern \"%s\": %zu steps from %lld frames of %d ms, channels %d to %d.\n", qPrintable(wanted.name),
                imported.steps.size(), static_cast<long long>(imported.frames), imported.frameMs, wanted.firstChannel,
                wanted.firstChannel + fseq::LampCount - 1);
    return EXIT_SUCCESS;
}

int exportFseqFile(const CommandLine::FseqExport &wanted)
{
    const std::optional<pattern::Pattern> found =
        pattern::PatternLibrary(pattern::PatternLibrary::userFolder()).find(wanted.name);
    if (!found)
        return failed(QCoreApplication::translate(
            "FseqFiles", "There is no pattern \"%1\"; the patterns are listed on the remote's page.").arg(wanted.name));
    // Steps without a time of their own last the delay the player is set to.
    const fseq::ExportResult made = fseq::exportSteps(found->steps, wanted.frameMs, PlayerCommands::storedSpeed(SettingsStore()));
    if (!made.problem.isEmpty())
        return failed(made.problem);
    QSaveFile file(wanted.file);
    if (!file.open(QIODevice::WriteOnly) || file.write(made.file) != made.file.size() || !file.commit())
        return failed(QCoreApplication::translate(
            "FseqFiles", "%1 cannot be written: %2").arg(wanted.file, file.errorString()));
    std::printf("Pattern \"%s\" written to %s: %lld bytes, frames of %d ms.\n", qPrintable(wanted.name),
                qPrintable(wanted.file), static_cast<long long>(made.file.size()), wanted.frameMs);
    return EXIT_SUCCESS;
}
