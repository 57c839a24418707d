#pragma once

#include "FailureLimiter.h"
#include "PlayerState.h"

#include <QHostAddress>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QWebSocket;

struct LiveChannelLimits {
    int clients = 64;
    int keylessPerAddress = 4;
    FailureLimiter::Clock::duration keyWait = std::chrono::seconds(1);
};

// Sends every change of playback and every row's lamps to the pages that
// opened the live channel and gave the key as their first message. Nobody
// waits for a client: one that is behind gets the latest state and row when
// it catches up, not a queue, and one that stops reading is dropped.
//
// A client without the key holds its place for a second at most, an address
// holds few such places, and a newcomer takes the place of the oldest of
// them when the channel is full, so that nobody without the key can keep the
// page with it out.
class LiveChannel : public QObject {
    Q_OBJECT

public:
    using Clock = FailureLimiter::Clock;
    using Limits = LiveChannelLimits;

    LiveChannel(QByteArray key, FailureLimiter &limiter, const PlayerState &state, std::uint8_t lamps,
                QObject *parent = nullptr, Limits limits = {}, std::function<Clock::time_point()> now = Clock::now);

    void admit(std::unique_ptr<QWebSocket> socket);
    void showState(const PlayerState &state);
    void showLamps(std::uint8_t lamps);
    // Closes the clients whose key is late, checks the others every few
    // seconds and reports refusals once a minute. The channel's own timer
    // runs it; tests run it on their clock.
    void tick();

private:
    struct Client {
        QWebSocket *socket; // a child of the channel
        QHostAddress address;
        Clock::time_point keyDue;
        bool keyGiven = false;
        bool gone = false; // closed or disconnected; leaves the list soon
        bool stateDue = false;
        bool lampsDue = false;
        bool wroteSinceCheck = false;
        int stuckChecks = 0;
        int unansweredPings = 0;
    };
    Client *find(const QWebSocket *socket);
    bool makeRoomFor();
    void watch(QWebSocket *socket);
    void readKey(QWebSocket *socket, const QString &message);
    void send(Client &client);
    const QString &stateMessage();
    void checkClients();
    void close(Client &client, int code, const QString &reason);
    void refuse(QWebSocket *socket, const QString &reason);
    void countRefusal();
    void drop(QWebSocket *socket);

    QByteArray key_;
    FailureLimiter &limiter_;
    Limits limits_;
    std::function<Clock::time_point()> now_;
    PlayerState state_;
    std::uint8_t lamps_;
    QString stateMessage_; // made when needed
    QString lampsMessage_;
    std::vector<Client> clients_;
    QTimer ticks_;
    Clock::time_point nextCheck_;
    Clock::time_point reportDue_;
    int refused_ = 0; // since the last report
};
