#pragma once

#include "PortBackend.h"
#include "RelayBoards.h"
#include "RelayHid.h"

#include <cstdint>
#include <memory>
#include <string>

// Lines 0..7 as relays 1..8 of a cheap USB HID relay board (USBRelay1, 2,
// 4 or 8). The board is slow, so a row sends one report per relay that
// changes and nothing for the others. Lines beyond a smaller board's relays
// lead nowhere.
class RelayBackend final : public PortBackend {
public:
    // An empty serial takes the first board that can be opened.
    RelayBackend(std::string serial, std::unique_ptr<RelayHid> hid);

    std::string open() override;
    std::string write(std::uint8_t lines) override;
    std::string close() override;
    std::string notice() const override;

private:
    // Opens the board and switches every relay off.
    std::string claim(const RelayBoardInfo &board);

    std::string wanted_;
    std::unique_ptr<RelayHid> hid_;
    std::string serial_;
    int relays_ = 0;
    std::uint8_t states_ = 0;
};
