#pragma once

#include "CommandLine.h"
#include "Player.h"
#include "PlayerCommands.h"
#include "RemoteDialog.h"
#include "SettingsStore.h"

#include <QObject>

#include <memory>

// The faces that drive the player from afar, attached the same way and in
// the same order whichever way the program runs: the web remote, then Home
// Assistant over MQTT. One that cannot start is left off and says why; the
// show plays on without it.
class FacesFromAfar {
public:
    FacesFromAfar(const CommandLine &commandLine, const SettingsStore &settings, const Player &player,
                  PlayerCommands &commands);
    ~FacesFromAfar();

private:
    std::unique_ptr<QObject> remote_;
    std::unique_ptr<QObject> homeAssistant_;
};

// The address a phone opens, with the key, or why there is none.
RemoteAddress remoteAddress(const CommandLine &commandLine, const SettingsStore &settings);
// The same on stdout; in a terminal also as a QR code. Returns the exit code.
int printRemoteUrl(const CommandLine &commandLine);
