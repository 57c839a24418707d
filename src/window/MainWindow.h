#pragma once

#include "Player.h"
#include "PlayerCommands.h"
#include "RemoteDialog.h"
#include "Selection.h"
#include "SettingsStore.h"
#include "TrayIcon.h"
#include "WindowControls.h"

#include <QPointer>
#include <QWidget>

#include <chrono>
#include <functional>

// The main window: the controls, what they do, and the tray icon. Playback
// belongs to the player; the window gives its commands through the same
// command object as every other face and shows what the player says, so a
// start from anywhere else shows here too.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    struct Options {
        TrayIcon::PortFinder findPorts;
        // How long the count of a new scheme stays up before it loads.
        std::chrono::milliseconds buildPause{1000};
        // The remote's address with its key, asked each time it is shown.
        std::function<RemoteAddress()> remoteAddress;
        // Switches the remote on or off; where it is then, or why not.
        std::function<RemoteAddress(bool on)> switchRemote;
        // Whether the remote listens now.
        std::function<bool()> remoteOn;
        // Follows the schedule, or stops following it; and whether it does at start.
        std::function<void(bool on)> followSchedule;
        bool followingSchedule = false;
    };

    MainWindow(Player &player, PlayerCommands &commands, const SettingsStore &settings, Options options,
               QWidget *parent = nullptr);

    // Start-up: tray icon, scheme, then the selection restored from the
    // settings; `problems` are what the start-up could not store. Returns
    // false, after saying why, when the scheme is unusable; the program must
    // then end with code 1.
    bool startUp(const QStringList &problems = {});
    // What the schedule does next, in the status line and the tray's tip;
    // "" without a schedule.
    void showScheduleNext(const QString &next);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectControls();
    void tickEffect(int index);
    void showRepeats(int index);
    void changeSpeed();
    void openPort();
    void start();
    void stop();
    void expand();
    void collapse();
    void buildScheme();
    void finishBuild();
    void chooseOutput(const QString &output);
    void showRemote();
    void showPatterns();
    void switchRemote(bool on);
    void showRemoteDialog(const RemoteAddress &address);
    void showState(const PlayerState &state);
    void showPortLost(const QString &reason);
    void reportSettingsFailure(const QString &reason);
    void showStoredSelection();
    void showPlaybackStatus(const PlayerState &state);
    void showStatusLine();
    void setClientHeightTwips(int height);
    void enableForPlayback();
    Selection currentSelection() const;
    bool loadScheme();
    void endAfterDamage(const QString &reason);

    Player &player_;
    PlayerCommands &commands_;
    const SettingsStore &settings_;
    Options options_;
    WindowControls controls_;
    TrayIcon *tray_;
    // One at a time; the tray entry brings it forward.
    QPointer<QDialog> patterns_;
    PlayerState shown_;
    // What the status says of playback, shown again when an output it
    // spoke of is gone.
    QString playbackStatus_;
    QString scheduleNext_;
    bool building_ = false;
    bool restoring_ = false;
    bool settingsFailureShown_ = false;
};
