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
    // serial, or "" for the first relay board found, which stands for any.
    std::string device;
    std::string error; // why an Invalid setting was refused
};

PortSetting parsePortSetting(std::string_view text);

// Whether two settings name one device, however each is written: a GPIO chip
// whatever the offsets, ola:1 and ola:01; relay: (the first board found)
// is any relay board. A refused setting names nothing.
bool sameDevice(const std::string &settingA, const std::string &settingB);

// What the setting becomes when the user chooses `found`, as the list of
// outputs shows it, while `current` is in force: `current` when it names the
// same device the same way, so that the user's own GPIO offsets stay;
// otherwise `found`, so that choosing a relay board pins it by its serial.
std::string settingForChoice(const std::string &current, const std::string &found);
