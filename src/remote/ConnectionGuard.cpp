#include "ConnectionGuard.h"

#include <memory>

namespace {

constexpr qint64 MaxRequestBytes = 64 * 1024;
constexpr int SendBufferBytes = 16 * 1024;

// The HTTP server has not parsed this request and never will, so the answer
// is a fixed one.
QByteArray tooLarge()
{
    const QByteArray body = "{\"error\":\"The request is over " + QByteArray::number(MaxRequestBytes) + " bytes.\"}";
    return "HTTP/1.1 413 Payload Too Large\r\nContent-Type: application/json\r\nContent-Length: "
           + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
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
        if (*received < MaxRequestBytes)
            return;
        QObject::disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
        socket->write(tooLarge());
        socket->disconnectFromHost();
    });
}
