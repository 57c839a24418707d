#include "Outputs.h"

#include "gpio/GpioOutput.h"
#include "ola/OlaOutput.h"
#include "parport/ParportOutput.h"
#include "relay/RelayOutput.h"

#include "PortText.h"

namespace {

// An output's parts, named only when the build has them: for an output left
// out, the discarded branch asks nothing of the linker.
template <typename Parts, bool Built>
constexpr OutputParts partsOf()
{
    if constexpr (Built)
        return {&Parts::check, &Parts::make, &Parts::find};
    else
        return {};
}

// A new output is a folder with its parts and a row here. Its words are
// translated where they are shown.
constexpr Output Table[] = {
    {"parport", "/dev/parport", "/dev/parportN",
     PORT_TEXT_NOOP("Outputs", "the data lines of parallel port N; /dev/parport0 is the first"),
     PORT_TEXT_NOOP("Outputs", "parallel ports as /dev/parport*: load the ppdev module (sudo modprobe ppdev), and "
                               "see that the port is enabled in the firmware setup"),
     "", "", partsOf<ParportOutput, true>()},
    {"gpio", "gpio:", "gpio:CHIP:O0,O1,O2,O3,O4,O5,O6,O7",
     PORT_TEXT_NOOP("Outputs", "eight GPIO lines of a chip, by offset, for lines 0..7"),
     PORT_TEXT_NOOP("Outputs", "GPIO chips as /dev/gpiochip*: a chip you may not open is not listed, so join the "
                               "group that owns them (gpio on Raspberry Pi OS)"),
     "LAMPOTRON_WITH_GPIO", PORT_TEXT_NOOP("Outputs", "GPIO output"), partsOf<GpioOutput, LAMPOTRON_WITH_GPIO>()},
    {"ola", "ola:", "ola:UNIVERSE",
     PORT_TEXT_NOOP("Outputs", "a DMX universe through the OLA daemon, channels 1..8 for lines 0..7"),
     PORT_TEXT_NOOP("Outputs", "DMX universes from olad at localhost:9010: start olad (Lampotron never starts it)"),
     "LAMPOTRON_WITH_OLA", PORT_TEXT_NOOP("Outputs", "DMX output through OLA"),
     partsOf<OlaOutput, LAMPOTRON_WITH_OLA>()},
    {"relay", "relay:", "relay:SERIAL",
     PORT_TEXT_NOOP("Outputs", "a USB relay board by its serial; relay: alone takes the first one found"),
     PORT_TEXT_NOOP("Outputs", "USB relay boards as hidraw devices with the USB id 16c0:05df: plug one in (lsusb "
                               "lists it)"),
     "LAMPOTRON_WITH_RELAY", PORT_TEXT_NOOP("Outputs", "USB relay boards"),
     partsOf<RelayOutput, LAMPOTRON_WITH_RELAY>()},
};

} // namespace

std::span<const Output> outputs()
{
    return Table;
}

const Output *outputFor(std::string_view setting)
{
    for (const Output &output : Table)
        if (setting.starts_with(output.prefix))
            return &output;
    return nullptr;
}

std::string outputsHelp()
{
    std::string help;
    for (const Output &output : Table) {
        const std::string what = portText("Outputs", std::string(output.help).c_str());
        help += (help.empty() ? "" : "\n") + std::string(output.form) + "  "
                + (output.built() ? what : fillIn(portText("Outputs", "%1 (left out of this build)"), {what}));
    }
    return help;
}
