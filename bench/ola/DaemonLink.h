#pragma once

#include <ola/client/OlaClient.h>
#include <ola/io/SelectServer.h>
#include <ola/network/TCPSocket.h>

#include <memory>

// A client of the olad on this machine over a socket of our own, so that
// Nagle's algorithm can be switched off: a small DMX frame leaves at once
// instead of waiting for the one before to be acknowledged. The probe keeps
// its own link rather than the program's, so that it measures the program
// with nothing of the program in it. It never starts olad.
class DaemonLink {
public:
    DaemonLink();
    ~DaemonLink();

    DaemonLink(const DaemonLink &) = delete;
    DaemonLink &operator=(const DaemonLink &) = delete;

    bool connected() const { return client_ && !closed_; }
    ola::client::OlaClient &client() { return *client_; }
    ola::io::SelectServer &events() { return events_; }

    // Sends a question after everything sent so far and waits for its
    // answer: olad handles a connection's messages in order, so then it has
    // them all.
    bool roundTrip(unsigned universe);

private:
    void daemonClosed();

    ola::io::SelectServer events_;
    std::unique_ptr<ola::network::TCPSocket> socket_;
    std::unique_ptr<ola::client::OlaClient> client_;
    bool closed_ = false;
};
