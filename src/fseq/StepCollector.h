#pragma once

#include "Pattern.h"

#include <cstdint>
#include <vector>

namespace fseq {

// Turns frames into steps: equal frames in a row become one step of their
// summed time, and a run longer than a step may last becomes several equal
// steps.
class StepCollector {
public:
    explicit StepCollector(int frameMs) : frameMs(frameMs) {}

    // False once there are more steps than a pattern holds; the rest is not kept.
    bool addFrame(std::uint8_t lamps);
    // Ends the last run; the steps, or empty when there were too many.
    std::vector<pattern::Step> finish();
    bool tooMany() const { return overflowed; }

private:
    void endRun();

    int frameMs;
    std::uint8_t runLamps = 0;
    qint64 runFrames = 0;
    bool overflowed = false;
    std::vector<pattern::Step> steps;
};

} // namespace fseq
