#pragma once

#include "IncomingFilter.h"
#include "MqttMessage.h"
#include "MqttSettings.h"
#include "ReconnectBackoff.h"
#include "ThrottledTally.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

struct mosquitto;
struct mosquitto_message;

// A connection to an MQTT broker through libmosquitto that never holds up the
// thread using it. libmosquitto's network loop runs on a thread of its own:
// there it looks up the broker's name, connects, shakes hands over TLS,
// reconnects (see ReconnectBackoff) and sorts what comes in. A lookup
// blocks, and the player without a window plays its rows on the main
// thread, so none of it may happen there. Publishing only queues a message
// for that thread.
//
// The broker keeps our session (a fixed client id, clean session off) and
// we subscribe with QoS 1, so that a broker with persistence hands over the
// commands that came while we were away, even across its own restart.
class MqttConnection : public QObject {
    Q_OBJECT

public:
    // `clientId` names the session the broker keeps for us; `will` is what
    // the broker publishes if the program dies; `subscriptions` are renewed
    // on every connection.
    MqttConnection(MqttSettings settings, QString clientId, MqttMessage will, MqttSubscriptions subscriptions,
                   QObject *parent = nullptr);
    // Leaves the broker if `close` has not.
    ~MqttConnection() override;

    // Starts connecting in the background. Returns why it cannot, such as a
    // CA file that libmosquitto refuses.
    std::optional<QString> start();
    // Queues the message while connected; on each connection the face
    // publishes all it has to say afresh, so nothing is kept meanwhile.
    void publish(const MqttMessage &message);
    // Publishes `last` while connected, then leaves the broker cleanly and
    // ends the network thread.
    void close(const std::optional<MqttMessage> &last);

signals:
    // Each time the broker accepts us; the subscriptions are asked for.
    void connected();
    // Only what IncomingFilter lets through.
    void received(const QString &topic, const QByteArray &payload);

private:
    void run();
    bool waitBeforeRetry();
    bool stopping();
    void reportDown(int result, int error);
    void onConnect(int result);
    void onMessage(const mosquitto_message &message);
    void reportDropped();
    QString broker() const;

    MqttSettings settings_;
    QString clientId_;
    MqttMessage will_;
    QStringList subscriptions_;
    IncomingFilter filter_;
    mosquitto *client_ = nullptr;
    std::thread thread_;

    std::mutex mutex_; // guards stopping_ and stopBy_
    std::condition_variable wake_;
    bool stopping_ = false;
    std::chrono::steady_clock::time_point stopBy_;
    std::atomic_bool connected_ = false;

    // Only the network thread touches these.
    bool everConnected_ = false;
    bool downReported_ = false;
    ReconnectBackoff backoff_;
    QString refusal_; // why the broker refused us, if it did
    ThrottledTally tooLarge_;
    ThrottledTally retainedCommands_;
    QByteArray lastRetainedTopic_;
};
