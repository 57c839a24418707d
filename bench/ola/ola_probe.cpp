// Watches and drives one universe of the olad on this machine, to measure
// how a sender of DMX keeps time.
//
//   ola_probe listen UNIVERSE
//       "ready" once registered, then per frame received:
//       <CLOCK_MONOTONIC ns> <channel 1> ... <channel 8>; stops on SIGTERM/SIGINT
//   ola_probe send UNIVERSE PERIOD_MS SECONDS
//       a running light on channels 1..8, one frame per row, on absolute deadlines
//   ola_probe steps PERIOD_MS < listened
//       rows, frames, |step - period| median/p99/max, mean step (ms), frames per row

#include "Subcommands.h"

#include <cstdlib>
#include <string_view>

namespace {

int usage()
{
    std::fputs("usage: ola_probe listen UNIVERSE\n"
               "       ola_probe send UNIVERSE PERIOD_MS SECONDS\n"
               "       ola_probe steps PERIOD_MS < listened\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "listen" && argc == 3 && std::atoi(argv[2]) > 0)
        return probe::listen(static_cast<unsigned>(std::atoi(argv[2])));
    if (command == "send" && argc == 5 && std::atoi(argv[2]) > 0 && std::atoi(argv[3]) > 0 && std::atoi(argv[4]) > 0)
        return probe::send(static_cast<unsigned>(std::atoi(argv[2])), std::atoi(argv[3]), std::atoi(argv[4]));
    if (command == "steps" && argc == 3 && std::atoi(argv[2]) > 0)
        return probe::steps(stdin, std::atoi(argv[2]));
    return usage();
}
