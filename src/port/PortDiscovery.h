#pragma once

#include "FoundPort.h"

#include <vector>

// Every output that can be found now, of every kind this build has, in the
// order of the outputs table.
std::vector<FoundPort> findPorts();
