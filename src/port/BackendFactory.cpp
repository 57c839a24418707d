#include "BackendFactory.h"

#include "Outputs.h"
#include "PortSetting.h"
#include "UnavailableBackend.h"

std::unique_ptr<PortBackend> makeBackend(const std::string &portSetting)
{
    const PortSetting chosen = parsePortSetting(portSetting);
    if (chosen.kind == PortSetting::Kind::Invalid)
        return std::make_unique<UnavailableBackend>(chosen.error);
    return chosen.output->parts.make(std::string_view(portSetting).substr(chosen.output->prefix.size()));
}
