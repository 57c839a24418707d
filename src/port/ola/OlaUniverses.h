#pragma once

#include "FoundPort.h"

#include <vector>

// The universes of a running olad; nothing when no olad answers.
std::vector<FoundPort> findOlaUniverses();
