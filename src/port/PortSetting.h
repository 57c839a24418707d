#pragma once

#include <array>
#include <string>

// What the "Port" setting names:
//   /dev/parportN              a parallel port (the default, /dev/parport0, is LPT1)
//   gpio:CHIP:O0,O1,...,O7     eight GPIO line offsets on a chip, for lines 0..7
//   ola:U                      DMX universe U through the OLA daemon
struct PortSetting {
    enum class Kind { Parport, Gpio, Ola, Invalid };

    Kind kind = Kind::Invalid;
    std::string device; // the parport path or the GPIO chip
    std::array<unsigned, 8> offsets{};
    unsigned universe = 0;
    std::string error; // why an Invalid setting was refused
};

inline constexpr const char *DefaultPortSetting = "/dev/parport0";

PortSetting parsePortSetting(const std::string &text);
