#include "LiveChannel.h"

#include "RemoteKey.h"
#include "StateJson.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QWebSocket>

#include <algorithm>

namespace {

using CloseCode = QWebSocketProtocol::CloseCode;
// Codes of the remote's own, in the range the protocol leaves to programs.
constexpr auto WrongKey = static_cast<CloseCode>(4401);
constexpr auto TooManyClients = static_cast<CloseCode>(4503);

constexpr int KeyWaitMs = 5000;
constexpr int CheckEveryMs = 5000;
// Checks in a row that find a client with bytes left to write, or with
// pings unanswered, before it is dropped: some ten seconds.
constexpr int PatientChecks = 2;

QString keyIn(const QString &message)
{
    const QJsonObject object = QJsonDocument::fromJson(message.toUtf8()).object();
    return object.size() == 1 ? object.value(QLatin1String("key")).toString() : QString();
}

} // namespace

LiveChannel::LiveChannel(QByteArray key, FailureLimiter &limiter, const PlayerState &state, std::uint8_t lamps,
                         QObject *parent)
    : QObject(parent), key_(std::move(key)), limiter_(limiter), state_(state), lamps_(lamps)
{
    showLamps(lamps);
    connect(&checks_, &QTimer::timeout, this, &LiveChannel::checkClients);
    checks_.start(CheckEveryMs);
}

void LiveChannel::admit(std::unique_ptr<QWebSocket> owned)
{
    QWebSocket *socket = owned.release();
    socket->setParent(this);
    if (clients_.size() >= MaxClients) {
        socket->close(TooManyClients, QStringLiteral("Too many pages are open on the remote."));
        socket->deleteLater();
        return;
    }
    // The first message holds the key; nothing sent later is read.
    socket->setMaxAllowedIncomingFrameSize(1024);
    socket->setMaxAllowedIncomingMessageSize(1024);
    clients_.push_back({socket});
    connect(socket, &QWebSocket::textMessageReceived, this, [this, socket](const QString &message) { readKey(socket, message); });
    connect(socket, &QWebSocket::binaryMessageReceived, this, [this, socket] { readKey(socket, QString()); });
    connect(socket, &QWebSocket::bytesWritten, this, [this, socket] {
        if (Client *client = find(socket)) {
            client->wroteSinceCheck = true;
            send(*client);
        }
    });
    connect(socket, &QWebSocket::pong, this, [this, socket] {
        if (Client *client = find(socket))
            client->unansweredPings = 0;
    });
    connect(socket, &QWebSocket::disconnected, this, [this, socket] { drop(socket); });
    QTimer::singleShot(KeyWaitMs, socket, [this, socket] {
        const Client *client = find(socket);
        if (client && !client->keyGiven)
            socket->close(WrongKey, QStringLiteral("No key within %1 s.").arg(KeyWaitMs / 1000));
    });
}

void LiveChannel::readKey(QWebSocket *socket, const QString &message)
{
    Client *client = find(socket);
    if (!client || client->keyGiven)
        return;
    if (!keysMatch(keyIn(message).toLatin1(), key_)) {
        limiter_.recordFailure(socket->peerAddress());
        socket->close(WrongKey, QStringLiteral("Wrong key."));
        return;
    }
    client->keyGiven = true;
    client->stateDue = true;
    client->lampsDue = true;
    send(*client);
}

void LiveChannel::showState(const PlayerState &state)
{
    state_ = state;
    stateMessage_.clear();
    for (Client &client : clients_) {
        client.stateDue = client.keyGiven;
        send(client);
    }
}

// Runs once a row: a few bytes for each client, and nothing for a client
// that still has the last row to send.
void LiveChannel::showLamps(std::uint8_t lamps)
{
    lamps_ = lamps;
    stateMessage_.clear();
    lampsMessage_ = QStringLiteral("{\"type\":\"lamps\",\"lamps\":\"%1\"}").arg(stateJson::lampsText(lamps));
    for (Client &client : clients_) {
        client.lampsDue = client.keyGiven;
        send(client);
    }
}

void LiveChannel::send(Client &client)
{
    if (client.socket->bytesToWrite() > 0)
        return;
    if (client.stateDue)
        client.socket->sendTextMessage(stateMessage());
    if (client.lampsDue)
        client.socket->sendTextMessage(lampsMessage_);
    client.stateDue = client.lampsDue = false;
}

// Made when it is first sent, with the lamps lit then.
const QString &LiveChannel::stateMessage()
{
    if (stateMessage_.isEmpty()) {
        QJsonObject message = stateJson::state(state_, lamps_);
        message.insert(QStringLiteral("type"), QStringLiteral("state"));
        stateMessage_ = QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact));
    }
    return stateMessage_;
}

// A client that neither takes what is written nor answers pings is gone.
void LiveChannel::checkClients()
{
    std::vector<QWebSocket *> gone;
    for (Client &client : clients_) {
        const bool stuck = client.socket->bytesToWrite() > 0 && !client.wroteSinceCheck;
        client.stuckChecks = stuck ? client.stuckChecks + 1 : 0;
        client.wroteSinceCheck = false;
        if (client.stuckChecks > PatientChecks || client.unansweredPings > PatientChecks) {
            gone.push_back(client.socket);
            continue;
        }
        ++client.unansweredPings;
        client.socket->ping();
    }
    // Aborting drops the client from the list at once.
    for (QWebSocket *socket : gone)
        socket->abort();
}

LiveChannel::Client *LiveChannel::find(const QWebSocket *socket)
{
    const auto found = std::find_if(clients_.begin(), clients_.end(), [socket](const Client &client) { return client.socket == socket; });
    return found == clients_.end() ? nullptr : &*found;
}

void LiveChannel::drop(QWebSocket *socket)
{
    std::erase_if(clients_, [socket](const Client &client) { return client.socket == socket; });
    socket->deleteLater();
}
