#include "PortChoice.h"

#include "GpioDevice.h"
#include "OlaDevice.h"
#include "ParportDevice.h"
#include "PortSetting.h"
#include "UnavailablePort.h"

PortChoice::PortChoice(const std::string &setting)
{
    const PortSetting chosen = parsePortSetting(setting);
    switch (chosen.kind) {
    case PortSetting::Kind::Parport:
        device_ = std::make_unique<ParportDevice>(chosen.device, systemCalls_);
        break;
    case PortSetting::Kind::Gpio:
        device_ = std::make_unique<GpioDevice>(chosen.device, chosen.offsets, gpioLines_);
        break;
    case PortSetting::Kind::Ola:
        device_ = std::make_unique<OlaDevice>(chosen.universe);
        break;
    case PortSetting::Kind::Invalid:
        device_ = std::make_unique<UnavailablePort>(chosen.error);
        break;
    }
}
