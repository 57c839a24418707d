#include "RelayOutput.h"

#include "HidapiRelayHid.h"
#include "RelayBackend.h"
#include "RelayBoards.h"

#include <algorithm>
#include <cctype>

SettingCheck RelayOutput::check(std::string_view serial)
{
    if (!std::all_of(serial.begin(), serial.end(), [](unsigned char c) { return std::isalnum(c); }))
        return {{}, "does not name a relay board's serial (letters and digits, or nothing for the first board)."};
    return {std::string(serial), {}};
}

std::unique_ptr<PortBackend> RelayOutput::make(std::string_view serial)
{
    return std::make_unique<RelayBackend>(std::string(serial), std::make_unique<HidapiRelayHid>());
}

std::vector<FoundPort> RelayOutput::find()
{
    HidapiRelayHid hid;
    std::vector<FoundPort> ports;
    for (const RelayBoardInfo &board : findRelayBoards(hid)) {
        const std::string relays = std::to_string(board.relays);
        ports.push_back({board.setting,
                         "USB relay board " + board.serial + " with " + relays
                             + (board.relays == 1 ? " relay" : " relays")
                             + (board.relays < 8 ? "; lines " + relays + " to 7 go nowhere" : ""),
                         board.unavailable});
    }
    return ports;
}
