#pragma once

#include <optional>
#include <vector>

namespace probe {

// One row the sender plays and the listener expects: lamps 1..8 as bits,
// and how long it lasts.
struct PlannedRow {
    unsigned lamps;
    int ms;
};

// ROWS on the command line: a number of ms for a running light of eight
// rows at that period, or a file of rows such as "10000001 25", each with
// its own time. Every row must differ from the others, so that a listener
// can tell which one it hears. Nothing for anything else.
std::optional<std::vector<PlannedRow>> rowPlan(const char *argument);

} // namespace probe
