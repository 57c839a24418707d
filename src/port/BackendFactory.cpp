#include "BackendFactory.h"

#include "LockedBackend.h"
#include "Outputs.h"
#include "PortSetting.h"
#include "UnavailableBackend.h"

std::unique_ptr<PortBackend> makeBackend(const std::string &portSetting, const std::string &lockFolder)
{
    const PortSetting chosen = parsePortSetting(portSetting);
    if (chosen.kind == PortSetting::Kind::Invalid)
        return std::make_unique<UnavailableBackend>(chosen.error);
    const Output &output = *chosen.output;
    OutputLock lock(lockFolder, output.name, chosen.device, portSetting);
    return std::make_unique<LockedBackend>(std::move(lock),
                                           output.parts.make(std::string_view(portSetting).substr(output.prefix.size())));
}
