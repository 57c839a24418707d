#pragma once

#include "PortDevice.h"

#include <functional>

// What the guest does with the opened port, in order: every line up one by
// one, then a running light of eight rows, one write each with the pause
// after it, then every line low.
inline void playGuestSequence(PortDevice &port, const std::function<void()> &pause)
{
    for (std::int16_t line = 0; line < 8; ++line)
        port.SetLine(line, 1);
    for (unsigned row = 0; row < 8; ++row) {
        port.WriteLines(static_cast<std::uint8_t>(1u << row));
        pause();
    }
    port.WriteLines(0);
}
