#pragma once

#include "PlayerCommands.h"
#include "ScheduleClock.h"
#include "SettingsStore.h"
#include "WallClock.h"

#include <QObject>

class ServiceNotifier;

// Plays the show when the schedule says so and stops it when it says not,
// for the player without a window; the status goes to systemd. Without a
// schedule it plays all the time. An entry plays the scheme, or the effect
// or pattern its play= names.
class ScheduleFollower : public QObject {
    Q_OBJECT

public:
    ScheduleFollower(PlayerCommands &commands, ServiceNotifier &service, const SettingsStore &settings,
                     schedule::WallClock &wallClock, QObject *parent = nullptr);

    // Acts on what the schedule says now, and on each change from then on.
    void start();
    // The settings read anew, as on SIGHUP.
    void reread();

private:
    void follow(bool play, schedule::EndOfShow end, const QString &status);
    schedule::Schedule read();
    QString whatToPlay();
    PlayerCommands::Failure playScheme();

    PlayerCommands &commands_;
    ServiceNotifier &service_;
    const SettingsStore &settings_;
    schedule::ScheduleClock clock_;
};
