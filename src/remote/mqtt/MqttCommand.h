#pragma once

#include "HomeAssistantDevice.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A command from Home Assistant, read from the topic it came on and its
// payload, ready to be given to the player.
struct MqttCommand {
    enum class Kind {
        Start,    // the light on, as it was
        AllOff,   // the light off: stopped, every line low
        Play,     // the light on with an effect: `effect` names it
        SetDelay, // `value` milliseconds
        Pause,
        Resume,
    };
    Kind kind;
    int value = 0;
    // The scheme's effect, a built-in effect's caption or a user pattern's
    // name; whether there is such a pattern is the player's to say.
    QString effect = {};

    bool operator==(const MqttCommand &) const = default;
};

struct ParsedMqttCommand {
    std::optional<MqttCommand> command;
    QString problem; // why the payload was not understood
};

ParsedMqttCommand parseMqttCommand(const HomeAssistantDevice::Topics &topics, const QString &topic,
                                   const QByteArray &payload);
