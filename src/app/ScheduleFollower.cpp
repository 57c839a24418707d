#include "ScheduleFollower.h"

#include "LogLine.h"
#include "PlayerCommands.h"
#include "PrintableText.h"
#include "ScheduleSettings.h"
#include "ServiceNotifier.h"

ScheduleFollower::ScheduleFollower(PlayerCommands &commands, ServiceNotifier &service, const SettingsStore &settings,
                                   schedule::WallClock &wallClock, QObject *parent)
    : QObject(parent), commands_(commands), service_(service), settings_(settings), clock_(read(), wallClock)
{
    connect(&clock_, &schedule::ScheduleClock::shouldPlayChanged, this, &ScheduleFollower::follow);
    connect(&clock_, &schedule::ScheduleClock::statusChanged, &service_, [this](const QString &status) {
        service_.setScheduleNote(clock_.schedule().inUse() ? status : QString());
    });
    connect(&clock_, &schedule::ScheduleClock::noted, this, [](const QString &line) { logLine(line); });
    // An edit from afar takes effect at once, as SIGHUP does.
    connect(&commands_, &PlayerCommands::scheduleChanged, this, &ScheduleFollower::reread);
}

void ScheduleFollower::start()
{
    clock_.start();
}

void ScheduleFollower::reread()
{
    clock_.setSchedule(read());
}

schedule::Schedule ScheduleFollower::read()
{
    schedule::Schedule plan = schedule::readSchedule(settings_);
    for (const QString &problem : plan.problems())
        logLine(problem);
    return plan;
}

// What the entry that opened the window names, or the scheme: also when
// the pattern it names is gone, which is said each time instead.
QString ScheduleFollower::whatToPlay()
{
    const QString pattern = clock_.pattern();
    if (pattern.isEmpty() || commands_.findPattern(pattern))
        return pattern;
    logLine(QStringLiteral("The schedule names \"%1\" to play, and there is no such effect or pattern; playing the "
                           "scheme instead. Save the pattern again, or change play= in [Schedule].")
                .arg(schedule::printable(pattern)));
    return {};
}

// A pattern or an effect played alone before leaves its steps in the
// player; the scheme is read again then.
PlayerCommands::Failure ScheduleFollower::playScheme()
{
    const PlayerState state = commands_.state();
    if (state.effect >= 0 || !state.pattern.isEmpty())
        return commands_.play(-1);
    return commands_.start();
}

// Acts on the state, not on the change: starting what already plays, or
// stopping what is already stopped, does nothing.
void ScheduleFollower::follow(bool play, schedule::EndOfShow end, const QString &status)
{
    const bool stopped = commands_.state().playback == PlayerState::Playback::Stopped;
    const bool scheduled = clock_.schedule().inUse();
    if (play && stopped) {
        const QString pattern = whatToPlay();
        if (auto refused = pattern.isEmpty() ? playScheme() : commands_.playPattern(pattern))
            logLine(QStringLiteral("Not playing: %1").arg(*refused));
        else if (!scheduled)
            logLine(QStringLiteral("Playing."));
        else if (pattern.isEmpty())
            logLine(QStringLiteral("Playing by the schedule; %1.").arg(status));
        else
            logLine(QStringLiteral("Playing \"%1\" by the schedule; %2.").arg(schedule::printable(pattern), status));
    } else if (!play && !stopped) {
        if (end == schedule::EndOfShow::AfterPass)
            commands_.stopAtEndOfPass();
        else
            commands_.stop();
        logLine(QStringLiteral("Stopped by the schedule; %1.").arg(status));
    } else if (!play) {
        logLine(QStringLiteral("Waiting for the schedule; %1.").arg(status));
    }
    service_.setScheduleNote(scheduled ? status : QString());
}
