#include "ConnectionGuard.h"

#include <QTimer>

#include <memory>

namespace {

constexpr qint64 MaxRequestBytes = 64 * 1024;
constexpr int SendBufferBytes = 16 * 1024;
// How much of an oversized request is thrown away, and for how long, before
// the connection is closed whatever the client still sends.
constexpr qint64 MaxDiscardedBytes = 8 * 1024 * 1024;
constexpr int LingerMs = 2000;

// The HTTP server has not parsed this request and never will, so the answer
// is a fixed one.
QByteArray tooLarge()
{
    const QByteArray body = "{\"error\":\"The request is over " + QByteArray::number(MaxRequestBytes) + " bytes.\"}";
    return "HTTP/1.1 413 Payload Too Large\r\nContent-Type: application/json\r\nContent-Length: "
           + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

// Closing a connection with unread bytes makes the system reset it, and a
// client still sending then loses the answer too. So the answer goes out,
// and the connection ends when the client closes it, or after a bounded
// time or number of bytes.
void refuseTooLarge(QTcpSocket *socket)
{
    QObject::disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
    // An open transaction would keep every byte thrown away.
    if (socket->isTransactionStarted())
        socket->commitTransaction();
    socket->setReadBufferSize(0);
    socket->write(tooLarge());
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

} // namespace

// The HTTP server reads each request inside a transaction that it commits
// once the request is whole: what arrives while one is open belongs to the
// same request. This runs before the server reads, as it is connected first.
void guardConnection(QTcpSocket *socket)
{
    socket->setReadBufferSize(MaxRequestBytes);
    socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, SendBufferBytes);
    auto received = std::make_shared<qint64>(0);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, received] {
        if (!socket->isTransactionStarted())
            *received = 0;
        *received += socket->bytesAvailable();
        if (*received >= MaxRequestBytes)
            refuseTooLarge(socket);
    });
}
