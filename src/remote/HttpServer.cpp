#include "HttpServer.h"

#include "ConnectionGuard.h"

#include <QHttpServer>
#include <QLoggingCategory>
#include <QMetaEnum>
#include <QPointer>
#include <QSslServer>
#include <QWebSocket>

namespace {

// A client that asked to close is told so and the connection ends once the
// answer is out; Qt's server would keep it open.
void write(const HttpResponse &response, bool close, QHttpServerResponder &&responder)
{
    QHttpServerResponse answer(response.contentType, response.body,
                               static_cast<QHttpServerResponse::StatusCode>(response.status));
    for (const auto &[name, value] : response.headers)
        answer.addHeader(name, value);
    if (close)
        answer.addHeader("Connection", "close");
    QTcpSocket *socket = responder.socket();
    answer.write(std::move(responder));
    if (close)
        socket->disconnectFromHost();
}

// Qt's server turns a request into a WebSocket only when a route takes it;
// this one takes only the upgrades that the remote admits.
class WebSocketRule final : public QHttpServerRouterRule {
public:
    WebSocketRule(std::function<bool(const QHttpServerRequest &)> admit, const QString &path, RouterHandler handler)
        : QHttpServerRouterRule(path, std::move(handler)), admit_(std::move(admit))
    {
    }

protected:
    bool matches(const QHttpServerRequest &request, QRegularExpressionMatch *match) const override
    {
        return admit_(request) && QHttpServerRouterRule::matches(request, match);
    }

private:
    std::function<bool(const QHttpServerRequest &)> admit_;
};

} // namespace

HttpServer::HttpServer(Handlers handlers, QObject *parent)
    : QObject(parent), handlers_(std::move(handlers)), server_(new QHttpServer(this))
{
    // Qt's server warns of every upgrade that no route takes, such as one
    // from another site, which is answered like any refused request: a
    // flood of them would fill the log. QT_LOGGING_RULES can turn it on.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.httpserver.warning=false"));
    // The upgrade itself is answered by the WebSocket server.
    const auto admit = [this](const QHttpServerRequest &request) {
        const HttpRequest asked = plain(request);
        return asked.header("upgrade").compare("websocket", Qt::CaseInsensitive) == 0 && handlers_.admitWebSocket(asked);
    };
    server_->route<WebSocketRule>(admit, handlers_.webSocketPath, [](QHttpServerResponder &&) {});
    server_->setMissingHandler([this](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
        reply(request, std::move(responder));
    });
    connect(server_, &QHttpServer::newWebSocketConnection, this, [this] {
        while (server_->hasPendingWebSocketConnections())
            handlers_.takeWebSocket(server_->nextPendingWebSocketConnection());
    });
}

std::optional<QString> HttpServer::listen(const QHostAddress &address, quint16 port,
                                          const std::optional<QSslConfiguration> &tls)
{
    std::unique_ptr<QTcpServer> listener;
    if (tls) {
        auto secure = std::make_unique<GuardedServer<QSslServer>>();
        secure->setSslConfiguration(*tls);
        listener = std::move(secure);
    } else {
        listener = std::make_unique<GuardedServer<QTcpServer>>();
    }
    if (!listener->listen(address, port))
        return listener->errorString();
    listenAddress_ = address;
    listenPort_ = listener->serverPort();
    server_->bind(listener.release());
    return std::nullopt;
}

quint16 HttpServer::port() const
{
    return server_->servers().isEmpty() ? 0 : server_->servers().first()->serverPort();
}

HttpRequest HttpServer::plain(const QHttpServerRequest &request) const
{
    const char *method = QMetaEnum::fromType<QHttpServerRequest::Method>().valueToKey(static_cast<int>(request.method()));
    return {QByteArray(method ? method : "Unknown").toUpper(),
            request.url().path(QUrl::FullyEncoded),
            request.url().query(QUrl::FullyEncoded).toLatin1(),
            request.headers(),
            request.body(),
            request.remoteAddress(),
            request.url().scheme() == QLatin1String("https"),
            listenAddress_,
            listenPort_};
}

// An answer that takes a while is written only if the connection is still
// there by then.
void HttpServer::reply(const QHttpServerRequest &request, QHttpServerResponder &&responder)
{
    const HttpRequest asked = plain(request);
    const bool close = asked.asksToClose();
    QFuture<HttpResponse> answer = handlers_.answer(asked);
    if (answer.isFinished()) {
        write(answer.result(), close, std::move(responder));
        return;
    }
    const QPointer<QTcpSocket> socket = responder.socket();
    auto waiting = std::make_shared<QHttpServerResponder>(std::move(responder));
    answer.then(this, [socket, waiting, close](const HttpResponse &response) {
        if (socket)
            write(response, close, std::move(*waiting));
    });
}
