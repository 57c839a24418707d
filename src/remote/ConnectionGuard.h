#pragma once

#include <QTcpServer>
#include <QTcpSocket>

// Qt's HTTP server keeps a request in memory however long it grows. A guarded
// connection holds at most 64 kB of one request; one that sends more is
// answered 413, and what it still sends is read and thrown away for a
// while before the connection ends, so that the client reads the answer
// rather than a reset. Its small send buffer lets a reader that stopped
// reading show soon as bytes left to write.
void guardConnection(QTcpSocket *socket);

// A listening server, plain or TLS, whose every connection is guarded before
// the HTTP server sees it.
template <typename Server>
class GuardedServer final : public Server {
public:
    using Server::Server;

    QTcpSocket *nextPendingConnection() override
    {
        QTcpSocket *socket = Server::nextPendingConnection();
        if (socket)
            guardConnection(socket);
        return socket;
    }
};
