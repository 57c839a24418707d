#pragma once

#include "FoundPort.h"
#include "PortBackend.h"
#include "SettingCheck.h"

#include <memory>
#include <string_view>
#include <vector>

// The parallel ports' row in the outputs table. The text after
// "/dev/parport" is the port's number; the device is the node's name,
// such as parport0.
struct ParportOutput {
    static SettingCheck check(std::string_view number);
    static std::unique_ptr<PortBackend> make(std::string_view number);
    static std::vector<FoundPort> find();
};
