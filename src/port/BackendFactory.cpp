#include "BackendFactory.h"

#include "GpioBackend.h"
#include "LibgpiodLines.h"
#include "OlaBackend.h"
#include "ParportBackend.h"
#include "PortSetting.h"
#include "PosixSystemCalls.h"
#include "UnavailableBackend.h"

std::unique_ptr<PortBackend> makeBackend(const std::string &portSetting)
{
    const PortSetting chosen = parsePortSetting(portSetting);
    switch (chosen.kind) {
    case PortSetting::Kind::Parport:
        return std::make_unique<ParportBackend>(chosen.device, std::make_unique<PosixSystemCalls>());
    case PortSetting::Kind::Gpio:
        return std::make_unique<GpioBackend>(chosen.device, chosen.offsets, std::make_unique<LibgpiodLines>());
    case PortSetting::Kind::Ola:
        return std::make_unique<OlaBackend>(chosen.universe);
    case PortSetting::Kind::Invalid:
        break;
    }
    return std::make_unique<UnavailableBackend>(chosen.error);
}
