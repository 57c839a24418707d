#include "PortDiscovery.h"

#include "DeviceAccess.h"

#include <glob.h>

#ifdef LAMPOTRON_WITH_GPIO
#include "GpioChips.h"
#endif
#ifdef LAMPOTRON_WITH_OLA
#include "OlaUniverses.h"
#endif
#ifdef LAMPOTRON_WITH_RELAY
#include "HidapiRelayHid.h"
#include "RelayBoards.h"
#endif

namespace {

std::vector<std::string> devicesMatching(const char *pattern)
{
    std::vector<std::string> paths;
    glob_t found{};
    if (::glob(pattern, 0, nullptr, &found) == 0)
        paths.assign(found.gl_pathv, found.gl_pathv + found.gl_pathc);
    ::globfree(&found);
    return paths;
}

} // namespace

std::vector<FoundPort> findPorts()
{
    std::vector<FoundPort> ports;
    for (const std::string &path : devicesMatching("/dev/parport[0-9]*"))
        ports.push_back({path, "parallel port", whyDeviceCannotOpen(path, "lp")});
#ifdef LAMPOTRON_WITH_GPIO
    for (FoundPort &chip : findGpioChips())
        ports.push_back(std::move(chip));
#endif
#ifdef LAMPOTRON_WITH_OLA
    for (FoundPort &universe : findOlaUniverses())
        ports.push_back(std::move(universe));
#endif
#ifdef LAMPOTRON_WITH_RELAY
    HidapiRelayHid hid;
    for (const RelayBoardInfo &board : findRelayBoards(hid))
        ports.push_back({board.setting, "USB relay board " + board.serial + " with " + std::to_string(board.relays)
                                            + (board.relays == 1 ? " relay" : " relays")
                                            + (board.relays < 8 ? "; lines " + std::to_string(board.relays)
                                                                      + " to 7 go nowhere"
                                                                : ""),
                         board.unavailable});
#endif
    return ports;
}
