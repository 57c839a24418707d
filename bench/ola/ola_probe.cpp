// Watches and drives one universe of the olad on this machine, to measure
// how a sender of DMX keeps time.
//
//   ola_probe listen UNIVERSE
//       "ready" once registered, then per frame received:
//       <CLOCK_MONOTONIC ns> <channel 1> ... <channel 8>; stops on SIGTERM/SIGINT
//   ola_probe send UNIVERSE ROWS SECONDS
//       the rows on channels 1..8, one frame per row, on absolute deadlines
//   ola_probe steps ROWS < listened
//       rows, frames, |step - planned| median/p99/max, mean step (ms), mean error (%), frames per row
// ROWS: a period in ms for a running light of eight rows, or a file of rows
// with their own times, such as "10000001 25".

#include "Subcommands.h"

#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

int usage()
{
    std::fputs("usage: ola_probe listen UNIVERSE\n"
               "       ola_probe send UNIVERSE ROWS SECONDS\n"
               "       ola_probe steps ROWS < listened\n"
               "ROWS: PERIOD_MS, or a file of rows such as \"10000001 25\", each row different\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "listen" && argc == 3 && std::atoi(argv[2]) > 0)
        return probe::listen(static_cast<unsigned>(std::atoi(argv[2])));
    const auto plan = argc > 2 ? probe::rowPlan(argv[argc == 5 ? 3 : 2]) : std::nullopt;
    if (command == "send" && argc == 5 && std::atoi(argv[2]) > 0 && plan && std::atoi(argv[4]) > 0)
        return probe::send(static_cast<unsigned>(std::atoi(argv[2])), *plan, std::atoi(argv[4]));
    if (command == "steps" && argc == 3 && plan)
        return probe::steps(stdin, *plan);
    return usage();
}
