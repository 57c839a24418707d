#pragma once

#include "FoundPort.h"

#include <vector>

// Every output that can be found now: parallel ports, GPIO chips, the
// universes of a running olad and USB relay boards, as far as this build
// knows them.
std::vector<FoundPort> findPorts();
