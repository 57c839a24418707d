#pragma once

#include "FoundPort.h"
#include "PortBackend.h"
#include "SettingCheck.h"

#include <memory>
#include <string_view>
#include <vector>

// The GPIO chips' row in the outputs table. The text after "gpio:" is
// CHIP:O0,...,O7, eight line offsets for lines 0..7. The device is the chip
// by its name, however it was written: /dev/gpiochip0, gpiochip0 and 0 are
// all gpiochip0.
struct GpioOutput {
    static SettingCheck check(std::string_view chipAndOffsets);
    static std::unique_ptr<PortBackend> make(std::string_view chipAndOffsets);
    // Each chip, as a setting with offsets 0..7 for the user to replace.
    static std::vector<FoundPort> find();
};
