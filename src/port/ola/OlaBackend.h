#pragma once

#include "OlaConnection.h"
#include "PortBackend.h"

#include <ola/DmxBuffer.h>

#include <cstdint>
#include <memory>
#include <string>

// Lines 0..7 as DMX channels 1..8 of one universe, sent to a running olad.
// Level 1 is 255, level 0 is 0. A row is one DMX frame.
class OlaBackend final : public PortBackend {
public:
    explicit OlaBackend(unsigned universe, std::uint16_t rpcPort = OlaConnection::DefaultRpcPort);

    std::string open() override;
    std::string write(std::uint8_t lines) override;
    std::string close() override;

private:
    unsigned universe_;
    std::uint16_t rpcPort_;
    std::unique_ptr<OlaConnection> connection_;
    ola::DmxBuffer frame_;
};
