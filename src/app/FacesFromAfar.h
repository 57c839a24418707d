#pragma once

#include "AvahiAnnouncer.h"
#include "CommandLine.h"
#include "Player.h"
#include "PlayerCommands.h"
#include "RemoteConfig.h"
#include "RemoteDialog.h"
#include "SettingsStore.h"

#include <QObject>

#include <memory>

// The faces that drive the player from afar, attached the same way and in
// the same order whichever way the program runs: the web remote, then Home
// Assistant over MQTT. One that cannot start is left off and says why; the
// show plays on without it. The remote can be switched on and off while the
// program runs.
class FacesFromAfar {
public:
    FacesFromAfar(const CommandLine &commandLine, const SettingsStore &settings, const Player &player,
                  PlayerCommands &commands);
    ~FacesFromAfar();

    // On: listens on every network at the port it last used (RemotePort at
    // first), makes the key if there is none, and stores that for the next
    // runs. Off: stops it and stores that. Returns where it is, or why not.
    RemoteAddress switchRemote(bool on);
    bool remoteOn() const { return remote_ != nullptr; }
    // Where the running remote is, or why it is off.
    RemoteAddress remoteAddress() const;

private:
    std::optional<QString> startRemote(const RemoteConfig &config);

    const SettingsStore &settings_;
    const Player &player_;
    PlayerCommands &commands_;
    quint16 port_;
    std::optional<RemoteConfig> running_;
    // Why the last start failed.
    QString problem_;
    std::unique_ptr<QObject> remote_;
    std::unique_ptr<AvahiAnnouncer> announcer_;
    std::unique_ptr<QObject> homeAssistant_;
};

// The address a phone opens, with the key, the others it can use, or why
// there is none; read from the settings, for --remote-url.
RemoteAddress remoteAddress(const CommandLine &commandLine, const SettingsStore &settings);
// The same on stdout, one address a line, the best first; in a terminal also
// the first as a QR code. Returns the exit code.
int printRemoteUrl(const CommandLine &commandLine);
