#include "OlaOutput.h"

#include "OlaBackend.h"
#include "OlaConnection.h"
#include "PortText.h"

#include <ola/Callback.h>
#include <ola/plugin_id.h>

#include <map>

namespace {

struct Answer {
    bool arrived = false;
    std::vector<ola::client::OlaUniverse> universes;
};

void keep(Answer *answer, const ola::client::Result &result, const std::vector<ola::client::OlaUniverse> &universes)
{
    answer->arrived = true;
    if (result.Success())
        answer->universes = universes;
}

struct Devices {
    bool arrived = false;
    std::vector<ola::client::OlaDevice> devices;
};

void keepDevices(Devices *answer, const ola::client::Result &result, const std::vector<ola::client::OlaDevice> &devices)
{
    answer->arrived = true;
    if (result.Success())
        answer->devices = devices;
}

// What each universe is patched to on the network: "sent to the network over
// E1.31", "received from the network over Art-Net".
std::map<unsigned, std::string> networkPatches(OlaConnection &olad)
{
    Devices answer;
    olad.client().FetchDeviceInfo(ola::OLA_PLUGIN_ALL, ola::NewSingleCallback(&keepDevices, &answer));
    std::map<unsigned, std::string> patches;
    if (!olad.waitUntil([&answer] { return answer.arrived; }, std::chrono::seconds(2)))
        return patches;
    for (const ola::client::OlaDevice &device : answer.devices) {
        const int plugin = device.PluginId();
        if (plugin != ola::OLA_PLUGIN_E131 && plugin != ola::OLA_PLUGIN_ARTNET)
            continue;
        const std::string protocol = plugin == ola::OLA_PLUGIN_E131 ? "E1.31" : "Art-Net";
        const auto note = [&patches](unsigned universe, const std::string &what) {
            std::string &text = patches[universe];
            text += (text.empty() ? "" : ", ") + what;
        };
        for (const auto &port : device.OutputPorts())
            if (port.IsActive())
                note(port.Universe(), fillIn(portText("OlaOutput", "sent to the network over %1"), {protocol}));
        for (const auto &port : device.InputPorts())
            if (port.IsActive())
                note(port.Universe(), fillIn(portText("OlaOutput", "received from the network over %1"), {protocol}));
    }
    return patches;
}

} // namespace

SettingCheck OlaOutput::check(std::string_view universe)
{
    unsigned number = 0;
    if (!readWholeNumber(universe, number))
        return {{}, portText("PortSetting", "does not name a DMX universe number.")};
    return {std::to_string(number), {}};
}

std::unique_ptr<PortBackend> OlaOutput::make(std::string_view universe)
{
    unsigned number = 0;
    readWholeNumber(universe, number);
    return std::make_unique<OlaBackend>(number);
}

std::vector<FoundPort> OlaOutput::find()
{
    OlaConnection olad(OlaConnection::DefaultRpcPort);
    if (!olad.connected())
        return {};
    Answer answer;
    olad.client().FetchUniverseList(ola::NewSingleCallback(&keep, &answer));
    if (!olad.waitUntil([&answer] { return answer.arrived; }, std::chrono::seconds(2)))
        return {};
    if (answer.universes.empty())
        return {{"ola:1", portText("OlaOutput", "DMX universe 1 through olad"),
                 portText("OlaOutput", "olad has no universe patched yet: patch one to an output with ola_patch")}};
    const std::map<unsigned, std::string> patches = networkPatches(olad);
    std::vector<FoundPort> ports;
    for (const ola::client::OlaUniverse &universe : answer.universes) {
        const std::string id = std::to_string(universe.Id());
        const auto patched = patches.find(universe.Id());
        ports.push_back({"ola:" + id,
                         patched == patches.end()
                             ? fillIn(portText("OlaOutput", "DMX universe %1 (%2) through olad, not on the network"),
                                      {id, universe.Name()})
                             : fillIn(portText("OlaOutput", "DMX universe %1 (%2) through olad, %3"),
                                      {id, universe.Name(), patched->second}),
                         ""});
    }
    return ports;
}
