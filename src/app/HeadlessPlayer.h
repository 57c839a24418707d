#pragma once

#include "Player.h"
#include "PlayerCommands.h"
#include "SettingsStore.h"

#include <QObject>

#include <optional>

// Plays the scheme on the output without a window, as a service does: it
// logs one line per event to stderr, ends on SIGTERM or SIGINT with every
// line low and the port released, and reloads the scheme and the settings
// on SIGHUP while the port stays open.
class HeadlessPlayer : public QObject {
    Q_OBJECT

public:
    // Exit codes a service manager can act on.
    enum ExitCode { Stopped = 0, SchemeUnusable = 1, PortUnavailable = 69, ConfigurationError = 78 };

    // `speedChosen` is the speed given for this run, over the stored one;
    // `outputChosen` says that the output was named for this run.
    HeadlessPlayer(const Player &player, PlayerCommands &commands, std::optional<int> speedChosen, bool outputChosen,
                   const SettingsStore &settings, QObject *parent = nullptr);

    // Loads the scheme and opens the port, ready to play. Returns the exit
    // code at once when that cannot be done.
    std::optional<int> start();

    void onSignal(int signalNumber);

private:
    void reload();
    void end(int code);
    void onPortLost(const QString &reason);

    PlayerCommands &commands_;
    std::optional<int> speedChosen_;
    bool outputChosen_;
    const SettingsStore &settings_;
    QString output_;
};
