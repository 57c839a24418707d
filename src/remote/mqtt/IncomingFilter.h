#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include <vector>

// What the broker is asked for. A retained message on a command topic is an
// old command that the broker hands to every new subscriber: applying it
// would redo it at each connection. Home Assistant's status, by contrast,
// is retained on purpose and is heard.
struct MqttSubscriptions {
    QStringList commands;
    QStringList notices;
};

// Decides in libmosquitto's callback, before anything is copied, which
// messages reach the program.
class IncomingFilter {
public:
    // No command is longer; anything larger is noise or an attack.
    static constexpr qsizetype LargestPayload = 16 * 1024;

    enum class Verdict { Heard, TooLarge, RetainedCommand, NotAsked };

    explicit IncomingFilter(const MqttSubscriptions &subscriptions);

    Verdict judge(QByteArrayView topic, qsizetype payloadLength, bool retained) const;

private:
    std::vector<QByteArray> commands_;
    std::vector<QByteArray> notices_;
};
