#pragma once

#include "FoundPort.h"
#include "PortBackend.h"
#include "SettingCheck.h"

#include <memory>
#include <string_view>
#include <vector>

// The USB relay boards' row in the outputs table. The text after "relay:" is
// a board's serial, which is also the device; an empty one takes the first
// board found, and so stands for any board. It is locked as a device of its
// own, as the board is not known before it opens: two players that both take
// the first board keep apart, but one that names the board does not meet
// them, so with several players, name every board by its serial.
struct RelayOutput {
    static SettingCheck check(std::string_view serial);
    static std::unique_ptr<PortBackend> make(std::string_view serial);
    static std::vector<FoundPort> find();
};
