#pragma once

#include "OlaConnection.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The frames olad hands on for one universe, such as one it receives over
// E1.31 or Art-Net. Nothing runs in the background: the owner watches the
// descriptor and polls.
class OlaUniverseReceiver {
public:
    using FrameHandler = std::function<void(const std::uint8_t *channels, std::size_t count)>;

    OlaUniverseReceiver(unsigned universe, FrameHandler onFrame,
                        std::uint16_t rpcPort = OlaConnection::DefaultRpcPort);

    // Connects and registers for the universe; returns why it could not, or "".
    std::string open();
    // What to watch for reading once open.
    int descriptor() const;
    // Hands on every frame olad has sent, without waiting. Returns false
    // once olad has gone.
    bool poll();

private:
    void onDmx(const ola::client::DMXMetadata &metadata, const ola::DmxBuffer &channels);

    unsigned universe_;
    FrameHandler onFrame_;
    OlaConnection connection_;
};
