#include "OlaBackend.h"

#include "PortText.h"

OlaBackend::OlaBackend(unsigned universe, std::uint16_t rpcPort) : universe_(universe), rpcPort_(rpcPort) {}

std::string OlaBackend::open()
{
    auto connection = std::make_unique<OlaConnection>(rpcPort_);
    if (!connection->connected())
        return fillIn(portText("OlaBackend", "The OLA daemon (olad) does not answer on port %1. Start it, for example "
                                             "with: sudo systemctl start olad"),
                      {std::to_string(rpcPort_)});
    connection_ = std::move(connection);
    frame_.Blackout();
    return {};
}

std::string OlaBackend::write(std::uint8_t lines)
{
    connection_->poll();
    if (!connection_->connected())
        return portText("OlaBackend", "The OLA daemon (olad) stopped answering. Start it again, then open the port "
                                      "again.");
    for (unsigned k = 0; k < 8; ++k)
        frame_.SetChannel(k, (lines >> k) & 1 ? 255 : 0);
    connection_->client().SendDMX(universe_, frame_, ola::client::SendDMXArgs());
    return {};
}

// olad must have the last frame, every line low, before the connection goes.
std::string OlaBackend::close()
{
    const bool confirmed = connection_->roundTrip(universe_);
    connection_.reset();
    if (confirmed)
        return {};
    return portText("OlaBackend", "the OLA daemon (olad) did not confirm the last frame, so lamps may still be lit.");
}
