#pragma once

#include "StepCollector.h"

#include <array>

namespace fseq {

// Reads the eight lamps' channels out of the frames' bytes as they come,
// in pieces of any size, and hands each finished frame to the steps.
class LampPicker {
public:
    // offsets: where each lamp's channel sits in a stored frame.
    LampPicker(const std::array<qint64, 8> &offsets, qint64 channelsPerFrame, int threshold, StepCollector &steps)
        : offsets(offsets), channelsPerFrame(channelsPerFrame), threshold(threshold), steps(steps)
    {
    }

    // False once the steps want no more frames.
    bool take(const char *bytes, qint64 length);

private:
    std::array<qint64, 8> offsets;
    qint64 channelsPerFrame;
    int threshold;
    StepCollector &steps;
    qint64 position = 0; // within the frame being read
    std::uint8_t lamps = 0;
};

} // namespace fseq
