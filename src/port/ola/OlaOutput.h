#pragma once

#include "FoundPort.h"
#include "PortBackend.h"
#include "SettingCheck.h"

#include <memory>
#include <string_view>
#include <vector>

// The DMX universes' row in the outputs table. The text after "ola:" is the
// universe's number, which is also the device.
struct OlaOutput {
    static SettingCheck check(std::string_view universe);
    static std::unique_ptr<PortBackend> make(std::string_view universe);
    // The universes of a running olad; nothing when no olad answers.
    static std::vector<FoundPort> find();
};
