#include "DaemonLink.h"

#include <ola/Callback.h>
#include <ola/Constants.h>
#include <ola/Logging.h>
#include <ola/network/IPV4Address.h>
#include <ola/network/SocketAddress.h>

#include <csignal>

DaemonLink::DaemonLink()
{
    // A daemon that goes away ends the link, not the probe.
    std::signal(SIGPIPE, SIG_IGN);
    ola::InitLogging(ola::OLA_LOG_WARN, ola::OLA_LOG_STDERR);
    socket_.reset(ola::network::TCPSocket::Connect(
        ola::network::IPV4SocketAddress(ola::network::IPV4Address::Loopback(), ola::OLA_DEFAULT_PORT)));
    if (!socket_)
        return;
    socket_->SetNoDelay();
    client_ = std::make_unique<ola::client::OlaClient>(socket_.get());
    if (!client_->Setup()) {
        client_.reset();
        return;
    }
    client_->SetCloseHandler(ola::NewSingleCallback(this, &DaemonLink::daemonClosed));
    events_.AddReadDescriptor(socket_.get());
}

DaemonLink::~DaemonLink()
{
    if (!client_)
        return;
    if (!closed_)
        events_.RemoveReadDescriptor(socket_.get());
    client_->Stop();
    client_.reset();
    socket_->Close();
}

void DaemonLink::daemonClosed()
{
    closed_ = true;
    events_.Terminate();
}

bool DaemonLink::roundTrip(unsigned universe)
{
    bool answered = false;
    client_->FetchUniverseInfo(
        universe, ola::NewSingleCallback(
                      +[](bool *done, const ola::client::Result &, const ola::client::OlaUniverse &) { *done = true; },
                      &answered));
    for (int wait = 0; wait < 100 && !answered && connected(); ++wait)
        events_.RunOnce(ola::TimeInterval(0, 20000));
    return answered;
}
