#pragma once

#include "Player.h"
#include "PlayerCommands.h"
#include "SettingsStore.h"

#include <QObject>

#include <memory>

// Home Assistant's face over MQTT, when the [Mqtt] section names a broker:
// it connects in the background and lives as long as the object returned.
// Nothing when MQTT is off or cannot be set up; the reason is logged.
std::unique_ptr<QObject> startMqtt(const Player &player, PlayerCommands &commands, const SettingsStore &settings);
