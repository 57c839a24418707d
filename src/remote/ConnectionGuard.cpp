#include "ConnectionGuard.h"

#include "HttpExchange.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <memory>

namespace {

constexpr qint64 MaxRequestBytes = 64 * 1024;
// The upload route's body, with room for its headers.
constexpr qint64 MaxUploadRequestBytes = MaxUploadBytes + MaxRequestBytes;
constexpr int SendBufferBytes = 16 * 1024;
// How much of an oversized request is thrown away, and for how long, before
// the connection is closed whatever the client still sends.
constexpr qint64 MaxDiscardedBytes = 8 * 1024 * 1024;
constexpr int LingerMs = 2000;

// The HTTP server has not parsed this request and never will, so the answer
// is a fixed one.
QByteArray tooLarge(qint64 limit)
{
    const QString reason = QCoreApplication::translate("ConnectionGuard", "The request is over %1 bytes.").arg(limit);
    const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("error"), reason}}).toJson(QJsonDocument::Compact);
    return "HTTP/1.1 413 Payload Too Large\r\nContent-Type: application/json\r\nContent-Length: "
           + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

// Closing a connection with unread bytes makes the system reset it, and a
// client still sending then loses the answer too. So the answer goes out,
// and the connection ends when the client closes it, or after a bounded
// time or number of bytes.
void refuseTooLarge(QTcpSocket *socket, qint64 limit)
{
    QObject::disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
    // An open transaction would keep every byte thrown away.
    if (socket->isTransactionStarted())
        socket->commitTransaction();
    socket->setReadBufferSize(0);
    socket->write(tooLarge(limit));
    auto discarded = std::make_shared<qint64>(0);
    const auto discard = [socket, discarded] {
        *discarded += socket->skip(socket->bytesAvailable());
        if (*discarded > MaxDiscardedBytes)
            socket->disconnectFromHost();
    };
    QObject::connect(socket, &QTcpSocket::readyRead, socket, discard);
    discard();
    QTimer::singleShot(LingerMs, socket, [socket] { socket->disconnectFromHost(); });
}

// The limit of a request, from its first bytes: larger for an upload.
qint64 limitOf(QTcpSocket *socket)
{
    constexpr qint64 lineStart = sizeof(UploadRequestLine) - 1;
    const QByteArray start = socket->peek(lineStart + 1);
    const bool upload = start.size() == lineStart + 1 && start.startsWith(UploadRequestLine) &&
                        (start.back() == ' ' || start.back() == '?');
    return upload ? MaxUploadRequestBytes : MaxRequestBytes;
}

} // namespace

// The HTTP server reads each request inside a transaction that it commits
// once the request is whole: what arrives while one is open belongs to the
// same request. This runs before the server reads, as it is connected first.
void guardConnection(QTcpSocket *socket)
{
    socket->setReadBufferSize(MaxRequestBytes);
    socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, SendBufferBytes);
    auto received = std::make_shared<qint64>(0);
    auto limit = std::make_shared<qint64>(MaxRequestBytes);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, received, limit] {
        if (!socket->isTransactionStarted()) {
            *received = 0;
            *limit = limitOf(socket);
            socket->setReadBufferSize(*limit);
        }
        *received += socket->bytesAvailable();
        if (*received >= *limit)
            refuseTooLarge(socket, *limit);
    });
}
