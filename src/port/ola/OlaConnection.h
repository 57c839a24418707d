#pragma once

#include <ola/client/OlaClient.h>
#include <ola/io/SelectServer.h>
#include <ola/network/TCPSocket.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

// One client connection to a running olad, driven by hand: nothing runs in
// the background, and nothing ever starts olad.
class OlaConnection {
public:
    static constexpr std::uint16_t DefaultRpcPort = 9010;

    // Connects at once; connected() tells whether it worked.
    explicit OlaConnection(std::uint16_t rpcPort);
    ~OlaConnection();

    OlaConnection(const OlaConnection &) = delete;
    OlaConnection &operator=(const OlaConnection &) = delete;

    bool connected() const { return client_ && !closedByDaemon_; }
    ola::client::OlaClient &client() { return *client_; }
    // What to watch for reading, for an owner with an event loop of its own.
    int descriptor() const { return socket_ ? socket_->ReadDescriptor() : -1; }
    // The events of the connection, for those who wait on them themselves.
    ola::io::SelectServer &events() { return events_; }

    // Handles whatever olad has sent, without waiting; notices a daemon
    // that has gone away.
    void poll();

    // Handles answers until `done` is true, the daemon goes, or the time is
    // up. Returns `done`.
    bool waitUntil(const std::function<bool()> &done, std::chrono::milliseconds limit);

    // Frames are sent without an answer, so the last one could still be on
    // its way. olad handles a connection's messages in order: once it answers
    // a question sent after them, it has them all. Returns whether it did.
    bool roundTrip(unsigned universe);

private:
    void daemonClosed();

    ola::io::SelectServer events_;
    std::unique_ptr<ola::network::TCPSocket> socket_;
    std::unique_ptr<ola::client::OlaClient> client_;
    bool closedByDaemon_ = false;
};
