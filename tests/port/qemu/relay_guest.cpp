// Runs inside the emulated PC beside virtual_relay_board: finds the board
// through hidapi and hidraw, and plays rows on it through the relay backend.

#include "HidapiRelayHid.h"
#include "PortDevice.h"
#include "RelayBackend.h"

#include <chrono>
#include <cstdio>
#include <thread>

int main()
{
    // A running light, rows that switch several relays at once, and a row
    // that repeats the one before.
    constexpr std::uint8_t Rows[] = {0x01, 0x02, 0x04, 0x08, 0xf0, 0x0f, 0x0f, 0xa5};
    // The kernel adds the board's hidraw node a moment after it is made.
    HidapiRelayHid hid;
    for (int tries = 0; tries < 100 && findRelayBoards(hid).empty(); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::string failure;
    {
        PortDevice port(std::make_unique<RelayBackend>("QEMU8", std::make_unique<HidapiRelayHid>()));
        port.open();
        failure = port.failureReason();
        std::printf("guest: port %s %s\n", failure.empty() ? "claimed" : "refused", failure.c_str());
        for (const std::uint8_t row : Rows) {
            std::printf("guest: row 0x%02x = %u\n", row, row);
            port.writeLines(row);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        // Leaving the scope sets every line low and lets the board go.
        std::printf("guest: letting go\n");
    }
    std::printf("guest: port released\n");
    return failure.empty() ? 0 : 1;
}
