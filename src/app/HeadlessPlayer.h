#pragma once

#include "FollowTarget.h"
#include "FrameSource.h"
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

    // A follower's frames, from the universe it follows.
    using SourceMaker = std::function<std::unique_ptr<FrameSource>(unsigned universe)>;
    struct Following {
        FollowTarget target;
        SourceMaker makeSource;
    };

    // `speedChosen` is the speed given for this run, over the stored one;
    // `outputChosen` says that the output was named for this run; with
    // `following`, a universe on the network takes the scheme's place.
    HeadlessPlayer(const Player &player, PlayerCommands &commands, std::optional<int> speedChosen, bool outputChosen,
                   const SettingsStore &settings, std::optional<Following> following = std::nullopt,
                   QObject *parent = nullptr);

    // Loads the scheme and opens the port, ready to play. Returns the exit
    // code at once when that cannot be done.
    std::optional<int> start();

    void onSignal(int signalNumber);

private:
    void reload();
    void end(int code);
    void onPortLost(const QString &reason);
    std::optional<int> openOutput();

    PlayerCommands &commands_;
    std::optional<int> speedChosen_;
    bool outputChosen_;
    const SettingsStore &settings_;
    std::optional<Following> following_;
    QString output_;
};
