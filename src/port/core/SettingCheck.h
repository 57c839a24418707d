#pragma once

#include <charconv>
#include <string>
#include <string_view>

// What an output makes of the text after its prefix in a "Port" setting.
struct SettingCheck {
    // The device the setting names, written one way only, so that two
    // settings for one device compare equal; see PortSetting::device.
    std::string device;
    // Why the text names no device, as the end of a sentence that quotes the
    // setting; "" when it does.
    std::string refusal;
};

// Whether `text` is a whole decimal number, nothing more; it goes to `number`.
inline bool readWholeNumber(std::string_view text, unsigned &number)
{
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, number);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}
