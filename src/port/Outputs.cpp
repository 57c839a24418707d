#include "Outputs.h"

#include "gpio/GpioOutput.h"
#include "ola/OlaOutput.h"
#include "parport/ParportOutput.h"
#include "relay/RelayOutput.h"

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

// A new output is a folder with its parts and a row here.
constexpr Output Table[] = {
    {"parport", "/dev/parport", "/dev/parportN", "the data lines of parallel port N; /dev/parport0 is the first",
     "parallel ports as /dev/parport*: load the ppdev module (sudo modprobe ppdev), and see that the port is "
     "enabled in the firmware setup",
     "", "", partsOf<ParportOutput, true>()},
    {"gpio", "gpio:", "gpio:CHIP:O0,O1,O2,O3,O4,O5,O6,O7", "eight GPIO lines of a chip, by offset, for lines 0..7",
     "GPIO chips as /dev/gpiochip*: a chip you may not open is not listed, so join the group that owns them "
     "(gpio on Raspberry Pi OS)",
     "LAMPOTRON_WITH_GPIO", "GPIO output", partsOf<GpioOutput, LAMPOTRON_WITH_GPIO>()},
    {"ola", "ola:", "ola:UNIVERSE", "a DMX universe through the OLA daemon, channels 1..8 for lines 0..7",
     "DMX universes from olad at localhost:9010: start olad (Lampotron never starts it)",
     "LAMPOTRON_WITH_OLA", "DMX output through OLA", partsOf<OlaOutput, LAMPOTRON_WITH_OLA>()},
    {"relay", "relay:", "relay:SERIAL", "a USB relay board by its serial; relay: alone takes the first one found",
     "USB relay boards as hidraw devices with the USB id 16c0:05df: plug one in (lsusb lists it)",
     "LAMPOTRON_WITH_RELAY", "USB relay boards", partsOf<RelayOutput, LAMPOTRON_WITH_RELAY>()},
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
        help += (help.empty() ? "" : "\n") + std::string(output.form) + "  " + std::string(output.help);
        if (!output.built())
            help += " (left out of this build)";
    }
    return help;
}
