#pragma once

#include "ScheduleClock.h"
#include "ScheduleFollower.h"
#include "ServiceNotifier.h"

#include <QObject>

#include <functional>
#include <memory>

class PlayerCommands;
class SettingsStore;

// The schedule beside the window: what it does next, for the status line and
// the tray's tip while a schedule is in use, and, only while the user has
// ticked "follow the schedule", the window's playing state following it as
// the player without a window does.
class WindowSchedule : public QObject {
    Q_OBJECT

public:
    WindowSchedule(Player &player, PlayerCommands &commands, const SettingsStore &settings, schedule::WallClock &wallClock,
                   std::function<void(const QString &next)> showNext, QObject *parent = nullptr);

    void start();
    // Follows the schedule from now on, or leaves what plays alone; stored.
    void setFollowing(bool on);
    bool following() const { return follower_ != nullptr; }

private:
    void reread();
    void showNext();

    Player &player_;
    PlayerCommands &commands_;
    const SettingsStore &settings_;
    schedule::WallClock &wallClock_;
    std::function<void(const QString &)> showNext_;
    schedule::ScheduleClock clock_;
    // What a follower tells systemd; nothing hears it in a desktop session.
    ServiceNotifier service_;
    std::unique_ptr<ScheduleFollower> follower_;
};
