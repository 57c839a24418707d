#include "Percentile.h"
#include "Subcommands.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int ChannelsRead = 8;
using Channels = std::array<int, ChannelsRead>;

} // namespace

// A row starts where the channels change. Frames are counted from the first
// change up to the last one, so that a listener started or stopped in the
// middle of a row does not count it; one frame per row gives exactly 1.
int probe::steps(std::FILE *listened, const std::vector<PlannedRow> &plan)
{
    std::vector<long long> changes;
    std::vector<int> expected; // the planned length of the row each change starts
    long long framesBeforeFirstChange = 0;
    long long framesBeforeLastChange = 0;
    long long frames = 0;
    Channels previous{};
    bool first = true;
    char line[256];
    while (std::fgets(line, sizeof line, listened)) {
        long long at = 0;
        Channels channels{};
        if (std::sscanf(line, "%lld %d %d %d %d %d %d %d %d", &at, &channels[0], &channels[1], &channels[2],
                        &channels[3], &channels[4], &channels[5], &channels[6], &channels[7])
            != 1 + ChannelsRead)
            continue;
        if (!first && channels != previous) {
            if (changes.empty())
                framesBeforeFirstChange = frames;
            unsigned lamps = 0;
            for (unsigned k = 0; k < ChannelsRead; ++k)
                lamps |= channels[k] >= 128 ? 1u << k : 0u;
            const auto planned = std::find_if(plan.begin(), plan.end(), [lamps](const PlannedRow &row) { return row.lamps == lamps; });
            if (planned == plan.end()) {
                std::fprintf(stderr, "a row that is not in the plan: %s", line);
                return 1;
            }
            changes.push_back(at);
            expected.push_back(planned->ms);
            framesBeforeLastChange = frames;
        }
        first = false;
        previous = channels;
        ++frames;
    }
    if (changes.size() < 3) {
        std::fprintf(stderr, "fewer than three row changes in the input\n");
        return 1;
    }

    const std::size_t rows = changes.size() - 1;
    std::vector<double> errors;
    double plannedMs = 0;
    for (std::size_t i = 1; i < changes.size(); ++i) {
        errors.push_back(std::abs(static_cast<double>(changes[i] - changes[i - 1]) / 1e6 - expected[i - 1]));
        plannedMs += expected[i - 1];
    }
    std::sort(errors.begin(), errors.end());
    const double heardMs = static_cast<double>(changes.back() - changes.front()) / 1e6;
    const double meanStep = heardMs / static_cast<double>(rows);
    const long long framesOfRows = framesBeforeLastChange - framesBeforeFirstChange;
    std::printf("rows=%zu frames=%lld median_ms=%.3f p99_ms=%.3f max_ms=%.3f mean_step_ms=%.5f mean_error_pct=%.4f "
                "frames_per_row=%.3f\n",
                rows, framesOfRows, percentile(errors, 0.5), percentile(errors, 0.99), errors.back(), meanStep,
                100.0 * (heardMs - plannedMs) / plannedMs, static_cast<double>(framesOfRows) / static_cast<double>(rows));
    return 0;
}
