#include "GpioOutput.h"

#include "DeviceAccess.h"
#include "GpioBackend.h"
#include "LibgpiodLines.h"
#include "PortText.h"

#include <gpiod.hpp>

#include <algorithm>
#include <cctype>
#include <exception>

namespace {

struct GpioChoice {
    std::string chip; // as written, for libgpiod to look up
    std::array<unsigned, 8> offsets{};
    std::string refusal;
};

GpioChoice read(std::string_view text)
{
    GpioChoice choice;
    const auto colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0)
        return {{}, {}, portText("PortSetting", "does not name a GPIO chip and its line offsets.")};
    choice.chip = std::string(text.substr(0, colon));
    std::string_view offsets = text.substr(colon + 1);
    for (std::size_t k = 0; k < choice.offsets.size(); ++k) {
        const auto comma = offsets.find(',');
        const bool last = k + 1 == choice.offsets.size();
        if ((comma == std::string_view::npos) != last || !readWholeNumber(offsets.substr(0, comma), choice.offsets[k]))
            return {{}, {}, portText("PortSetting", "needs exactly eight line offsets, separated by commas.")};
        offsets.remove_prefix(last ? offsets.size() : comma + 1);
    }
    return choice;
}

// libgpiod takes a chip by path, name or number alike.
std::string chipName(std::string_view chip)
{
    if (chip.starts_with("/dev/"))
        chip.remove_prefix(5);
    const bool number = std::all_of(chip.begin(), chip.end(), [](unsigned char c) { return std::isdigit(c); });
    return (number ? "gpiochip" : "") + std::string(chip);
}

} // namespace

SettingCheck GpioOutput::check(std::string_view chipAndOffsets)
{
    const GpioChoice choice = read(chipAndOffsets);
    return {choice.refusal.empty() ? chipName(choice.chip) : std::string(), choice.refusal};
}

std::unique_ptr<PortBackend> GpioOutput::make(std::string_view chipAndOffsets)
{
    GpioChoice choice = read(chipAndOffsets);
    return std::make_unique<GpioBackend>(std::move(choice.chip), choice.offsets, std::make_unique<LibgpiodLines>());
}

std::vector<FoundPort> GpioOutput::find()
{
    std::vector<FoundPort> chips;
    try {
        for (const gpiod::chip &chip : gpiod::make_chip_iter()) {
            const std::string lines = std::to_string(chip.num_lines());
            chips.push_back({"gpio:" + chip.name() + ":0,1,2,3,4,5,6,7",
                             fillIn(portText("GpioOutput", "GPIO chip %1 (%2) with %3 lines; put your eight line "
                                                           "offsets in place of 0..7"),
                                    {chip.name(), chip.label(), lines}),
                             whyDeviceCannotOpen("/dev/" + chip.name(), "gpio")});
        }
    } catch (const std::exception &) {
        // A chip that cannot be read is not listed.
    }
    return chips;
}
