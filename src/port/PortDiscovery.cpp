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

std::string searchedPlaces()
{
    std::string places;
    for (const Output &output : outputs())
        if (output.parts.find != nullptr)
            places += "  " + std::string(output.searched) + '\n';
    return places;
}
