#pragma once

#include <string>
#include <string_view>

struct Output;

// What the "Port" setting (or --port) names, through the outputs table; the
// forms are in outputsHelp().
struct PortSetting {
    // Invalid is a mistake in the configuration, which trying again cannot
    // mend: a setting that makes no sense, one that names no output, and one
    // that names an output this build left out.
    enum class Kind { Valid, Invalid };

    Kind kind = Kind::Invalid;
    const Output *output = nullptr; // its row in the outputs table; nullptr when Invalid
    // The device it names, one way only: the parallel port's node (parport0),
    // the GPIO chip (gpiochip0), the DMX universe (3), the relay board's
    // serial, or "" for the first relay board found.
    std::string device;
    std::string error; // why an Invalid setting was refused
};

PortSetting parsePortSetting(std::string_view text);
