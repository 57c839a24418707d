#pragma once

#include "MqttMessage.h"
#include "PlayerState.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <vector>

// How the player looks to Home Assistant over MQTT: one device named after
// the host, with a light (on plays, off puts every line low; its effects are
// the scheme, each built-in effect alone and each of the user's patterns
// alone), the delay as a number, pause as a switch and the output as a
// sensor. Builds the topics and payloads only.
class HomeAssistantDevice {
public:
    // The effect that stands for the scheme built in the window.
    static const QString SchemeEffect;
    // Home Assistant's list of effects stays short enough to show and to
    // send; a pattern beyond it can still be chosen by name.
    static constexpr int MostListedPatterns = 100;

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
    // The effects by the names Home Assistant sends back: the scheme, the
    // built-in effects by their captions, then the user's patterns. The
    // names are those of the patterns and never translated, so a command
    // stays valid whatever language the program speaks.
    QStringList effectNames() const;
    // The user's patterns to list, in their order; returns whether the list
    // changed, so that the discovery is sent again only then.
    bool setPatternNames(const QStringList &names);

    const Topics &topics() const { return topics_; }
    // What the broker knows this program by, in its log too.
    QString clientId() const { return QStringLiteral("lampotron-") + nodeId_; }
    QStringList commandTopics() const;

    std::vector<MqttMessage> discovery() const;
    // The light's part of the discovery, which alone names the effects.
    MqttMessage lightConfig() const;
    MqttMessage availability(bool online) const;
    MqttMessage state(const PlayerState &state) const;

private:
    MqttMessage config(const QString &component, const QString &objectId, const QString &name,
                       QJsonObject fields) const;

    QString hostName_;
    QString version_;
    QString nodeId_;
    Topics topics_;
    QStringList patternNames_;
};
