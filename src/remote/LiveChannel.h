#pragma once

#include "FailureLimiter.h"
#include "PlayerState.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <vector>

class QWebSocket;

// Sends every change of playback and every row's lamps to the pages that
// opened the live channel and gave the key as their first message. Nobody
// waits for a client: one that is behind gets the latest state and row when
// it catches up, not a queue, and one that stops reading is dropped.
class LiveChannel : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxClients = 64;

    LiveChannel(QByteArray key, FailureLimiter &limiter, const PlayerState &state, std::uint8_t lamps,
                QObject *parent = nullptr);

    void admit(std::unique_ptr<QWebSocket> socket);
    void showState(const PlayerState &state);
    void showLamps(std::uint8_t lamps);

private:
    struct Client {
        QWebSocket *socket; // a child of the channel
        bool keyGiven = false;
        bool stateDue = false;
        bool lampsDue = false;
        bool wroteSinceCheck = false;
        int stuckChecks = 0;
        int unansweredPings = 0;
    };
    Client *find(const QWebSocket *socket);
    void readKey(QWebSocket *socket, const QString &message);
    void send(Client &client);
    const QString &stateMessage();
    void checkClients();
    void drop(QWebSocket *socket);

    QByteArray key_;
    FailureLimiter &limiter_;
    PlayerState state_;
    std::uint8_t lamps_;
    QString stateMessage_; // made when needed
    QString lampsMessage_;
    std::vector<Client> clients_;
    QTimer checks_;
};
