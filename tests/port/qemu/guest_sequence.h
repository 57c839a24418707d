#pragma once

#include "PortDevice.h"

#include <functional>

// What the guest does with the port, in order: every line up one by one,
// then down one by one, then a running light of eight frames, each frame
// setting all eight lines and then waiting the pause.
inline void playGuestSequence(PortDevice &port, const std::function<void()> &pause)
{
    for (std::int16_t line = 0; line < 8; ++line)
        port.SetLine(line, 1);
    for (std::int16_t line = 0; line < 8; ++line)
        port.SetLine(line, 0);
    for (std::int16_t frame = 0; frame < 8; ++frame) {
        for (std::int16_t line = 0; line < 8; ++line)
            port.SetLine(line, line == frame ? 1 : 0);
        pause();
    }
}
