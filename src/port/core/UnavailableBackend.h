#pragma once

#include "PortBackend.h"

#include <string>

// Stands in for an output that cannot exist, such as one named by a setting
// that makes no sense: it never opens and says why.
class UnavailableBackend final : public PortBackend {
public:
    explicit UnavailableBackend(std::string reason) : reason_(std::move(reason)) {}

    std::string open() override { return reason_; }
    std::string write(std::uint8_t) override { return reason_; }
    std::string close() override { return {}; }

private:
    std::string reason_;
};
