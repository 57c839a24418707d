#include "LiveChannel.h"

#include "RemoteKey.h"
#include "StateJson.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QWebSocket>

#include <algorithm>

namespace {

// Codes of the remote's own, in the range the protocol leaves to programs.
constexpr int WrongKey = 4401;
constexpr int TooManyClients = 4503;

constexpr int TickMs = 250;
constexpr LiveChannel::Clock::duration CheckEvery = std::chrono::seconds(5);
constexpr LiveChannel::Clock::duration ReportEvery = std::chrono::minutes(1);
// How long a client has to answer a close before it is cut off.
constexpr int CloseWaitMs = 1000;
// Checks in a row that find a client with bytes left to write, or with
// pings unanswered, before it is dropped: some ten seconds.
constexpr int PatientChecks = 2;

QString keyIn(const QString &message)
{
    const QJsonObject object = QJsonDocument::fromJson(message.toUtf8()).object();
    return object.size() == 1 ? object.value(QLatin1String("key")).toString() : QString();
}

// A client that never answers the close does not keep its socket.
void closeSocket(QWebSocket *socket, int code, const QString &reason)
{
    socket->close(static_cast<QWebSocketProtocol::CloseCode>(code), reason);
    QTimer::singleShot(CloseWaitMs, socket, &QWebSocket::abort);
}

} // namespace

LiveChannel::LiveChannel(QByteArray key, FailureLimiter &limiter, const PlayerState &state, std::uint8_t lamps,
                         QObject *parent, Limits limits, std::function<Clock::time_point()> now)
    : QObject(parent), key_(std::move(key)), limiter_(limiter), limits_(limits), now_(std::move(now)), state_(state),
      lamps_(lamps)
{
    showLamps(lamps);
    nextCheck_ = now_() + CheckEvery;
    connect(&ticks_, &QTimer::timeout, this, &LiveChannel::tick);
    ticks_.start(TickMs);
}

void LiveChannel::admit(std::unique_ptr<QWebSocket> owned)
{
    QWebSocket *socket = owned.release();
    socket->setParent(this);
    const QHostAddress address = socket->peerAddress();
    const auto keyless = std::count_if(clients_.begin(), clients_.end(), [&address](const Client &client) {
        return !client.gone && !client.keyGiven && client.address.isEqual(address);
    });
    if (keyless >= limits_.keylessPerAddress) {
        refuse(socket, QStringLiteral("Too many pages without a key from this address."));
        return;
    }
    if (!makeRoomFor()) {
        refuse(socket, QStringLiteral("Too many pages are open on the remote."));
        return;
    }
    clients_.push_back({socket, address, now_() + limits_.keyWait});
    watch(socket);
}

// A full channel makes room by closing the client that has waited longest
// without giving the key; only clients with the key fill it for good.
bool LiveChannel::makeRoomFor()
{
    const auto open = std::count_if(clients_.begin(), clients_.end(), [](const Client &client) { return !client.gone; });
    if (open < limits_.clients)
        return true;
    const auto oldest = std::find_if(clients_.begin(), clients_.end(),
                                     [](const Client &client) { return !client.gone && !client.keyGiven; });
    if (oldest == clients_.end())
        return false;
    countRefusal();
    close(*oldest, TooManyClients, QStringLiteral("Another page took this place; give the key at once."));
    return true;
}

void LiveChannel::watch(QWebSocket *socket)
{
    // The first message holds the key; nothing sent later is read.
    socket->setMaxAllowedIncomingFrameSize(1024);
    socket->setMaxAllowedIncomingMessageSize(1024);
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
}

void LiveChannel::readKey(QWebSocket *socket, const QString &message)
{
    Client *client = find(socket);
    if (!client || client->keyGiven || client->gone)
        return;
    if (!keysMatch(keyIn(message).toLatin1(), key_)) {
        limiter_.recordFailure(client->address);
        close(*client, WrongKey, QStringLiteral("Wrong key."));
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

void LiveChannel::tick()
{
    const Clock::time_point now = now_();
    for (Client &client : clients_) {
        if (client.gone || client.keyGiven || now < client.keyDue)
            continue;
        // Holding a channel open without a key counts as a wrong key.
        limiter_.recordFailure(client.address);
        close(client, WrongKey, QStringLiteral("No key within %1 ms.")
                                    .arg(std::chrono::duration_cast<std::chrono::milliseconds>(limits_.keyWait).count()));
    }
    if (now >= nextCheck_) {
        nextCheck_ = now + CheckEvery;
        checkClients();
    }
    if (refused_ > 0 && now >= reportDue_) {
        qWarning("The live channel turned away %d connections in the last minute: too many pages open, or too many "
                 "without the key from one address.",
                 refused_);
        refused_ = 0;
    }
}

// What is sent goes out on the next turn of the event loop; until then the
// client has bytes to write and later rows wait for it.
void LiveChannel::send(Client &client)
{
    if (client.gone || client.socket->bytesToWrite() > 0)
        return;
    const bool state = std::exchange(client.stateDue, false);
    const bool lamps = std::exchange(client.lampsDue, false);
    if (state)
        client.socket->sendTextMessage(stateMessage());
    if (lamps)
        client.socket->sendTextMessage(lampsMessage_);
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
// Those with the key get the state again, so that a page can tell a quiet
// program from one that is gone: browsers do not show pings to the page.
void LiveChannel::checkClients()
{
    for (Client &client : clients_) {
        if (client.gone)
            continue;
        const bool stuck = client.socket->bytesToWrite() > 0 && !client.wroteSinceCheck;
        client.stuckChecks = stuck ? client.stuckChecks + 1 : 0;
        client.wroteSinceCheck = false;
        if (client.stuckChecks > PatientChecks || client.unansweredPings > PatientChecks) {
            client.socket->abort();
            continue;
        }
        ++client.unansweredPings;
        client.socket->ping();
        client.stateDue = client.keyGiven;
        send(client);
    }
}

LiveChannel::Client *LiveChannel::find(const QWebSocket *socket)
{
    const auto found = std::find_if(clients_.begin(), clients_.end(), [socket](const Client &client) { return client.socket == socket; });
    return found == clients_.end() ? nullptr : &*found;
}

// A closed client keeps its entry, marked gone, until it disconnects.
void LiveChannel::close(Client &client, int code, const QString &reason)
{
    client.gone = true;
    closeSocket(client.socket, code, reason);
}

// Refusals are counted for the report, not logged one by one: a flood
// would fill the log.
void LiveChannel::refuse(QWebSocket *socket, const QString &reason)
{
    countRefusal();
    connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
    // Closed once the server that hands sockets over is done with this one;
    // closed at once, the socket is read after it shut, with a warning each.
    QMetaObject::invokeMethod(
        socket, [socket, reason] { closeSocket(socket, TooManyClients, reason); }, Qt::QueuedConnection);
}

// The first refusal after a quiet spell is reported a minute later, with
// those that followed.
void LiveChannel::countRefusal()
{
    if (refused_++ == 0)
        reportDue_ = now_() + ReportEvery;
}

// A socket may go while the list is walked (a write that fails aborts it),
// so the list shrinks only on the next turn of the event loop.
void LiveChannel::drop(QWebSocket *socket)
{
    if (Client *client = find(socket))
        client->gone = true;
    QMetaObject::invokeMethod(
        this,
        [this, socket] {
            std::erase_if(clients_, [socket](const Client &client) { return client.socket == socket; });
            socket->deleteLater();
        },
        Qt::QueuedConnection);
}
