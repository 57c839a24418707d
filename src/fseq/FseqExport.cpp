#include "Fseq.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QtEndian>

#include <algorithm>

namespace fseq {

namespace {

constexpr int HeaderBytes = 32;
constexpr char Lit = char(255);

bool isExportFrameMs(int frameMs)
{
    return std::find(std::begin(ExportFrameMsChoices), std::end(ExportFrameMsChoices), frameMs)
        != std::end(ExportFrameMsChoices);
}

// The nearest whole number of frames, at least one.
qint64 framesOf(int ms, int frameMs)
{
    return std::max<qint64>(1, (qint64(ms) + frameMs / 2) / frameMs);
}

} // namespace

ExportResult exportSteps(const std::vector<pattern::Step> &steps, int frameMs, int delayMs)
{
    if (!isExportFrameMs(frameMs))
        return {{},
                QCoreApplication::translate("FseqExport", "Frames of %1 ms cannot be written; pick 25 or 50 ms.").arg(frameMs)};
    if (QString problem = pattern::stepsProblem(steps); !problem.isEmpty())
        return {{}, problem};
    qint64 frames = 0;
    for (const pattern::Step &step : steps) {
        if (step.ms == 0 && delayMs < 1)
            return {{},
                    QCoreApplication::translate("FseqExport", "A step without a time of its own lasts the delay, which is %1 ms; "
                                                              "set a delay of at least 1 ms.")
                        .arg(delayMs)};
        frames += framesOf(step.ms == 0 ? delayMs : step.ms, frameMs);
    }
    const qint64 bytes = HeaderBytes + frames * LampCount;
    if (bytes > MaxFileBytes)
        return {{},
                QCoreApplication::translate("FseqExport",
                                            "These steps make %1 frames, a file of %2 MB; a sequence file has at most %3 MB. "
                                            "Pick 50 ms frames or shorten the steps.")
                    .arg(frames)
                    .arg(bytes >> 20)
                    .arg(MaxFileBytes >> 20)};

    QByteArray file(bytes, '\0');
    auto *header = reinterpret_cast<uchar *>(file.data());
    std::copy_n("PSEQ", 4, file.data());
    qToLittleEndian<quint16>(HeaderBytes, header + 4); // the frames follow the header
    header[6] = 0;                                    // minor version
    header[7] = 2;                                    // major version
    qToLittleEndian<quint16>(HeaderBytes, header + 8);
    qToLittleEndian<quint32>(LampCount, header + 10);
    qToLittleEndian<quint32>(static_cast<quint32>(frames), header + 14);
    header[18] = static_cast<uchar>(frameMs);
    // 19 to 23 stay 0: no flags, no compression, no blocks, no sparse ranges.
    qToLittleEndian<quint64>(static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()), header + 24);

    char *frame = file.data() + HeaderBytes;
    for (const pattern::Step &step : steps) {
        char channels[LampCount];
        for (int k = 0; k < LampCount; ++k)
            channels[k] = step.lamps & (1u << k) ? Lit : '\0';
        for (qint64 n = framesOf(step.ms == 0 ? delayMs : step.ms, frameMs); n > 0; --n, frame += LampCount)
            std::copy_n(channels, LampCount, frame);
    }
    return {file, {}};
}

} // namespace fseq
