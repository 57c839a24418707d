#include "PortSetting.h"

#include <charconv>
#include <regex>

namespace {

bool parseNumber(std::string_view text, unsigned &number)
{
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, number);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

PortSetting refuse(const std::string &text, const std::string &why)
{
    PortSetting setting;
    setting.error = "The port setting \"" + text + "\" " + why
                    + " Use /dev/parportN, gpio:CHIP:O0,O1,O2,O3,O4,O5,O6,O7 or ola:UNIVERSE.";
    return setting;
}

} // namespace

PortSetting parsePortSetting(const std::string &text)
{
    PortSetting setting;
    if (std::regex_match(text, std::regex("/dev/parport[0-9]+"))) {
        setting.kind = PortSetting::Kind::Parport;
        setting.device = text;
        return setting;
    }
    if (text.rfind("ola:", 0) == 0) {
        if (!parseNumber(std::string_view(text).substr(4), setting.universe))
            return refuse(text, "does not name a DMX universe number.");
        setting.kind = PortSetting::Kind::Ola;
        return setting;
    }
    if (text.rfind("gpio:", 0) == 0) {
        const std::string rest = text.substr(5);
        const auto colon = rest.rfind(':');
        if (colon == std::string::npos || colon == 0)
            return refuse(text, "does not name a GPIO chip and its line offsets.");
        setting.device = rest.substr(0, colon);
        std::string_view offsets = std::string_view(rest).substr(colon + 1);
        for (std::size_t k = 0; k < setting.offsets.size(); ++k) {
            const auto comma = offsets.find(',');
            const bool last = k + 1 == setting.offsets.size();
            if ((comma == std::string_view::npos) != last
                || !parseNumber(offsets.substr(0, comma), setting.offsets[k]))
                return refuse(text, "needs exactly eight line offsets, separated by commas.");
            offsets.remove_prefix(last ? offsets.size() : comma + 1);
        }
        setting.kind = PortSetting::Kind::Gpio;
        return setting;
    }
    return refuse(text, "is not understood.");
}
