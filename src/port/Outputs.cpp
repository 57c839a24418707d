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
     "", "", partsOf<ParportOutput, true>()},
    {"gpio", "gpio:", "gpio:CHIP:O0,O1,O2,O3,O4,O5,O6,O7", "eight GPIO lines of a chip, by offset, for lines 0..7",
     "LAMPOTRON_WITH_GPIO", "GPIO output", partsOf<GpioOutput, LAMPOTRON_WITH_GPIO>()},
    {"ola", "ola:", "ola:UNIVERSE", "a DMX universe through the OLA daemon, channels 1..8 for lines 0..7",
     "LAMPOTRON_WITH_OLA", "DMX output through OLA", partsOf<OlaOutput, LAMPOTRON_WITH_OLA>()},
    {"relay", "relay:", "relay:SERIAL", "a USB relay board by its serial; relay: alone takes the first one found",
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
