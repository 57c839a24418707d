#include "OlaUniverseReceiver.h"

#include "PortText.h"

#include <ola/Callback.h>
#include <ola/DmxBuffer.h>

namespace {

void keepResult(std::string *error, bool *answered, const ola::client::Result &result)
{
    *answered = true;
    if (!result.Success())
        *error = result.Error();
}

} // namespace

OlaUniverseReceiver::OlaUniverseReceiver(unsigned universe, FrameHandler onFrame, std::uint16_t rpcPort)
    : universe_(universe), onFrame_(std::move(onFrame)), connection_(rpcPort)
{
}

std::string OlaUniverseReceiver::open()
{
    if (!connection_.connected())
        return fillIn(portText("OlaUniverseReceiver", "olad does not answer at localhost:%1; start it (Lampotron never "
                                                      "starts it)."),
                      {std::to_string(OlaConnection::DefaultRpcPort)});
    connection_.client().SetDMXCallback(ola::NewCallback(this, &OlaUniverseReceiver::onDmx));
    std::string error;
    bool answered = false;
    connection_.client().RegisterUniverse(universe_, ola::client::REGISTER,
                                          ola::NewSingleCallback(&keepResult, &error, &answered));
    if (!connection_.waitUntil([&answered] { return answered; }, std::chrono::seconds(2)))
        return fillIn(portText("OlaUniverseReceiver", "olad did not answer the registration for universe %1."),
                      {std::to_string(universe_)});
    if (!error.empty())
        return fillIn(portText("OlaUniverseReceiver", "olad refused universe %1: %2"),
                      {std::to_string(universe_), error});
    return {};
}

int OlaUniverseReceiver::descriptor() const
{
    return connection_.descriptor();
}

bool OlaUniverseReceiver::poll()
{
    connection_.poll();
    return connection_.connected();
}

// Another universe's frames reach every registered client; they are not ours.
void OlaUniverseReceiver::onDmx(const ola::client::DMXMetadata &metadata, const ola::DmxBuffer &channels)
{
    if (metadata.universe == universe_)
        onFrame_(channels.GetRaw(), channels.Size());
}
