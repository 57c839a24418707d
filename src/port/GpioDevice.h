#pragma once

#include "GpioLines.h"
#include "PortDevice.h"

#include <array>
#include <string>

// Lines 0..7 as eight GPIO lines of one chip, at the given offsets.
class GpioDevice final : public PortDevice {
public:
    GpioDevice(std::string chip, std::array<unsigned, 8> offsets, GpioLines &lines);
    ~GpioDevice() override;

    GpioDevice(const GpioDevice &) = delete;
    GpioDevice &operator=(const GpioDevice &) = delete;

    void SelectPort(std::int16_t value) override;
    std::int16_t SelectPort() const override;
    void SetLine(std::int16_t line, std::int16_t level) override;
    std::string failureReason() const override;

private:
    void release();

    std::string chip_;
    std::array<unsigned, 8> offsets_;
    GpioLines &lines_;
    bool open_ = false;
    std::string failure_;
};
