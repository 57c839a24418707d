#pragma once

#include "SettingsStore.h"

#include <QString>

#include <optional>

// Where the MQTT broker is and how to log in, from the [Mqtt] section.
struct MqttSettings {
    QString host;
    int port = 0;
    QString user;     // empty: no login
    QString password;
    QString caFile;   // empty: no TLS
};

struct MqttSettingsRead {
    std::optional<MqttSettings> settings; // nothing: MQTT stays off
    QString problem; // what is wrong with the section and what to do, if anything
};

// Reads the [Mqtt] section: off when it names no broker; refused, with the
// reason, when a setting cannot be used, such as a credentials file that
// others may read.
MqttSettingsRead readMqttSettings(const SettingsStore &store);
