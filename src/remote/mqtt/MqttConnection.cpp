#include "MqttConnection.h"

#include "PrintableValue.h"

#include <QDebug>

#include <mosquitto.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr int KeepAliveSeconds = 30;
// How long the network loop waits for the socket before it looks whether to stop.
constexpr int LoopMs = 500;
// How long leaving may take on a broker that no longer reads.
constexpr std::chrono::seconds LeaveWithin{1};
constexpr int AtLeastOnce = 1;
// What this program publishes goes out again on every connection, so it
// needs no acknowledgement; and with none on its way back, leaving closes
// the socket cleanly (unread bytes would make the kernel reset it, and the
// broker would take that for a death).
constexpr int AtMostOnce = 0;

void log(const QString &line)
{
    qInfo().noquote() << line;
}

QStringList allOf(const MqttSubscriptions &subscriptions)
{
    return subscriptions.commands + subscriptions.notices;
}

} // namespace

MqttConnection::MqttConnection(MqttSettings settings, QString clientId, MqttMessage will,
                               MqttSubscriptions subscriptions, QObject *parent)
    : QObject(parent), settings_(std::move(settings)), clientId_(std::move(clientId)), will_(std::move(will)),
      subscriptions_(allOf(subscriptions)), filter_(subscriptions)
{
    // libmosquitto and its TLS library are set up once, for the whole process.
    static const int initialised = mosquitto_lib_init();
    Q_UNUSED(initialised)
}

MqttConnection::~MqttConnection()
{
    close(std::nullopt);
}

std::optional<QString> MqttConnection::start()
{
    // Off: the broker keeps our subscriptions, and what comes for them, while we are away.
    constexpr bool cleanSession = false;
    client_ = mosquitto_new(clientId_.toUtf8().constData(), cleanSession, this);
    if (!client_)
        return QStringLiteral("MQTT could not be set up: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    mosquitto_threaded_set(client_, true);
    mosquitto_connect_callback_set(client_, [](mosquitto *, void *connection, int result) {
        static_cast<MqttConnection *>(connection)->onConnect(result);
    });
    mosquitto_message_callback_set(client_, [](mosquitto *, void *connection, const mosquitto_message *message) {
        static_cast<MqttConnection *>(connection)->onMessage(*message);
    });
    const QByteArray willTopic = will_.topic.toUtf8();
    mosquitto_will_set(client_, willTopic.constData(), int(will_.payload.size()), will_.payload.constData(),
                       AtLeastOnce, will_.retain);
    if (!settings_.user.isEmpty())
        mosquitto_username_pw_set(client_, settings_.user.toUtf8().constData(), settings_.password.toUtf8().constData());
    if (!settings_.caFile.isEmpty()) {
        const int result = mosquitto_tls_set(client_, settings_.caFile.toLocal8Bit().constData(), nullptr, nullptr,
                                             nullptr, nullptr);
        if (result != MOSQ_ERR_SUCCESS)
            return QStringLiteral("MQTT stays off: TLS with the CA file %1 cannot be set up (%2).")
                .arg(printableValue(settings_.caFile), QString::fromUtf8(mosquitto_strerror(result)));
    }
    log(QStringLiteral("MQTT: connecting to the broker %1 in the background.").arg(broker()));
    thread_ = std::thread(&MqttConnection::run, this);
    return std::nullopt;
}

void MqttConnection::publish(const MqttMessage &message)
{
    if (!connected_)
        return;
    mosquitto_publish(client_, nullptr, message.topic.toUtf8().constData(), int(message.payload.size()),
                      message.payload.constData(), AtMostOnce, message.retain);
}

// The last message and the farewell go out in order on the one socket, so
// the broker has the first before it drops the will.
void MqttConnection::close(const std::optional<MqttMessage> &last)
{
    if (!client_)
        return;
    if (last)
        publish(*last);
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        stopBy_ = std::chrono::steady_clock::now() + LeaveWithin;
    }
    mosquitto_disconnect(client_);
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
    mosquitto_destroy(client_);
    client_ = nullptr;
}

// While connected, libmosquitto's loop reads, writes and keeps the connection
// alive; when it fails, the connection is made again after a pause.
void MqttConnection::run()
{
    int result = mosquitto_connect_async(client_, settings_.host.toUtf8().constData(), settings_.port,
                                         KeepAliveSeconds);
    int error = errno;
    for (;;) {
        if (result == MOSQ_ERR_SUCCESS) {
            result = mosquitto_loop(client_, LoopMs, 1);
            error = errno;
            reportDropped();
            if (result == MOSQ_ERR_SUCCESS && !stopping())
                continue;
        }
        connected_ = false;
        if (stopping())
            return;
        reportDown(result, error);
        if (!waitBeforeRetry())
            return;
        result = mosquitto_reconnect_async(client_);
        error = errno;
    }
}

// After `close`, the loop runs on until the farewell is written, or for a
// moment at most.
bool MqttConnection::stopping()
{
    const std::lock_guard lock(mutex_);
    return stopping_ && (!connected_ || std::chrono::steady_clock::now() >= stopBy_);
}

bool MqttConnection::waitBeforeRetry()
{
    const auto pause = backoff_.nextPause(ReconnectBackoff::Clock::now());
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, pause, [this] { return stopping_; });
    return !stopping_;
}

// One line when the broker goes or cannot be reached, none for each retry.
void MqttConnection::reportDown(int result, int error)
{
    if (downReported_)
        return;
    downReported_ = true;
    QString why = result == MOSQ_ERR_ERRNO ? QString::fromLocal8Bit(std::strerror(error))
                                           : QString::fromUtf8(mosquitto_strerror(result));
    if (result == MOSQ_ERR_CONN_REFUSED && !refusal_.isEmpty())
        why = refusal_;
    if (everConnected_)
        log(QStringLiteral("MQTT: lost the broker %1 (%2); connecting again in the background.").arg(broker(), why));
    else
        log(QStringLiteral("MQTT: cannot connect to the broker %1 (%2); trying again in the background.").arg(broker(), why));
}

void MqttConnection::onConnect(int result)
{
    if (result != 0) {
        refusal_ = QString::fromUtf8(mosquitto_connack_string(result));
        return;
    }
    log(everConnected_ ? QStringLiteral("MQTT: connected to the broker %1 again.").arg(broker())
                       : QStringLiteral("MQTT: connected to the broker %1.").arg(broker()));
    everConnected_ = true;
    downReported_ = false;
    backoff_.connected(ReconnectBackoff::Clock::now());
    refusal_.clear();
    for (const QString &topic : std::as_const(subscriptions_))
        mosquitto_subscribe(client_, nullptr, topic.toUtf8().constData(), AtLeastOnce);
    connected_ = true;
    emit connected();
}

QString MqttConnection::broker() const
{
    return QStringLiteral("%1:%2").arg(printableValue(settings_.host)).arg(settings_.port);
}

// Runs on the network thread, inside libmosquitto's loop: what is turned
// away is neither copied nor parsed.
void MqttConnection::onMessage(const mosquitto_message &message)
{
    const QByteArrayView topic(message.topic);
    switch (filter_.judge(topic, message.payloadlen, message.retain)) {
    case IncomingFilter::Verdict::Heard:
        emit received(QString::fromUtf8(topic),
                      QByteArray(static_cast<const char *>(message.payload), message.payloadlen));
        return;
    case IncomingFilter::Verdict::TooLarge:
        tooLarge_.count();
        return;
    case IncomingFilter::Verdict::RetainedCommand:
        lastRetainedTopic_ = topic.toByteArray();
        retainedCommands_.count();
        return;
    case IncomingFilter::Verdict::NotAsked:
        return;
    }
}

// Right after libmosquitto's loop has handed over what came, so the first
// line comes at once.
void MqttConnection::reportDropped()
{
    const auto now = ThrottledTally::Clock::now();
    if (const auto tooLarge = tooLarge_.due(now))
        log(QStringLiteral("MQTT: dropped %1 message(s) larger than %2 kB since the last such line; a command is a "
                           "few bytes, so look for what else publishes to lampotron/#.")
                .arg(*tooLarge)
                .arg(IncomingFilter::LargestPayload / 1024));
    if (const auto retained = retainedCommands_.due(now))
        log(QStringLiteral("MQTT: ignored %1 retained command(s) since the last such line; a retained command "
                           "would be done again at every connection. Clear it with mosquitto_pub -r -n -t %2")
                .arg(*retained)
                .arg(printableValue(lastRetainedTopic_)));
}
