#include "RelayBoards.h"

#include "PortText.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view ProductPrefix = "USBRelay";
constexpr std::size_t SerialLength = 5;

// The relay count is the number after the product name's prefix; 0 for any
// other device.
int relayCount(std::string_view product)
{
    if (!product.starts_with(ProductPrefix))
        return 0;
    const std::string_view number = product.substr(ProductPrefix.size());
    int count = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), count);
    const bool whole = result.ec == std::errc() && result.ptr == number.data() + number.size();
    return whole && count >= 1 && count <= 8 ? count : 0;
}

std::string explainOpenFailure(const std::string &path, int error)
{
    if (error == EACCES || error == EPERM)
        return fillIn(portText("RelayBoards", "No permission to use the USB relay board %1. Add a udev rule that "
                                              "gives the plugdev group access to USB device 16c0:05df, add your user "
                                              "to plugdev and plug the board in again (see \"Connecting lamps\" in "
                                              "the README)."),
                      {path});
    return fillIn(portText("RelayBoards", "Cannot open the USB relay board %1 (%2)."), {path, std::strerror(error)});
}

// Reads the board's serial into it. Returns why it could not, or "".
std::string readSerial(RelayHid &hid, RelayBoardInfo &board)
{
    if (const int result = hid.open(board.path); result < 0)
        return explainOpenFailure(board.path, -result);
    RelayHid::Report report{};
    const int result = hid.getFeatureReport(report);
    hid.close();
    if (result < 0)
        return fillIn(portText("RelayBoards", "The USB relay board %1 does not answer (%2)."),
                      {board.path, std::strerror(-result)});
    const auto *text = reinterpret_cast<const char *>(report.data());
    board.serial.assign(text, strnlen(text, SerialLength));
    return {};
}

} // namespace

std::vector<RelayBoardInfo> findRelayBoards(RelayHid &hid)
{
    std::vector<RelayBoardInfo> boards;
    for (const RelayHid::Device &device : hid.devices()) {
        RelayBoardInfo board;
        board.relays = relayCount(device.product);
        if (board.relays == 0)
            continue;
        board.path = device.path;
        board.unavailable = readSerial(hid, board);
        board.setting = "relay:" + board.serial;
        boards.push_back(std::move(board));
    }
    return boards;
}
