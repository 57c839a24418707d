#include "Fseq.h"

#include <cstdint>

// Any bytes as a sequence file, read from channel 1 and from a channel the
// last byte names, so that sparse files are read inside their ranges too.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView file(data, static_cast<qsizetype>(size));
    const int lastByteChannel = size > 0 ? data[size - 1] + 1 : 1;
    for (const int firstChannel : {1, lastByteChannel}) {
        const fseq::ImportResult result = fseq::importBytes(file, {firstChannel, 128});
        if (result.problem.isEmpty() == result.steps.empty())
            qFatal("an import must give either steps or a problem");
        if (result.problem.isEmpty() && !pattern::stepsProblem(result.steps).isEmpty())
            qFatal("imported steps that no pattern may hold: %s", qPrintable(pattern::stepsProblem(result.steps)));
    }
    return 0;
}
