#include "PortDiscovery.h"

#include "Outputs.h"
#include "PortText.h"

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
            places += "  " + portText("Outputs", std::string(output.searched).c_str()) + '\n';
    return places;
}
