#pragma once

#include "FoundPort.h"

#include <vector>

// The GPIO chips of this machine, each with its number of lines.
std::vector<FoundPort> findGpioChips();
