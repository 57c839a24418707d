#pragma once

#include "PortBackend.h"

#include <memory>
#include <string>

// The backend that a "Port" setting names; one that cannot be used gives a
// backend that never opens and says why.
std::unique_ptr<PortBackend> makeBackend(const std::string &portSetting);
