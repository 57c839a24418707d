#pragma once

#include "RelayHid.h"

#include <string>
#include <vector>

// A USB relay board that is plugged in, as a list of ports shows it.
struct RelayBoardInfo {
    std::string setting;     // the Port setting that picks this board
    std::string serial;      // five characters; empty when it could not be read
    std::string path;        // the hidraw node
    int relays = 0;          // 1, 2, 4 or 8
    std::string unavailable; // why it cannot be used now; "" when it can
};

// Every relay board plugged in, in the order the HID layer lists them. Each
// is opened for a moment to read its serial, which only the board knows.
std::vector<RelayBoardInfo> findRelayBoards(RelayHid &hid);
