#pragma once

#include "FoundPort.h"
#include "PortBackend.h"
#include "SettingCheck.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What an output does, given the text after its prefix in a setting that
// its check accepted. An output left out of the build has none of these.
struct OutputParts {
    SettingCheck (*check)(std::string_view rest) = nullptr;
    std::unique_ptr<PortBackend> (*make)(std::string_view rest) = nullptr;
    // Every such output there is now, for --list-ports and the tray menu.
    std::vector<FoundPort> (*find)() = nullptr;
};

// One kind of output, as a row of the outputs table.
struct Output {
    std::string_view name;        // in lock file names: parport, gpio...
    std::string_view prefix;      // what its settings start with
    std::string_view form;        // its settings' form, as help and refusals show it
    std::string_view help;        // what it is, for the help of --port
    std::string_view searched;    // where its find() looks, and what to check when it finds nothing
    std::string_view buildOption; // the build option that leaves it out; "" when it is always built
    std::string_view leftOutAs;   // what a build without it lacks, in words
    OutputParts parts;

    bool built() const { return parts.make != nullptr; }
};

// Every output this program knows, built in or not.
std::span<const Output> outputs();

// The output whose prefix `setting` starts with; nullptr for none.
const Output *outputFor(std::string_view setting);

// One line per output, its setting's form and what it is, for --port's help.
std::string outputsHelp();
