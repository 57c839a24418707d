#include "PlayerCommands.h"

#include "EffectCatalogue.h"
#include "PlayerCall.h"
#include "SettingsKeys.h"

#include <algorithm>
#include <chrono>

PlayerCommands::PlayerCommands(Player &player, const SettingsStore &settings, SchemeBuilder buildScheme,
                               QObject *parent)
    : QObject(parent), player_(player), buildScheme_(std::move(buildScheme)),
      settingsWriter_(new SettingsWriter(settings, std::chrono::milliseconds(300), this))
{
}

PlayerCommands::Failure PlayerCommands::start()
{
    return callPlayer(player_, [](Player &player) -> Failure {
        if (player.state().rows == 0)
            return QStringLiteral("There is no scheme to play; build one first.");
        player.start();
        return std::nullopt;
    });
}

PlayerCommands::Failure PlayerCommands::stop()
{
    callPlayer(player_, [](Player &player) { player.stop(); });
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::pause()
{
    callPlayer(player_, [](Player &player) { player.setPaused(true); });
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::resume()
{
    callPlayer(player_, [](Player &player) { player.setPaused(false); });
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::setSpeed(int speedMs)
{
    if (auto problem = speedProblem(speedMs))
        return problem;
    callPlayer(player_, [speedMs](Player &player) { player.setSpeed(speedMs); });
    settingsWriter_->store({settings::Speed.section, settings::Speed.key, QString::number(speedMs)});
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::chooseOutput(const QString &output)
{
    if (auto problem = outputProblem(output))
        return problem;
    callPlayer(player_, [&output](Player &player) { player.chooseOutput(output); });
    settingsWriter_->store({settings::Port.section, settings::Port.key, output});
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::openOutput()
{
    const Player::OpenResult opened = callPlayer(player_, [](Player &player) { return player.openOutput(); });
    if (opened.opened)
        return std::nullopt;
    return QStringLiteral("Port not presents: %1").arg(opened.problem);
}

PlayerCommands::Failure PlayerCommands::allOff()
{
    callPlayer(player_, [](Player &player) {
        player.stop();
        player.allOff();
    });
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::play(int effect)
{
    if (auto problem = effectProblem(effect))
        return problem;
    if (effect == -1)
        return callPlayer(player_, [](Player &player) -> Failure {
            if (auto failure = player.loadScheme())
                return QStringLiteral("The scheme cannot be played: %1").arg(*failure);
            player.start();
            return std::nullopt;
        });
    callPlayer(player_, [effect](Player &player) { player.playEffect(effect); });
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::build(const Selection &selection)
{
    if (auto problem = selectionProblem(selection))
        return problem;
    if (callPlayer(player_, [](Player &player) { return player.state().playback; }) != PlayerState::Playback::Stopped)
        return QStringLiteral("Stop playing before building a new scheme.");
    if (auto failure = buildScheme_(selection))
        return failure;
    return callPlayer(player_, [](Player &player) -> Failure {
        if (auto failure = player.loadScheme())
            return QStringLiteral("The new scheme cannot be read: %1").arg(*failure);
        return std::nullopt;
    });
}

PlayerState PlayerCommands::state()
{
    return callPlayer(player_, [](Player &player) { return player.state(); });
}

std::uint8_t PlayerCommands::lamps()
{
    return callPlayer(player_, [](Player &player) { return player.lamps(); });
}

PlayerCommands::Failure PlayerCommands::speedProblem(int speedMs)
{
    if (speedMs < settings::Speed.minimum || speedMs > settings::Speed.maximum)
        return QStringLiteral("The speed is %1 to %2 ms, not %3.")
            .arg(settings::Speed.minimum)
            .arg(settings::Speed.maximum)
            .arg(speedMs);
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::outputProblem(const QString &output)
{
    if (output.trimmed().isEmpty())
        return QStringLiteral("Name an output, such as ola:1 (see the outputs found).");
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::effectProblem(int effect)
{
    if (effect != -1 && !pattern::effect(effect))
        return QStringLiteral("There is no effect %1; they are numbered 0 to %2.").arg(effect).arg(pattern::EffectCount - 1);
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::selectionProblem(const Selection &selection)
{
    if (std::none_of(selection.ticked.begin(), selection.ticked.end(), [](bool ticked) { return ticked; }))
        return QStringLiteral("Tick at least one effect to build a scheme. The current scheme is kept.");
    for (int repeats : selection.repeats)
        if (repeats < 1 || repeats > settings::effectRepeats(0).maximum)
            return QStringLiteral("Each effect repeats 1 to %1 times, not %2.")
                .arg(settings::effectRepeats(0).maximum)
                .arg(repeats);
    return std::nullopt;
}
