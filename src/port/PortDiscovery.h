#pragma once

#include "FoundPort.h"

#include <string>
#include <vector>

// Every output that can be found now, of every kind this build has, in the
// order of the outputs table.
std::vector<FoundPort> findPorts();

// Where findPorts() looks, one line for each kind of output this build has,
// with what to check when nothing turns up there.
std::string searchedPlaces();
