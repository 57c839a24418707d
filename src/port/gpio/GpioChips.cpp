#include "GpioChips.h"

#include "DeviceAccess.h"

#include <gpiod.hpp>

#include <exception>

std::vector<FoundPort> findGpioChips()
{
    std::vector<FoundPort> chips;
    try {
        for (const gpiod::chip &chip : gpiod::make_chip_iter()) {
            const std::string lines = std::to_string(chip.num_lines());
            chips.push_back({"gpio:" + chip.name() + ":0,1,2,3,4,5,6,7",
                             "GPIO chip " + chip.name() + " (" + chip.label() + ") with " + lines
                                 + " lines; put your eight line offsets in place of 0..7",
                             whyDeviceCannotOpen("/dev/" + chip.name(), "gpio")});
        }
    } catch (const std::exception &) {
        // A chip that cannot be read is not listed.
    }
    return chips;
}
