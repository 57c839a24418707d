#pragma once

#include "GpioLines.h"

#include <gpiod.hpp>

// GPIO lines through libgpiod's character-device interface.
class LibgpiodLines final : public GpioLines {
public:
    std::string request(const std::string &chip, const std::vector<unsigned> &offsets,
                        const std::string &consumer) override;
    std::string setValues(const std::vector<int> &values) override;
    void release() override;

private:
    gpiod::chip chip_;
    gpiod::line_bulk lines_;
};
