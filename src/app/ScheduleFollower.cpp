#include "ScheduleFollower.h"

#include "LogLine.h"
#include "PlayerCommands.h"
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

// Acts on the state, not on the change: starting what already plays, or
// stopping what is already stopped, does nothing.
void ScheduleFollower::follow(bool play, schedule::EndOfShow end, const QString &status)
{
    const bool stopped = commands_.state().playback == PlayerState::Playback::Stopped;
    const bool scheduled = clock_.schedule().inUse();
    if (play && stopped) {
        if (auto refused = commands_.start())
            logLine(QStringLiteral("Not playing: %1").arg(*refused));
        else
            logLine(scheduled ? QStringLiteral("Playing by the schedule; %1.").arg(status) : QStringLiteral("Playing."));
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
