// Drives the ppdev backend inside the emulated PC: every line up one by one,
// then a running light of eight rows 50 ms apart, every line low, release.

#include "ParportBackend.h"
#include "PortDevice.h"
#include "PosixSystemCalls.h"

#include <chrono>
#include <cstdio>
#include <thread>

int main()
{
    PortDevice port(std::make_unique<ParportBackend>("/dev/parport0", std::make_unique<PosixSystemCalls>()));
    port.open();
    if (!port.isOpen()) {
        std::printf("guest: port not present: %s\n", port.failureReason().c_str());
        return 1;
    }
    for (std::int16_t line = 0; line < 8; ++line)
        port.setLine(line, 1);
    for (unsigned row = 0; row < 8; ++row) {
        port.writeLines(static_cast<std::uint8_t>(1u << row));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    port.writeLines(0);
    port.close();
    std::printf("guest: port released\n");
    return 0;
}
