#pragma once

#include "OutputLock.h"
#include "PortBackend.h"

#include <memory>
#include <string>

// The backend that a "Port" setting names, which one Lampotron at a time
// can open: its lock lives in `lockFolder`. A setting that cannot be used
// gives a backend that never opens and says why.
std::unique_ptr<PortBackend> makeBackend(const std::string &portSetting,
                                         const std::string &lockFolder = DefaultLockFolder);
