#include "OlaConnection.h"
#include "Percentile.h"
#include "Subcommands.h"

#include <ola/DmxBuffer.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <vector>

namespace {

constexpr unsigned Lamps = 8;
constexpr unsigned char Lit = 255;

void addMilliseconds(timespec &at, int milliseconds)
{
    at.tv_nsec += static_cast<long>(milliseconds) * 1000000L;
    at.tv_sec += at.tv_nsec / 1000000000L;
    at.tv_nsec %= 1000000000L;
}

double millisecondsBetween(const timespec &from, const timespec &to)
{
    return static_cast<double>(to.tv_sec - from.tv_sec) * 1e3 + static_cast<double>(to.tv_nsec - from.tv_nsec) / 1e6;
}

} // namespace

// As little as a program can do to play rows on time: sleep to the row's
// absolute deadline, send it, handle whatever olad said. How late it woke
// tells the timer's share of the steps a listener sees.
int probe::send(unsigned universe, const std::vector<PlannedRow> &plan, int seconds)
{
    OlaConnection link(OlaConnection::DefaultRpcPort);
    if (!link.connected()) {
        std::fprintf(stderr, "olad does not answer\n");
        return 1;
    }
    int cycleMs = 0;
    for (const PlannedRow &planned : plan)
        cycleMs += planned.ms;
    const int rows = static_cast<int>(static_cast<long long>(seconds) * 1000 * static_cast<int>(plan.size()) / cycleMs);
    std::vector<double> lateness;
    lateness.reserve(static_cast<std::size_t>(rows));
    ola::DmxBuffer frame;
    timespec due{};
    clock_gettime(CLOCK_MONOTONIC, &due);
    for (int row = 0; row < rows && link.connected(); ++row) {
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr) == EINTR) {
        }
        timespec woke{};
        clock_gettime(CLOCK_MONOTONIC, &woke);
        lateness.push_back(millisecondsBetween(due, woke));
        const PlannedRow &planned = plan[static_cast<std::size_t>(row) % plan.size()];
        frame.Blackout();
        for (unsigned k = 0; k < Lamps; ++k)
            if (planned.lamps & (1u << k))
                frame.SetChannel(k, Lit);
        link.client().SendDMX(universe, frame, ola::client::SendDMXArgs());
        link.poll();
        addMilliseconds(due, planned.ms);
    }
    if (!link.roundTrip(universe)) {
        std::fprintf(stderr, "olad went away before it had every frame\n");
        return 1;
    }
    std::printf("sent %d rows of %zu in a %d ms cycle; woke after the deadline by median %.3f ms, p99 %.3f ms, max %.3f ms\n",
                rows, plan.size(), cycleMs, percentile(lateness, 0.5), percentile(lateness, 0.99),
                *std::max_element(lateness.begin(), lateness.end()));
    return 0;
}
