#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QWebSocket>

#include <atomic>
#include <chrono>
#include <mutex>
#include <vector>

// Pages with the live channel open, on a thread of their own so that the
// server's thread pays only for what the server does. Each notes when a
// state message with a given speed arrived.
class LiveClients : public QObject {
public:
    using Clock = std::chrono::steady_clock;
    struct Arrival {
        int speed;
        Clock::time_point when;
    };

    // Call on the clients' thread. The pages open one after another, as the
    // channel holds only a few from one address before they give the key.
    void open(const QUrl &url, const QByteArray &key, int count)
    {
        url_ = url;
        key_ = key;
        left_ = count;
        openNext();
    }

    std::vector<Arrival> arrivals()
    {
        const std::lock_guard lock(mutex_);
        return arrivals_;
    }

    std::atomic<int> ready{0}; // clients that have had their first state
    std::atomic<long> messages{0};

private:
    void openNext()
    {
        if (left_-- <= 0)
            return;
        auto *socket = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this);
        connect(socket, &QWebSocket::connected, socket, [this, socket] {
            socket->sendTextMessage(QStringLiteral("{\"key\":\"%1\"}").arg(QString::fromLatin1(key_)));
        });
        // The channel repeats the state every few seconds; only a change counts.
        connect(socket, &QWebSocket::textMessageReceived, this, [this, first = true, last = -1](const QString &text) mutable {
            const Clock::time_point now = Clock::now();
            ++messages;
            if (!text.contains(QLatin1String("\"type\":\"state\"")))
                return;
            const int speed = QJsonDocument::fromJson(text.toUtf8()).object().value(QLatin1String("speed")).toInt();
            if (std::exchange(last, speed) != speed) {
                const std::lock_guard lock(mutex_);
                arrivals_.push_back({speed, now});
            }
            if (std::exchange(first, false)) {
                ++ready;
                openNext();
            }
        });
        socket->open(url_);
    }

    QUrl url_;
    QByteArray key_;
    int left_ = 0;
    std::mutex mutex_;
    std::vector<Arrival> arrivals_;
};
