#include "RelayOutput.h"

#include "HidapiRelayHid.h"
#include "PortText.h"
#include "RelayBackend.h"
#include "RelayBoards.h"

#include <algorithm>
#include <cctype>

SettingCheck RelayOutput::check(std::string_view serial)
{
    if (!std::all_of(serial.begin(), serial.end(), [](unsigned char c) { return std::isalnum(c); }))
        return {{}, portText("PortSetting", "does not name a relay board's serial (letters and digits, or nothing for "
                                            "the first board).")};
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
        const std::string description =
            board.relays == 1  ? portText("RelayOutput", "USB relay board %1 with %2 relay; lines %2 to 7 go nowhere")
            : board.relays < 8 ? portText("RelayOutput", "USB relay board %1 with %2 relays; lines %2 to 7 go nowhere")
                               : portText("RelayOutput", "USB relay board %1 with %2 relays");
        ports.push_back({board.setting, fillIn(description, {board.serial, std::to_string(board.relays)}),
                         board.unavailable});
    }
    return ports;
}
