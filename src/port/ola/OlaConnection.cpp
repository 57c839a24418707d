#include "OlaConnection.h"

#include <ola/Callback.h>
#include <ola/Logging.h>
#include <ola/network/IPV4Address.h>
#include <ola/network/SocketAddress.h>

#include <csignal>

OlaConnection::OlaConnection(std::uint16_t rpcPort)
{
    // A daemon that goes away would otherwise end the program through
    // SIGPIPE on the next send.
    std::signal(SIGPIPE, SIG_IGN);
    // Failures reach the user through our own messages, which say what to do.
    ola::InitLogging(ola::OLA_LOG_FATAL, ola::OLA_LOG_STDERR);
    socket_.reset(ola::network::TCPSocket::Connect(
        ola::network::IPV4SocketAddress(ola::network::IPV4Address::Loopback(), rpcPort)));
    if (!socket_)
        return;
    // Each frame is a small message of its own; Nagle's algorithm would hold
    // it back until the one before is acknowledged, bunching frames.
    socket_->SetNoDelay();
    client_ = std::make_unique<ola::client::OlaClient>(socket_.get());
    if (!client_->Setup()) {
        client_.reset();
        socket_.reset();
        return;
    }
    client_->SetCloseHandler(ola::NewSingleCallback(this, &OlaConnection::daemonClosed));
    events_.AddReadDescriptor(socket_.get());
}

OlaConnection::~OlaConnection()
{
    if (!client_)
        return;
    if (!closedByDaemon_)
        events_.RemoveReadDescriptor(socket_.get());
    client_->Stop();
    client_.reset();
    socket_->Close();
}

void OlaConnection::daemonClosed()
{
    closedByDaemon_ = true;
    events_.Terminate();
}

void OlaConnection::poll()
{
    if (connected())
        events_.RunOnce(ola::TimeInterval(0, 0));
}

bool OlaConnection::waitUntil(const std::function<bool()> &done, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done() && connected() && std::chrono::steady_clock::now() < end)
        events_.RunOnce(ola::TimeInterval(0, 20000));
    return done();
}

namespace {

void markAnswered(bool *answered, const ola::client::Result &, const ola::client::OlaUniverse &)
{
    *answered = true;
}

} // namespace

bool OlaConnection::roundTrip(unsigned universe)
{
    bool answered = false;
    client_->FetchUniverseInfo(universe, ola::NewSingleCallback(&markAnswered, &answered));
    return waitUntil([&answered] { return answered; }, std::chrono::seconds(2));
}
