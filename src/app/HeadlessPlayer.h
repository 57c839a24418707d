#pragma once

#include "PlaybackEngine.h"
#include "PortDevice.h"
#include "SettingsStore.h"
#include "TimerfdDeadlineTimer.h"

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
    enum ExitCode { Stopped = 0, SchemeUnusable = 1, PortUnavailable = 69 };

    struct Choices {
        QString schemePath;
        std::optional<int> speed;   // over the stored one
        std::optional<QString> port; // over the stored one
    };

    HeadlessPlayer(Choices choices, const SettingsStore &settings, QObject *parent = nullptr);

    // Opens the port and starts playing. Returns the exit code at once when
    // that cannot be done.
    std::optional<int> start();

    void onSignal(int signalNumber);

private:
    void reload();
    void end(int code);
    void onPortLost(const QString &reason);
    int loadAtSpeed(pattern::PatternTable table);

    Choices choices_;
    const SettingsStore &settings_;
    QString portSetting_;
    PortDevice port_;
    TimerfdDeadlineTimer timer_;
    PlaybackEngine engine_;
};
