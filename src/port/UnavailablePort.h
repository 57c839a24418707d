#pragma once

#include "PortDevice.h"

#include <string>

// Stands in for a port that cannot exist, such as one named by a setting
// that makes no sense: it never opens and says why.
class UnavailablePort final : public PortDevice {
public:
    explicit UnavailablePort(std::string reason) : reason_(std::move(reason)) {}

    void SelectPort(std::int16_t) override {}
    std::int16_t SelectPort() const override { return 0; }
    void SetLine(std::int16_t, std::int16_t) override {}
    std::string failureReason() const override { return reason_; }

private:
    std::string reason_;
};
