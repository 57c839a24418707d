#pragma once

#include "HomeAssistantDevice.h"
#include "MqttCommand.h"
#include "MqttConnection.h"
#include "PlayerCommands.h"

#include <QObject>
#include <QTimer>

// The player as Home Assistant sees it over MQTT. It announces the device on
// every connection and whenever Home Assistant comes back, publishes the
// state at once after every change, whoever made it, and hands the commands
// it receives to the player the way the other faces do.
class MqttFace : public QObject {
    Q_OBJECT

public:
    MqttFace(const Player &player, PlayerCommands &commands, const MqttSettings &mqtt, const QString &hostName,
             QObject *parent = nullptr);
    // Says "offline" and leaves the broker.
    ~MqttFace() override;

    // Starts connecting in the background; returns why it cannot.
    std::optional<QString> start();

    // What a message from the broker does, once it passed the connection's
    // filter: a command to the player, or Home Assistant coming back.
    void onMessage(const QString &topic, const QByteArray &payload);

private:
    void announce();
    // Takes the user's patterns into the effects; whether they changed.
    bool listPatterns();
    PlayerCommands::Failure run(const MqttCommand &command);
    PlayerCommands::Failure play(const QString &effect);
    PlayerCommands::Failure openOutput();

    HomeAssistantDevice device_;
    PlayerCommands &commands_;
    MqttConnection connection_;
    QTimer announceAgain_;
};
