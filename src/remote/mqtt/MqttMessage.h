#pragma once

#include <QByteArray>
#include <QString>

// One message to publish. What this program publishes describes how things
// are now, so it is retained for whoever subscribes later.
struct MqttMessage {
    QString topic;
    QByteArray payload;
    bool retain = true;

    bool operator==(const MqttMessage &) const = default;
};
