#pragma once

#include "ByteSource.h"

#include <QString>

#include <vector>

namespace fseq {

// Channels [start, start + count) of the full channel space, start counted
// from 0, that a sparse file stores one range after another in each frame.
struct SparseRange {
    qint64 start = 0;
    qint64 count = 0;
};

// A zstd block holds the frames from firstFrame up to the next block's.
struct CompressionBlock {
    qint64 firstFrame = 0;
    qint64 bytes = 0;
};

struct FseqHeader {
    int version = 0;
    qint64 dataOffset = 0;
    qint64 channelsPerFrame = 0; // as stored: the sum of the sparse ranges when there are some
    qint64 frames = 0;
    int frameMs = 0;
    bool zstd = false;
    std::vector<CompressionBlock> blocks; // only when zstd
    std::vector<SparseRange> ranges;       // none: every channel from 1 is stored

    // The highest channel (from 1) the file holds.
    qint64 lastChannel() const;
    // Where channel (from 1) sits in a stored frame; -1 when the file leaves it out.
    qint64 frameOffsetOf(qint64 channel) const;
};

// Reads and checks the fixed header and its tables against the file's size;
// the problem in plain words, or empty.
QString readHeader(ByteSource &source, FseqHeader &header);

} // namespace fseq
