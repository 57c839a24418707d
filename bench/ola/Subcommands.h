#pragma once

#include "RowPlan.h"

#include <cstdio>

// The probe's subcommands; each returns the process's exit code.
namespace probe {

// Prints "ready" once registered for the universe, then one line per DMX
// frame olad hands on: CLOCK_MONOTONIC nanoseconds and channels 1..8.
// Ends on SIGTERM or SIGINT, or when olad goes.
int listen(unsigned universe);

// Plays the rows on absolute deadlines, one frame per row.
int send(unsigned universe, const std::vector<PlannedRow> &plan, int seconds);

// Reads a listener's lines and prints how far each row change came from
// the planned length of the row before it.
int steps(std::FILE *listened, const std::vector<PlannedRow> &plan);

} // namespace probe
