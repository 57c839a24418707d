#pragma once

#include "HttpExchange.h"

#include <QFuture>
#include <QObject>
#include <QSslConfiguration>

#include <functional>
#include <memory>
#include <optional>

class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponder;
class QWebSocket;

// The one place that knows Qt's HTTP server, whose interface changes from
// one Qt version to the next: requests go out as plain values, answers come
// back as plain values, and WebSockets at one path are handed over.
class HttpServer : public QObject {
    Q_OBJECT

public:
    struct Handlers {
        // Answers every request but an admitted WebSocket.
        std::function<QFuture<HttpResponse>(const HttpRequest &)> answer;
        QString webSocketPath;
        // Whether a request to open a WebSocket at that path may; one that
        // may not is answered like any other request.
        std::function<bool(const HttpRequest &)> admitWebSocket;
        std::function<void(std::unique_ptr<QWebSocket>)> takeWebSocket;
    };

    explicit HttpServer(Handlers handlers, QObject *parent = nullptr);

    // Listens over HTTPS when `tls` is given. Returns why it cannot.
    std::optional<QString> listen(const QHostAddress &address, quint16 port,
                                  const std::optional<QSslConfiguration> &tls);
    quint16 port() const;

private:
    HttpRequest plain(const QHttpServerRequest &request) const;
    void reply(const QHttpServerRequest &request, QHttpServerResponder &&responder);

    Handlers handlers_;
    QHttpServer *server_;
    QHostAddress listenAddress_;
    quint16 listenPort_ = 0;
};
