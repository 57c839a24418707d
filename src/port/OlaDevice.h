#pragma once

#include "PortDevice.h"

#include <ola/DmxBuffer.h>
#include <ola/client/StreamingClient.h>

#include <cstdint>
#include <memory>
#include <string>

// Lines 0..7 as DMX channels 1..8 of one universe, sent to a running olad.
// Level 1 is 255, level 0 is 0. It never starts olad itself.
class OlaDevice final : public PortDevice {
public:
    static constexpr std::uint16_t DefaultRpcPort = 9010;

    explicit OlaDevice(unsigned universe, std::uint16_t rpcPort = DefaultRpcPort);
    ~OlaDevice() override;

    OlaDevice(const OlaDevice &) = delete;
    OlaDevice &operator=(const OlaDevice &) = delete;

    void SelectPort(std::int16_t value) override;
    std::int16_t SelectPort() const override;
    void SetLine(std::int16_t line, std::int16_t level) override;
    std::string failureReason() const override;

private:
    void release();

    unsigned universe_;
    std::uint16_t rpcPort_;
    std::unique_ptr<ola::client::StreamingClient> client_;
    ola::DmxBuffer channels_;
    std::string failure_;
};
