#pragma once

#include "FseqHeader.h"

#include <functional>

namespace fseq {

// Takes the next piece of the frames' bytes; false stops the reading.
using ChannelDataSink = std::function<bool(const char *bytes, qint64 length)>;

// Hands every stored frame's bytes, in order and in pieces of any size, to
// sink; a compressed file is expanded block by block, each block checked
// against the size its frames give it. The problem in plain words, or empty
// (also when the sink stopped the reading).
QString readChannelData(ByteSource &source, const FseqHeader &header, const ChannelDataSink &sink);

} // namespace fseq
