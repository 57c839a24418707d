#include "ChannelData.h"

#include <QCoreApplication>
#include <zstd.h>

#include <memory>

namespace fseq {

namespace {

constexpr qint64 ChunkBytes = 256 * 1024;
// The largest zstd window a block may ask for: 32 MB.
constexpr int MaxWindowLog = 25;

QString unreadable()
{
    return QCoreApplication::translate("FseqImport", "The file could not be read; it may have changed meanwhile. Try again.");
}

QString readUncompressed(ByteSource &source, const FseqHeader &header, const ChannelDataSink &sink)
{
    QByteArray chunk(ChunkBytes, Qt::Uninitialized);
    const qint64 end = header.dataOffset + header.channelsPerFrame * header.frames;
    for (qint64 at = header.dataOffset; at < end; at += ChunkBytes) {
        const qint64 length = std::min(ChunkBytes, end - at);
        if (!source.readAt(at, chunk.data(), length))
            return unreadable();
        if (!sink(chunk.constData(), length))
            return {};
    }
    return {};
}

struct DctxFree {
    void operator()(ZSTD_DCtx *context) const { ZSTD_freeDCtx(context); }
};

class BlockExpander {
public:
    BlockExpander(ByteSource &source, const ChannelDataSink &sink)
        : source(source), sink(sink), input(ChunkBytes, Qt::Uninitialized),
          output(static_cast<qint64>(ZSTD_DStreamOutSize()), Qt::Uninitialized)
    {
    }

    bool stopped = false;

    // Expands one block of stored bytes [at, at + bytes) that must give
    // exactly expected bytes of frames.
    QString expand(int number, qint64 at, qint64 bytes, qint64 expected)
    {
        if (!context || ZSTD_isError(ZSTD_DCtx_reset(context.get(), ZSTD_reset_session_and_parameters))
            || ZSTD_isError(ZSTD_DCtx_setParameter(context.get(), ZSTD_d_windowLogMax, MaxWindowLog)))
            return QCoreApplication::translate("FseqImport",
                                               "The zstd decompressor could not be set up; there may be too little memory.");
        qint64 produced = 0;
        size_t pending = 1; // not 0: the block's last frame is not complete yet
        ZSTD_inBuffer in{input.constData(), 0, 0};
        bool outputFull = false;
        while (bytes > 0 || in.pos < in.size || outputFull) {
            if (in.pos == in.size && bytes > 0) {
                const qint64 length = std::min(ChunkBytes, bytes);
                if (!source.readAt(at, input.data(), length))
                    return unreadable();
                in = {input.constData(), static_cast<size_t>(length), 0};
                at += length;
                bytes -= length;
            }
            ZSTD_outBuffer out{output.data(), static_cast<size_t>(output.size()), 0};
            pending = ZSTD_decompressStream(context.get(), &out, &in);
            if (ZSTD_isError(pending))
                return QCoreApplication::translate("FseqImport",
                                                   "Compression block %1 is damaged (zstd: %2). Export the sequence again.")
                    .arg(number)
                    .arg(QString::fromLatin1(ZSTD_getErrorName(pending)));
            produced += static_cast<qint64>(out.pos);
            if (produced > expected)
                return QCoreApplication::translate("FseqImport",
                                                   "Compression block %1 expands past the %2 bytes its frames take: "
                                                   "the file is damaged or hostile. Export the sequence again.")
                    .arg(number)
                    .arg(expected);
            if (out.pos > 0 && !sink(output.constData(), static_cast<qint64>(out.pos))) {
                stopped = true;
                return {};
            }
            outputFull = out.pos == out.size;
        }
        if (pending != 0 || produced != expected)
            return QCoreApplication::translate("FseqImport", "Compression block %1 gives %2 bytes of frames instead of %3: "
                                                             "it was cut short or damaged. Export the sequence again.")
                .arg(number)
                .arg(produced)
                .arg(expected);
        return {};
    }

private:
    ByteSource &source;
    const ChannelDataSink &sink;
    QByteArray input;
    QByteArray output;
    std::unique_ptr<ZSTD_DCtx, DctxFree> context{ZSTD_createDCtx()};
};

QString readZstd(ByteSource &source, const FseqHeader &header, const ChannelDataSink &sink)
{
    BlockExpander expander(source, sink);
    qint64 at = header.dataOffset;
    for (std::size_t i = 0; i < header.blocks.size(); ++i) {
        const CompressionBlock &block = header.blocks[i];
        const qint64 endFrame = i + 1 < header.blocks.size() ? header.blocks[i + 1].firstFrame : header.frames;
        const QString problem = expander.expand(static_cast<int>(i + 1), at, block.bytes,
                                                (endFrame - block.firstFrame) * header.channelsPerFrame);
        if (!problem.isEmpty() || expander.stopped)
            return problem;
        at += block.bytes;
    }
    return {};
}

} // namespace

QString readChannelData(ByteSource &source, const FseqHeader &header, const ChannelDataSink &sink)
{
    return header.zstd ? readZstd(source, header, sink) : readUncompressed(source, header, sink);
}

} // namespace fseq
