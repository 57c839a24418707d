#pragma once

#include <string>

// An output that is there now, as the command line and the tray menu list it.
struct FoundPort {
    std::string setting;     // what to give as the Port setting or --port
    std::string description; // what it is, in words
    std::string problem;     // why it cannot be opened now; "" when it can
};
