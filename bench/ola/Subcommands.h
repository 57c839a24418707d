#pragma once

#include <cstdio>

// The probe's subcommands; each returns the process's exit code.
namespace probe {

// Prints "ready" once registered for the universe, then one line per DMX
// frame olad hands on: CLOCK_MONOTONIC nanoseconds and channels 1..8.
// Ends on SIGTERM or SIGINT, or when olad goes.
int listen(unsigned universe);

// Plays a running light on absolute deadlines, one frame per row.
int send(unsigned universe, int periodMs, int seconds);

// Reads a listener's lines and prints how far apart the row changes were.
int steps(std::FILE *listened, int periodMs);

} // namespace probe
