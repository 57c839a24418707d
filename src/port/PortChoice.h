#pragma once

#include "LibgpiodLines.h"
#include "PortDevice.h"
#include "PosixSystemCalls.h"

#include <memory>
#include <string>

// The port backend that the "Port" setting names, and what it needs to live.
class PortChoice {
public:
    explicit PortChoice(const std::string &setting);

    PortDevice &device() { return *device_; }

private:
    PosixSystemCalls systemCalls_;
    LibgpiodLines gpioLines_;
    std::unique_ptr<PortDevice> device_;
};
