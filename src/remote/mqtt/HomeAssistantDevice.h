#pragma once

#include "MqttMessage.h"
#include "PlayerState.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <vector>

// How the player looks to Home Assistant over MQTT: one device named after
// the host, with a light (on plays, off puts every line low; its effects are
// the scheme and each built-in effect alone), the delay as a number, pause as
// a switch and the output as a sensor. Builds the topics and payloads only.
class HomeAssistantDevice {
public:
    // The effect that stands for the scheme built in the window.
    static const QString SchemeEffect;

    struct Topics {
        QString availability;
        QString state; // one JSON object that every entity reads its value from
        QString lightCommand;
        QString delayCommand;
        QString pauseCommand;
    };

    HomeAssistantDevice(const QString &hostName, const QString &version);

    // What Home Assistant accepts in a topic and an id: letters, digits, _ and -.
    static QString nodeIdFor(const QString &hostName);
    // The scheme, then the built-in effects by their captions; an effect's
    // place in the list is its index plus one.
    static QStringList effectNames();

    const Topics &topics() const { return topics_; }
    // What the broker knows this program by, in its log too.
    QString clientId() const { return QStringLiteral("lampotron-") + nodeId_; }
    QStringList commandTopics() const;

    std::vector<MqttMessage> discovery() const;
    MqttMessage availability(bool online) const;
    MqttMessage state(const PlayerState &state) const;

private:
    MqttMessage config(const QString &component, const QString &objectId, const QString &name,
                       QJsonObject fields) const;

    QString hostName_;
    QString version_;
    QString nodeId_;
    Topics topics_;
};
