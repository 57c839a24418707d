#pragma once

#include "Player.h"
#include "PlayerCall.h"
#include "RemoteDialog.h"
#include "Selection.h"
#include "SettingsStore.h"
#include "SettingsWriter.h"
#include "TrayIcon.h"
#include "WindowControls.h"

#include <QWidget>

#include <chrono>
#include <functional>

// The main window: the controls, what they do, and the tray icon. Playback
// belongs to the player; the window asks it and shows what it hears, so a
// start from anywhere else shows here too.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    struct Options {
        TrayIcon::PortFinder findPorts;
        // How long the count of a new scheme stays up before it loads.
        std::chrono::milliseconds buildPause{1000};
        // How long the speed must rest before it is stored.
        std::chrono::milliseconds settingsQuiet{300};
        // The remote's address with its key, asked each time it is shown.
        std::function<RemoteAddress()> remoteAddress;
    };

    MainWindow(Player &player, SettingsStore &settings, Options options, QWidget *parent = nullptr);

    // Start-up: tray icon, scheme, then speed and selection restored from
    // the settings. Returns false, after saying why, when the scheme is
    // unusable; the program must then end with code 1.
    bool startUp();

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
    void showState(const PlayerState &state);
    void showPortLost(const QString &reason);
    void reportSettingsFailure(const QString &reason);
    void showStoredSelection();
    void showPlaybackStatus(bool stopped);
    void setClientHeightTwips(int height);
    void setBuildLock(bool locked);
    Selection currentSelection() const;
    bool loadScheme();
    template <typename Call>
    auto ask(Call call)
    {
        return callPlayer(player_, call);
    }
    void endAfterDamage(const QString &reason);

    Player &player_;
    SettingsStore &settings_;
    Options options_;
    WindowControls controls_;
    TrayIcon *tray_;
    SettingsWriter *settingsWriter_;
    PlayerState shown_;
    bool restoring_ = false;
    bool settingsFailureShown_ = false;
};
