#pragma once

#include "PortBackend.h"
#include "RelayBoards.h"

#include <memory>
#include <string>
#include <vector>

// The backend that a "Port" setting names; one that makes no sense gives a
// backend that never opens and says why.
std::unique_ptr<PortBackend> makeBackend(const std::string &portSetting);

// The USB relay boards plugged in now, for a list of ports to choose from;
// none when this build has no relay support.
std::vector<RelayBoardInfo> findRelayBoards();
