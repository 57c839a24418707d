#include "HeadlessPlayer.h"

#include "LogLine.h"
#include "PrintableSetting.h"

#include <QCoreApplication>

#include <csignal>

namespace {

// An output's setting as a log line may quote it.
QString printable(const QString &output)
{
    return QString::fromStdString(printableSetting(output.toStdString()));
}

} // namespace

HeadlessPlayer::HeadlessPlayer(const Player &player, PlayerCommands &commands, std::optional<int> speedChosen,
                               bool outputChosen, const SettingsStore &settings, std::optional<Following> following,
                               QObject *parent)
    : QObject(parent), commands_(commands), speedChosen_(speedChosen), outputChosen_(outputChosen),
      settings_(settings), following_(std::move(following))
{
    connect(&player, &Player::portLost, this, &HeadlessPlayer::onPortLost);
    connect(&player, &Player::noted, this, &logLine);
}

std::optional<int> HeadlessPlayer::start()
{
    logLine(QStringLiteral("Lampotron %1 started without a window.").arg(QCoreApplication::applicationVersion()));
    if (auto unreadable = settings_.readProblem())
        logLine(QStringLiteral("Lampotron %1; the defaults are used until it can be read.").arg(*unreadable));
    const PlayerState state = commands_.state();
    output_ = state.output;
    if (following_) {
        if (const auto failed = openOutput())
            return failed;
        if (auto failure = commands_.follow(following_->target, following_->makeSource(following_->target.universe))) {
            logLine(QStringLiteral("Cannot follow %1: %2").arg(following_->target.describe(), *failure));
            return PortUnavailable;
        }
        return std::nullopt;
    }
    if (auto failure = commands_.loadScheme()) {
        logLine(QStringLiteral("Cannot play %1: %2. Build a scheme in the window, or name one with --scheme.")
                .arg(commands_.schemePath(), *failure));
        return SchemeUnusable;
    }
    if (const auto failed = openOutput())
        return failed;
    logLine(QStringLiteral("Scheme %1 loaded: %2 rows.").arg(commands_.schemePath()).arg(commands_.state().rows));
    logLine(QStringLiteral("One row every %1 ms.").arg(state.speedMs));
    return std::nullopt;
}

std::optional<int> HeadlessPlayer::openOutput()
{
    const Player::OpenResult opened = commands_.openPort();
    if (!opened.opened) {
        logLine(QStringLiteral("Cannot open the output %1: %2").arg(printable(output_), opened.problem));
        return PortUnavailable;
    }
    logLine(QStringLiteral("Output %1 opened.").arg(printable(output_)));
    if (!opened.notice.isEmpty())
        logLine(opened.notice);
    return std::nullopt;
}

void HeadlessPlayer::onSignal(int signalNumber)
{
    if (signalNumber == SIGHUP) {
        reload();
        return;
    }
    end(Stopped);
}

// Says "every line is low" only when the output confirmed it; otherwise says
// why not, and ends with the output's code so that a service shows it.
void HeadlessPlayer::end(int code)
{
    const QString doubt = commands_.release();
    if (doubt.isEmpty()) {
        logLine(QStringLiteral("Stopped; every line is low and the output is released."));
    } else {
        logLine(QStringLiteral("Stopped, but %1").arg(doubt));
        code = PortUnavailable;
    }
    commands_.finish(code);
}

// The old scheme plays on when the new one cannot be read.
void HeadlessPlayer::reload()
{
    if (following_) {
        logLine(QStringLiteral("Still following %1; the schedule is read anew.").arg(following_->target.describe()));
        return;
    }
    if (auto failure = commands_.loadScheme()) {
        logLine(QStringLiteral("Not reloaded, the old scheme plays on: %1 (%2).").arg(*failure, commands_.schemePath()));
        return;
    }
    commands_.useSpeed(speedChosen_.value_or(PlayerCommands::storedSpeed(settings_)));
    const PlayerState state = commands_.state();
    logLine(QStringLiteral("Reloaded %1: %2 rows, one every %3 ms.")
            .arg(commands_.schemePath())
            .arg(state.rows)
            .arg(state.speedMs));
    const QString stored = settings_.read(settings::Port);
    if (!outputChosen_ && stored != state.output)
        logLine(QStringLiteral("The Port setting now names %1; restart to use it.").arg(printable(stored)));
}

void HeadlessPlayer::onPortLost(const QString &reason)
{
    logLine(QStringLiteral("The output %1 stopped answering: %2").arg(printable(output_), reason));
    end(PortUnavailable);
}
