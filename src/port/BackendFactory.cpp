#include "BackendFactory.h"

#include "ParportBackend.h"
#include "PortSetting.h"
#include "PosixSystemCalls.h"
#include "UnavailableBackend.h"

#ifdef LAMPOTRON_WITH_GPIO
#include "GpioBackend.h"
#include "LibgpiodLines.h"
#endif
#ifdef LAMPOTRON_WITH_OLA
#include "OlaBackend.h"
#endif
#ifdef LAMPOTRON_WITH_RELAY
#include "HidapiRelayHid.h"
#include "RelayBackend.h"
#endif

namespace {

[[maybe_unused]] std::unique_ptr<PortBackend> notBuiltIn(const std::string &output, const char *option)
{
    return std::make_unique<UnavailableBackend>("This Lampotron was built without " + output + " (the build option "
                                                + option + " was off).");
}

} // namespace

std::unique_ptr<PortBackend> makeBackend(const std::string &portSetting)
{
    const PortSetting chosen = parsePortSetting(portSetting);
    switch (chosen.kind) {
    case PortSetting::Kind::Parport:
        return std::make_unique<ParportBackend>(chosen.device, std::make_unique<PosixSystemCalls>());
    case PortSetting::Kind::Gpio:
#ifdef LAMPOTRON_WITH_GPIO
        return std::make_unique<GpioBackend>(chosen.device, chosen.offsets, std::make_unique<LibgpiodLines>());
#else
        return notBuiltIn("GPIO output", "LAMPOTRON_WITH_GPIO");
#endif
    case PortSetting::Kind::Ola:
#ifdef LAMPOTRON_WITH_OLA
        return std::make_unique<OlaBackend>(chosen.universe);
#else
        return notBuiltIn("DMX output through OLA", "LAMPOTRON_WITH_OLA");
#endif
    case PortSetting::Kind::Relay:
#ifdef LAMPOTRON_WITH_RELAY
        return std::make_unique<RelayBackend>(chosen.device, std::make_unique<HidapiRelayHid>());
#else
        return notBuiltIn("USB relay boards", "LAMPOTRON_WITH_RELAY");
#endif
    case PortSetting::Kind::Invalid:
        break;
    }
    return std::make_unique<UnavailableBackend>(chosen.error);
}
