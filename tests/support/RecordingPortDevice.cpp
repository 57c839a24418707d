#include "RecordingPortDevice.h"

void RecordingPortDevice::SelectPort(std::int16_t value)
{
    open_ = value == 1;
    calls.push_back({Kind::SelectWrite, -1, value, std::chrono::steady_clock::now()});
}

void RecordingPortDevice::SetLine(std::int16_t line, std::int16_t level)
{
    if (line >= 0 && line < 8)
        level_[line] = level;
    calls.push_back({Kind::SetLine, line, level, std::chrono::steady_clock::now()});
}

std::string RecordingPortDevice::levels() const
{
    std::string text;
    for (std::int16_t level : level_)
        text += level == 1 ? '1' : '0';
    return text;
}
