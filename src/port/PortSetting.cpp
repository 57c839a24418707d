#include "PortSetting.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

// Far longer than any real setting; longer text is refused before parsing.
constexpr std::size_t LongestSetting = 256;
constexpr std::size_t LongestQuote = 60;

bool parseNumber(std::string_view text, unsigned &number)
{
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, number);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

PortSetting refuse(std::string_view text, const std::string &why)
{
    std::string quoted(text.substr(0, LongestQuote));
    if (text.size() > LongestQuote)
        quoted += "...";
    PortSetting setting;
    setting.error = "The port setting \"" + quoted + "\" " + why
                    + " Use /dev/parportN, gpio:CHIP:O0,O1,O2,O3,O4,O5,O6,O7, ola:UNIVERSE or relay:SERIAL.";
    return setting;
}

PortSetting parseGpio(std::string_view text)
{
    const std::string_view rest = text.substr(5);
    const auto colon = rest.rfind(':');
    if (colon == std::string_view::npos || colon == 0)
        return refuse(text, "does not name a GPIO chip and its line offsets.");
    PortSetting setting;
    setting.device = std::string(rest.substr(0, colon));
    std::string_view offsets = rest.substr(colon + 1);
    for (std::size_t k = 0; k < setting.offsets.size(); ++k) {
        const auto comma = offsets.find(',');
        const bool last = k + 1 == setting.offsets.size();
        if ((comma == std::string_view::npos) != last || !parseNumber(offsets.substr(0, comma), setting.offsets[k]))
            return refuse(text, "needs exactly eight line offsets, separated by commas.");
        offsets.remove_prefix(last ? offsets.size() : comma + 1);
    }
    setting.kind = PortSetting::Kind::Gpio;
    return setting;
}

} // namespace

PortSetting parsePortSetting(std::string_view text)
{
    if (text.size() > LongestSetting)
        return refuse(text, "is longer than " + std::to_string(LongestSetting) + " characters.");
    PortSetting setting;
    if (text.starts_with("/dev/parport") && allDigits(text.substr(12))) {
        setting.kind = PortSetting::Kind::Parport;
        setting.device = std::string(text);
        return setting;
    }
    if (text.starts_with("ola:")) {
        if (!parseNumber(text.substr(4), setting.universe))
            return refuse(text, "does not name a DMX universe number.");
        setting.kind = PortSetting::Kind::Ola;
        return setting;
    }
    if (text.starts_with("relay:")) {
        setting.device = std::string(text.substr(6));
        if (!std::all_of(setting.device.begin(), setting.device.end(), [](unsigned char c) { return std::isalnum(c); }))
            return refuse(text, "does not name a relay board's serial (letters and digits, or nothing for the first board).");
        setting.kind = PortSetting::Kind::Relay;
        return setting;
    }
    if (text.starts_with("gpio:"))
        return parseGpio(text);
    return refuse(text, "is not understood.");
}
