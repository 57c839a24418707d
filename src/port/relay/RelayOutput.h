#pragma once

#include "FoundPort.h"
#include "PortBackend.h"
#include "SettingCheck.h"

#include <memory>
#include <string_view>
#include <vector>

// The USB relay boards' row in the outputs table. The text after "relay:" is
// a board's serial, which is also the device; an empty one takes the first
// board found, and so stands for any board.
struct RelayOutput {
    static SettingCheck check(std::string_view serial);
    static std::unique_ptr<PortBackend> make(std::string_view serial);
    static std::vector<FoundPort> find();
};
