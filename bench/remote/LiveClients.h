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

    // Call on the clients' thread.
    void open(const QUrl &url, const QByteArray &key, int count)
    {
        for (int i = 0; i < count; ++i) {
            auto *socket = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this);
            connect(socket, &QWebSocket::connected, socket, [socket, key] {
                socket->sendTextMessage(QStringLiteral("{\"key\":\"%1\"}").arg(QString::fromLatin1(key)));
            });
            connect(socket, &QWebSocket::textMessageReceived, this, [this, first = true](const QString &text) mutable {
                const Clock::time_point now = Clock::now();
                ++messages;
                if (!text.contains(QLatin1String("\"type\":\"state\"")))
                    return;
                const int speed = QJsonDocument::fromJson(text.toUtf8()).object().value(QLatin1String("speed")).toInt();
                const std::lock_guard lock(mutex_);
                arrivals_.push_back({speed, now});
                if (std::exchange(first, false))
                    ++ready;
            });
            socket->open(url);
        }
    }

    std::vector<Arrival> arrivals()
    {
        const std::lock_guard lock(mutex_);
        return arrivals_;
    }

    std::atomic<int> ready{0}; // clients that have had their first state
    std::atomic<long> messages{0};

private:
    std::mutex mutex_;
    std::vector<Arrival> arrivals_;
};
