#include "PlayerCommands.h"

#include "EffectCatalogue.h"
#include "LogLine.h"
#include "PlayerCall.h"
#include "PortSetting.h"
#include "SettingsKeys.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int SpeedStepMs = 50;

} // namespace

PlayerCommands::PlayerCommands(Player &player, const SettingsStore &settings, const QString &patternsFolder,
                               std::chrono::milliseconds settingsQuiet, QObject *parent)
    : QObject(parent), player_(player), settings_(settings), library_(patternsFolder),
      settingsWriter_(new SettingsWriter(settings, settingsQuiet, this))
{
    connect(settingsWriter_, &SettingsWriter::failed, this, &PlayerCommands::settingsFailed);
}

template <typename Call>
auto PlayerCommands::ask(Call call)
{
    return callPlayer(player_, call);
}

PlayerCommands::Failure PlayerCommands::start()
{
    return ask([](Player &player) -> Failure {
        if (player.following() && player.state().playback != PlayerState::Playback::Stopped)
            return tr("Following %1 already.").arg(player.state().following);
        if (player.state().rows == 0 && !player.following())
            return tr("There is no scheme to play; build one first.");
        player.start();
        return std::nullopt;
    });
}

PlayerCommands::Failure PlayerCommands::stop()
{
    ask([](Player &player) { player.stop(); });
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::stopAtEndOfPass()
{
    ask([](Player &player) { player.stopAtEndOfPass(); });
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::pause()
{
    return setPaused(true);
}

PlayerCommands::Failure PlayerCommands::resume()
{
    return setPaused(false);
}

PlayerCommands::Failure PlayerCommands::setPaused(bool paused)
{
    ask([paused](Player &player) { player.setPaused(paused); });
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::setSpeed(int speedMs)
{
    if (auto failure = useSpeed(speedMs))
        return failure;
    settingsWriter_->store({settings::Speed.section, settings::Speed.key, QString::number(speedMs)});
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::useSpeed(int speedMs)
{
    if (auto problem = speedProblem(speedMs))
        return problem;
    ask([speedMs](Player &player) { player.setSpeed(speedMs); });
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::chooseOutput(const QString &output)
{
    if (auto problem = outputProblem(output))
        return problem;
    ask([&output](Player &player) { player.chooseOutput(output); });
    settingsWriter_->store({settings::Port.section, settings::Port.key, output});
    return std::nullopt;
}

void PlayerCommands::storeFollowSchedule(bool on)
{
    settingsWriter_->store({settings::FollowSchedule.section, settings::FollowSchedule.key, on ? QStringLiteral("1") : QStringLiteral("0")});
}

void PlayerCommands::storeRemote(const QString &address, quint16 port)
{
    settingsWriter_->store({settings::Remote.section, settings::Remote.key, address});
    settingsWriter_->store({settings::RemotePort.section, settings::RemotePort.key, QString::number(port)});
}

Player::OpenResult PlayerCommands::openPort()
{
    return ask([](Player &player) { return player.openOutput(); });
}

PlayerCommands::Failure PlayerCommands::openOutput()
{
    const Player::OpenResult opened = openPort();
    if (opened.opened)
        return std::nullopt;
    return QStringLiteral("%1: %2").arg(QCoreApplication::translate("MainWindow", PortNotPresent.toUtf8().constData()),
                                          opened.problem);
}

PlayerCommands::Failure PlayerCommands::allOff()
{
    ask([](Player &player) {
        player.stop();
        player.allOff();
    });
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::play(int effect)
{
    if (auto problem = effectProblem(effect))
        return problem;
    if (auto refused = followingProblem())
        return refused;
    if (effect == -1)
        return ask([](Player &player) -> Failure {
            if (auto failure = player.loadScheme())
                return tr("The scheme cannot be played: %1").arg(*failure);
            player.start();
            return std::nullopt;
        });
    ask([effect](Player &player) { player.playEffect(effect); });
    return std::nullopt;
}

PlayerCommands::BuildAnswer PlayerCommands::buildScheme(const Selection &selection,
                                                         const std::function<void(int)> &afterEffect)
{
    if (auto refused = followingProblem())
        return {refused, {}};
    if (state().playback != PlayerState::Playback::Stopped)
        return {tr("Stop playing before building a new scheme."), {}};
    return writeScheme(selection, afterEffect);
}

PlayerCommands::BuildAnswer PlayerCommands::writeScheme(const Selection &selection, const std::function<void(int)> &afterEffect)
{
    if (auto problem = selectionProblem(selection))
        return {problem, {}};
    if (auto refused = followingProblem())
        return {refused, {}};
    auto patterns = chosenPatterns(selection, library_);
    if (const QString *missing = std::get_if<QString>(&patterns))
        return {*missing, {}};
    return {std::nullopt, scheme::SchemeTransaction(schemePath(), settings_)
                              .build(selection, std::get<std::vector<scheme::PatternChoice>>(patterns), afterEffect)};
}

PlayerCommands::Failure PlayerCommands::build(const Selection &selection, Player::Switch when)
{
    const BuildAnswer answer = writeScheme(selection, [](int) {});
    if (answer.refused)
        return answer.refused;
    for (const scheme::SchemeBuildProblem &problem : answer.result.problems) {
        if (!answer.result.replaced())
            return QStringLiteral("%1 %2").arg(problem.headline(), problem.reason);
        logLine(QStringLiteral("%1 %2").arg(problem.headline(), problem.reason));
    }
    if (auto failure = ask([when](Player &player) { return player.loadScheme(when); }))
        return tr("The new scheme cannot be read: %1").arg(*failure);
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::loadScheme()
{
    if (auto refused = followingProblem())
        return refused;
    return ask([](Player &player) { return player.loadScheme(); });
}

PlayerCommands::Failure PlayerCommands::follow(const FollowTarget &target, std::unique_ptr<FrameSource> source)
{
    source->moveToThread(player_.thread());
    return ask([&target, &source](Player &player) { return player.follow(target, std::move(source)); });
}

PlayerCommands::Failure PlayerCommands::followingProblem()
{
    const QString following = state().following;
    if (following.isEmpty())
        return std::nullopt;
    return tr("This player follows %1 from the network; it plays no scheme or effect of its own.")
        .arg(following);
}

QString PlayerCommands::release()
{
    return ask([](Player &player) { return player.release(); });
}

void PlayerCommands::finish(int exitCode)
{
    ask([exitCode](Player &player) { player.finish(exitCode); });
}

void PlayerCommands::shutDown(int exitCode)
{
    if (const QString doubt = release(); !doubt.isEmpty())
        logLine(QStringLiteral("Lampotron ended, but %1").arg(doubt));
    finish(exitCode);
}

PlayerState PlayerCommands::state()
{
    return ask([](Player &player) { return player.state(); });
}

std::uint8_t PlayerCommands::lamps()
{
    return ask([](Player &player) { return player.lamps(); });
}

QString PlayerCommands::schemePath()
{
    return ask([](Player &player) { return player.schemePath(); });
}

PlayerCommands::Failure PlayerCommands::setSchedule(const schedule::ScheduleEdit &edit, int version)
{
    if (auto problem = scheduleProblem(edit))
        return problem;
    // Whatever else waits is written first, so that this write is the last.
    if (auto failure = settingsWriter_->flush())
        return failure;
    const schedule::StoredSchedule stored = schedule::readStoredSchedule(settings_);
    if (stored.version != version)
        return tr("The schedule was changed meanwhile (version %1, not %2); load it again and redo the change.")
            .arg(stored.version).arg(version);
    if (auto failure = settings_.write(schedule::editValues(edit, stored.enabled), settings::ScheduleSection))
        return failure;
    emit scheduleChanged();
    return std::nullopt;
}

std::optional<QString> PlayerCommands::flushSettings()
{
    return settingsWriter_->flush();
}

PlayerCommands::Failure PlayerCommands::speedProblem(int speedMs)
{
    if (speedMs < settings::Speed.minimum || speedMs > settings::Speed.maximum || speedMs % SpeedStepMs != 0)
        return tr("The speed is %1 to %2 ms in steps of %3, not %4.")
            .arg(settings::Speed.minimum)
            .arg(settings::Speed.maximum)
            .arg(SpeedStepMs)
            .arg(speedMs);
    return std::nullopt;
}

// The outputs table's own parse, as --port is checked: a setting stored from
// afar that could never open would stop the service for good at its next start.
PlayerCommands::Failure PlayerCommands::outputProblem(const QString &output)
{
    const PortSetting parsed = parsePortSetting(output.toStdString());
    if (parsed.kind != PortSetting::Kind::Valid)
        return tr("That output cannot work: %1 See the outputs found.").arg(QString::fromStdString(parsed.error));
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::effectProblem(int effect)
{
    if (effect != -1 && !pattern::effect(effect))
        return tr("There is no effect %1; they are numbered 0 to %2.").arg(effect).arg(effects::Count - 1);
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::selectionProblem(const Selection &selection)
{
    if (std::none_of(selection.ticked.begin(), selection.ticked.end(), [](bool ticked) { return ticked; }) &&
        selection.patterns.empty())
        return tr("Tick at least one effect to build a scheme. The current scheme is kept.");
    for (int repeats : selection.repeats)
        if (repeats < 1 || repeats > effects::MaxRepeats)
            return tr("Each effect repeats 1 to %1 times, not %2.").arg(effects::MaxRepeats).arg(repeats);
    if (selection.patterns.size() > static_cast<std::size_t>(Selection::MaxPatterns))
        return tr("A scheme holds at most %1 patterns, not %2.")
            .arg(Selection::MaxPatterns)
            .arg(selection.patterns.size());
    for (const PatternPick &pick : selection.patterns) {
        if (const QString problem = pattern::nameProblem(pick.name); !problem.isEmpty())
            return problem;
        if (pick.repeats < 1 || pick.repeats > effects::MaxRepeats)
            return tr("Each pattern repeats 1 to %1 times, not %2.").arg(effects::MaxRepeats).arg(pick.repeats);
    }
    return std::nullopt;
}

PlayerCommands::Failure PlayerCommands::scheduleProblem(const schedule::ScheduleEdit &edit)
{
    if (const QString problem = schedule::editProblem(edit); !problem.isEmpty())
        return problem;
    return std::nullopt;
}

int PlayerCommands::nearestSpeed(int speedMs)
{
    const int clamped = std::clamp(speedMs, settings::Speed.minimum, settings::Speed.maximum);
    return (clamped + SpeedStepMs / 2) / SpeedStepMs * SpeedStepMs;
}

int PlayerCommands::storedSpeed(const SettingsStore &settings)
{
    const int stored = settings.read(settings::Speed);
    const int speed = nearestSpeed(stored);
    if (speed != stored)
        logLine(QStringLiteral("The stored speed %1 ms is not one of the steps of %2 ms; %3 ms is used.")
                    .arg(stored)
                    .arg(SpeedStepMs)
                    .arg(speed));
    return speed;
}
