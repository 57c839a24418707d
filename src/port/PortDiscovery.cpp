#include "PortDiscovery.h"

#include "Outputs.h"

std::vector<FoundPort> findPorts()
{
    std::vector<FoundPort> ports;
    for (const Output &output : outputs())
        if (output.parts.find != nullptr)
            for (FoundPort &port : output.parts.find())
                ports.push_back(std::move(port));
    return ports;
}
