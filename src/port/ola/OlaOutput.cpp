#include "OlaOutput.h"

#include "OlaBackend.h"
#include "OlaConnection.h"

#include <ola/Callback.h>

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

} // namespace

SettingCheck OlaOutput::check(std::string_view universe)
{
    unsigned number = 0;
    if (!readWholeNumber(universe, number))
        return {{}, "does not name a DMX universe number."};
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
        return {{"ola:1", "DMX universe 1 through olad",
                 "olad has no universe patched yet: patch one to an output with ola_patch"}};
    std::vector<FoundPort> ports;
    for (const ola::client::OlaUniverse &universe : answer.universes) {
        const std::string id = std::to_string(universe.Id());
        ports.push_back({"ola:" + id, "DMX universe " + id + " (" + universe.Name() + ") through olad", ""});
    }
    return ports;
}
