#include "StepCollector.h"

namespace fseq {

bool StepCollector::addFrame(std::uint8_t lamps)
{
    if (overflowed)
        return false;
    if (runFrames > 0 && lamps != runLamps)
        endRun();
    runLamps = lamps;
    ++runFrames;
    return !overflowed;
}

std::vector<pattern::Step> StepCollector::finish()
{
    if (runFrames > 0 && !overflowed)
        endRun();
    if (overflowed)
        steps.clear();
    return std::move(steps);
}

// Equal pieces rather than full steps and a remainder: a remainder could be
// shorter than the shortest step.
void StepCollector::endRun()
{
    const qint64 totalMs = runFrames * frameMs;
    const qint64 pieces = (totalMs + pattern::MaxStepMs - 1) / pattern::MaxStepMs;
    runFrames = 0;
    if (static_cast<qint64>(steps.size()) + pieces > pattern::MaxSteps) {
        overflowed = true;
        return;
    }
    for (qint64 i = 0; i < pieces; ++i) {
        const qint64 ms = totalMs / pieces + (i < totalMs % pieces ? 1 : 0);
        steps.push_back({runLamps, static_cast<int>(ms)});
    }
}

} // namespace fseq
