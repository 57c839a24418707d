#include "RelayBackend.h"

#include "PortText.h"

#include <cstring>
#include <vector>

namespace {

// The first data byte of a report says what to do; the second names the
// relay, counted from 1.
constexpr std::uint8_t SwitchOn = 0xff;
constexpr std::uint8_t SwitchOff = 0xfd;
constexpr std::uint8_t SwitchAllOff = 0xfc;

std::string join(const std::vector<std::string> &parts, const std::string &separator)
{
    std::string joined;
    for (const std::string &part : parts)
        joined += (joined.empty() ? "" : separator) + part;
    return joined;
}

} // namespace

RelayBackend::RelayBackend(std::string serial, std::unique_ptr<RelayHid> hid)
    : wanted_(std::move(serial)), hid_(std::move(hid))
{
}

std::string RelayBackend::open()
{
    const std::vector<RelayBoardInfo> boards = findRelayBoards(*hid_);
    if (boards.empty())
        return portText("RelayBackend", "No USB relay board was found. Plug one in: it shows up as USB device "
                                        "16c0:05df named USBRelay1, USBRelay2, USBRelay4 or USBRelay8.");
    std::vector<std::string> otherSerials;
    std::vector<std::string> refusals;
    for (const RelayBoardInfo &board : boards) {
        if (!board.unavailable.empty())
            refusals.push_back(board.unavailable);
        else if (!wanted_.empty() && board.serial != wanted_)
            otherSerials.push_back(board.serial);
        else
            return claim(board);
    }
    if (!otherSerials.empty())
        refusals.insert(refusals.begin(),
                        fillIn(portText("RelayBackend", "There is no USB relay board with serial %1; the boards found "
                                                        "are %2."),
                               {wanted_, join(otherSerials, ", ")}));
    return join(refusals, " ");
}

std::string RelayBackend::claim(const RelayBoardInfo &board)
{
    if (const int result = hid_->open(board.path); result < 0)
        return fillIn(portText("RelayBackend", "Cannot open the USB relay board %1 (%2)."),
                      {board.path, std::strerror(-result)});
    if (const int result = hid_->sendFeatureReport({SwitchAllOff}); result < 0) {
        hid_->close();
        return fillIn(portText("RelayBackend", "The USB relay board %1 does not take commands (%2)."),
                      {board.serial, std::strerror(-result)});
    }
    serial_ = board.serial;
    relays_ = board.relays;
    states_ = 0;
    return {};
}

std::string RelayBackend::write(std::uint8_t lines)
{
    for (int relay = 0; relay < relays_; ++relay) {
        const auto bit = static_cast<std::uint8_t>(1u << relay);
        if (((lines ^ states_) & bit) == 0)
            continue;
        const std::uint8_t command = (lines & bit) != 0 ? SwitchOn : SwitchOff;
        if (const int result = hid_->sendFeatureReport({command, static_cast<std::uint8_t>(relay + 1)}); result < 0)
            return fillIn(portText("RelayBackend", "The USB relay board %1 stopped answering (%2). Check that it is "
                                                   "still plugged in."),
                          {serial_, std::strerror(-result)});
        states_ ^= bit;
    }
    return {};
}

std::string RelayBackend::close()
{
    hid_->close();
    return {};
}

std::string RelayBackend::notice() const
{
    if (relays_ >= 8)
        return {};
    const std::string notice =
        relays_ == 1   ? portText("RelayBackend", "This board has %1 relay: lines %1 to 7 are not connected.")
        : relays_ == 7 ? portText("RelayBackend", "This board has %1 relays: line 7 is not connected.")
                       : portText("RelayBackend", "This board has %1 relays: lines %1 to 7 are not connected.");
    return fillIn(notice, {std::to_string(relays_)});
}
