#include "FseqHeader.h"

#include "Fseq.h"

#include <QCoreApplication>
#include <QtEndian>

#include <array>

namespace fseq {

namespace {

// Both versions keep numbers little-endian.
constexpr int V1HeaderBytes = 28;
constexpr int V2HeaderBytes = 32;
constexpr int BlockEntryBytes = 8;
constexpr int RangeEntryBytes = 6;

qint64 readU16(const uchar *at) { return qFromLittleEndian<quint16>(at); }
qint64 readU32(const uchar *at) { return qFromLittleEndian<quint32>(at); }
qint64 readU24(const uchar *at) { return at[0] | (at[1] << 8) | (qint64(at[2]) << 16); }

QString cutShort(qint64 size)
{
    return QCoreApplication::translate(
               "FseqImport", "The file ends inside its header, after %1 bytes: it was cut short. Copy or export it again.")
        .arg(size);
}

// The block table may end in unused entries, all zero; a zero entry between
// used ones, or frames out of order, mean a damaged table.
QString checkBlocks(FseqHeader &header, qint64 dataBytes)
{
    while (!header.blocks.empty() && header.blocks.back().bytes == 0)
        header.blocks.pop_back();
    if (header.blocks.empty())
        return QCoreApplication::translate("FseqImport",
                                           "The file says it is compressed but lists no compression blocks. Export it again.");
    if (header.channelsPerFrame > MaxChannelDataBytes / header.frames)
        return QCoreApplication::translate("FseqImport",
                                           "The sequence would expand to more than %1 GB (%2 frames of %3 channels); "
                                           "export a shorter sequence or fewer channels.")
            .arg(MaxChannelDataBytes >> 30)
            .arg(header.frames)
            .arg(header.channelsPerFrame);
    qint64 stored = 0;
    for (std::size_t i = 0; i < header.blocks.size(); ++i) {
        const CompressionBlock &block = header.blocks[i];
        const qint64 previous = i == 0 ? -1 : header.blocks[i - 1].firstFrame;
        if ((i == 0 && block.firstFrame != 0) || (i > 0 && block.firstFrame <= previous)
            || block.firstFrame >= header.frames || block.bytes == 0)
            return QCoreApplication::translate("FseqImport",
                                               "The compression block table is damaged: block %1 starts at frame %2 "
                                               "in a sequence of %3 frames. Export the sequence again.")
                .arg(i + 1)
                .arg(block.firstFrame)
                .arg(header.frames);
        stored += block.bytes;
    }
    if (stored > dataBytes)
        return QCoreApplication::translate("FseqImport",
                                           "The compression blocks take %1 bytes but the file holds only %2 after its header: "
                                           "it was cut short. Copy or export it again.")
            .arg(stored)
            .arg(dataBytes);
    return {};
}

QString checkRanges(const FseqHeader &header)
{
    qint64 sum = 0;
    for (const SparseRange &range : header.ranges) {
        if (range.count == 0)
            return QCoreApplication::translate(
                "FseqImport", "A sparse range of the file holds no channels: the file is damaged. Export it again.");
        sum += range.count;
    }
    if (!header.ranges.empty() && sum != header.channelsPerFrame)
        return QCoreApplication::translate("FseqImport",
                                           "The sparse ranges hold %1 channels but the header says each frame has %2: "
                                           "the file is damaged. Export it again.")
            .arg(sum)
            .arg(header.channelsPerFrame);
    return {};
}

} // namespace

qint64 FseqHeader::lastChannel() const
{
    if (ranges.empty())
        return channelsPerFrame;
    qint64 last = 0;
    for (const SparseRange &range : ranges)
        last = std::max(last, range.start + range.count);
    return last;
}

qint64 FseqHeader::frameOffsetOf(qint64 channel) const
{
    if (ranges.empty())
        return channel >= 1 && channel <= channelsPerFrame ? channel - 1 : -1;
    qint64 offset = 0;
    for (const SparseRange &range : ranges) {
        if (channel - 1 >= range.start && channel - 1 < range.start + range.count)
            return offset + channel - 1 - range.start;
        offset += range.count;
    }
    return -1;
}

QString readHeader(ByteSource &source, FseqHeader &header)
{
    const qint64 size = source.size();
    std::array<uchar, V2HeaderBytes> fixed{};
    const qint64 fixedBytes = std::min<qint64>(size, V2HeaderBytes);
    if (!source.readAt(0, reinterpret_cast<char *>(fixed.data()), fixedBytes))
        return QCoreApplication::translate("FseqImport", "The file could not be read; it may have changed meanwhile. Try again.");
    if (size < 8 || QByteArrayView(fixed.data(), 4) != "PSEQ")
        return QCoreApplication::translate("FseqImport", "This is not an FSEQ sequence: it does not start with \"PSEQ\". "
                                                         "Pick a sequence exported as FSEQ.");
    header.version = fixed[7];
    if (header.version != 1 && header.version != 2)
        return QCoreApplication::translate(
                   "FseqImport", "This is an FSEQ sequence of version %1, which cannot be read; export it as version 2 or 1.")
            .arg(header.version);
    const int headerBytes = header.version == 1 ? V1HeaderBytes : V2HeaderBytes;
    if (size < headerBytes)
        return cutShort(size);

    header.dataOffset = readU16(&fixed[4]);
    header.channelsPerFrame = readU32(&fixed[10]);
    header.frames = readU32(&fixed[14]);
    header.frameMs = fixed[18];
    if (header.frameMs < pattern::MinStepMs)
        return QCoreApplication::translate("FseqImport", "The sequence's frames last %1 ms; a step lasts at least %2 ms. "
                                                         "Export it at 25 or 50 ms per frame.")
            .arg(header.frameMs)
            .arg(pattern::MinStepMs);
    if (header.channelsPerFrame == 0 || header.frames == 0)
        return QCoreApplication::translate("FseqImport", "The sequence has %1 channels and %2 frames: there is nothing to light.")
            .arg(header.channelsPerFrame)
            .arg(header.frames);

    qint64 blockCount = 0;
    qint64 rangeCount = 0;
    if (header.version == 2) {
        // The low four bits name the compression; the high four extend the
        // block count past 255.
        const int compression = fixed[20] & 0x0F;
        if (compression == 2)
            return QCoreApplication::translate("FseqImport", "The sequence is compressed with zlib, which cannot be read; "
                                                             "export it uncompressed or with zstd.");
        if (compression > 2)
            return QCoreApplication::translate("FseqImport", "The sequence uses an unknown compression (type %1); "
                                                             "export it uncompressed or with zstd.")
                .arg(compression);
        header.zstd = compression == 1;
        blockCount = fixed[21] | ((fixed[20] & 0xF0) << 4);
        rangeCount = fixed[22];
    }
    const qint64 tablesEnd = headerBytes + blockCount * BlockEntryBytes + rangeCount * RangeEntryBytes;
    if (header.dataOffset > size)
        return QCoreApplication::translate("FseqImport",
                                           "The header says the frames start at byte %1, past the end of the file (%2 bytes): "
                                           "it was cut short. Copy or export it again.")
            .arg(header.dataOffset)
            .arg(size);
    if (header.dataOffset < tablesEnd)
        return QCoreApplication::translate(
                   "FseqImport", "The header says the frames start at byte %1, inside the header, which takes %2 bytes: "
                                 "the file is damaged. Export it again.")
            .arg(header.dataOffset)
            .arg(tablesEnd);

    QByteArray tables(tablesEnd - headerBytes, Qt::Uninitialized);
    if (!source.readAt(headerBytes, tables.data(), tables.size()))
        return QCoreApplication::translate("FseqImport", "The file could not be read; it may have changed meanwhile. Try again.");
    const auto *entry = reinterpret_cast<const uchar *>(tables.constData());
    for (qint64 i = 0; i < blockCount; ++i, entry += BlockEntryBytes)
        if (header.zstd)
            header.blocks.push_back({readU32(entry), readU32(entry + 4)});
    for (qint64 i = 0; i < rangeCount; ++i, entry += RangeEntryBytes)
        header.ranges.push_back({readU24(entry), readU24(entry + 3)});
    if (QString problem = checkRanges(header); !problem.isEmpty())
        return problem;

    const qint64 dataBytes = size - header.dataOffset;
    if (header.zstd)
        return checkBlocks(header, dataBytes);
    if (header.channelsPerFrame > dataBytes / header.frames)
        return QCoreApplication::translate("FseqImport", "The frames are cut short: the header says %1 frames of %2 channels, "
                                                         "but the file holds only %3 bytes of them. Copy or export it again.")
            .arg(header.frames)
            .arg(header.channelsPerFrame)
            .arg(dataBytes);
    return {};
}

} // namespace fseq
