#pragma once

#include "GpioLines.h"
#include "PortBackend.h"

#include <array>
#include <memory>
#include <string>

// Lines 0..7 as eight GPIO lines of one chip, at the given offsets.
class GpioBackend final : public PortBackend {
public:
    GpioBackend(std::string chip, std::array<unsigned, 8> offsets, std::unique_ptr<GpioLines> lines);

    std::string open() override;
    std::string write(std::uint8_t lines) override;
    std::string close() override;

private:
    std::string chip_;
    std::array<unsigned, 8> offsets_;
    std::unique_ptr<GpioLines> lines_;
};
