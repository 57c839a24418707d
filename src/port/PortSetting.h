#pragma once

#include <array>
#include <string>
#include <string_view>

// What the "Port" setting (or --port) names:
//   /dev/parportN              a parallel port (the default, /dev/parport0, is LPT1)
//   gpio:CHIP:O0,O1,...,O7     eight GPIO line offsets on a chip, for lines 0..7
//   ola:U                      DMX universe U through the OLA daemon
//   relay:SERIAL or relay:     a USB relay board by serial, or the first one found
struct PortSetting {
    enum class Kind { Parport, Gpio, Ola, Relay, Invalid };

    Kind kind = Kind::Invalid;
    std::string device; // the parport path, the GPIO chip or the relay board's serial
    std::array<unsigned, 8> offsets{};
    unsigned universe = 0;
    std::string error; // why an Invalid setting was refused
};

inline constexpr const char *DefaultPortSetting = "/dev/parport0";

PortSetting parsePortSetting(std::string_view text);
