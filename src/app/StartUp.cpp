#include "StartUp.h"

#include "HeadlessPlayer.h"
#include "LogLine.h"
#include "PlayerCommands.h"
#include "PortSetting.h"
#include "SchemeTransaction.h"
#include "SelectionStore.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace startup {

namespace {

// The scheme is derived from the selection, so a missing one is made again
// from it. Returns whether it was.
bool rebuildFromSelection(const QString &path, const SettingsStore &settings, QStringList &problems)
{
    if (!settings.hasSection(settings::NumEffects.section))
        return false;
    const Selection stored = SelectionStore(settings).read();
    if (auto problem = PlayerCommands::selectionProblem(stored)) {
        logLine(QStringLiteral("The scheme %1 is missing, and the stored selection cannot make it (%2); the default "
                               "is used.")
                    .arg(path, *problem));
        return false;
    }
    auto patterns = PlayerCommands::chosenPatterns(stored, pattern::PatternLibrary(pattern::PatternLibrary::userFolder()));
    if (const QString *missing = std::get_if<QString>(&patterns)) {
        logLine(QStringLiteral("The scheme %1 is missing, and the stored selection cannot make it (%2); the default "
                               "is used.")
                    .arg(path, *missing));
        return false;
    }
    const scheme::SchemeBuildResult result =
        scheme::SchemeTransaction(path, settings).build(stored, std::get<0>(patterns), [](int) {});
    for (const scheme::SchemeBuildProblem &problem : result.problems)
        problems << QStringLiteral("%1 %2").arg(problem.headline(), problem.reason);
    if (!result.replaced())
        return false;
    logLine(QStringLiteral("The scheme %1 was missing; it was built again from the stored selection.").arg(path));
    return true;
}

} // namespace

PreparedScheme prepareScheme(const CommandLine &commandLine, const scheme::SchemePlace &place,
                             const SettingsStore &settings)
{
    if (commandLine.scheme())
        return {*commandLine.scheme(), {}};
    PreparedScheme prepared{place.path, {}};
    if (!QFileInfo::exists(place.path) && !rebuildFromSelection(place.path, settings, prepared.problems))
        if (auto failure = scheme::makeFirstCopy(place))
            prepared.problems << QCoreApplication::translate(
                "StartUp", "The default scheme could not be copied: %1").arg(*failure);
    if (auto failure = scheme::SchemeTransaction(place.path, settings).recover())
        prepared.problems << *failure;
    for (const QString &problem : std::as_const(prepared.problems))
        logLine(problem);
    return prepared;
}

Player::Choices playerChoices(const CommandLine &commandLine, const SettingsStore &settings, QString schemePath)
{
    return {commandLine.port().value_or(settings.read(settings::Port)), std::move(schemePath),
            commandLine.speed().value_or(PlayerCommands::storedSpeed(settings))};
}

std::optional<int> outputMistake(const CommandLine &commandLine, const SettingsStore &settings)
{
    // Without its settings the player cannot know which output is meant;
    // guessing the default would blame the wrong device every few seconds.
    if (const auto unreadable = settings.readProblem(); unreadable && !commandLine.port()) {
        logLine(QStringLiteral("Lampotron %1, so it does not know which output to use. Make the file readable, or "
                               "name the output with --port.")
                    .arg(*unreadable));
        return int(HeadlessPlayer::ConfigurationError);
    }
    const QString output = commandLine.port().value_or(settings.read(settings::Port));
    const PortSetting parsed = parsePortSetting(output.toStdString());
    if (parsed.kind == PortSetting::Kind::Valid)
        return std::nullopt;
    const QString where = commandLine.port() ? QStringLiteral("--port")
                                             : QStringLiteral("Port= in %1").arg(settings.fileName());
    logLine(QStringLiteral("The output setting cannot work: %1 Correct %2 (see lampotron --help and --list-ports).")
                .arg(QString::fromStdString(parsed.error), where));
    return commandLine.port() ? int(CommandLine::UsageError) : int(HeadlessPlayer::ConfigurationError);
}

FollowDecision followChoice(const CommandLine &commandLine, const SettingsStore &settings)
{
    const QString text = commandLine.follow().value_or(settings.read(settings::Follow));
    if (text.isEmpty())
        return {};
    if (!LAMPOTRON_WITH_OLA) {
        logLine(QStringLiteral("This Lampotron was built without OLA (the build option LAMPOTRON_WITH_OLA was off), "
                               "so it cannot follow a universe."));
        return {std::nullopt, commandLine.follow() ? int(CommandLine::UsageError) : int(HeadlessPlayer::ConfigurationError)};
    }
    const FollowChoice choice = parseFollow(text, settings.read(settings::FollowThreshold),
                                            std::chrono::milliseconds(settings.read(settings::FollowHold)));
    if (choice.target)
        return {choice.target, std::nullopt};
    logLine(commandLine.follow() ? choice.problem
                                 : QStringLiteral("%1 Correct Follow= in %2.").arg(choice.problem, settings.fileName()));
    return {std::nullopt, commandLine.follow() ? int(CommandLine::UsageError) : int(HeadlessPlayer::ConfigurationError)};
}

} // namespace startup
