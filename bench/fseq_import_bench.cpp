// Prints what importing a ten-minute sequence of 512 channels at 25 ms
// (24 000 frames) costs, uncompressed and with zstd: the time, and the peak
// memory of a process that does nothing else. The files are made here, not
// by the exporter, in a temporary folder.
//
//   build/bench/fseq_import_bench [first channel]

#include "Fseq.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <zstd.h>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr int Channels = 512;
constexpr int Frames = 24000;
constexpr int FrameMs = 25;
constexpr int FramesPerBlock = 240;

QByteArray littleEndian(quint64 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char(value >> (8 * i)));
    return out;
}

// A show that changes every few frames: each channel holds its level for a
// random run of 1 to 20 frames.
QByteArray showFrames()
{
    QRandomGenerator random(23);
    QByteArray frames(qint64(Channels) * Frames, Qt::Uninitialized);
    for (int c = 0; c < Channels; ++c) {
        for (int f = 0; f < Frames;) {
            const char level = char(random.bounded(256));
            for (int run = random.bounded(1, 21); run > 0 && f < Frames; --run, ++f)
                frames[qint64(f) * Channels + c] = level;
        }
    }
    return frames;
}

QByteArray sequence(const QByteArray &frames, bool zstd)
{
    QByteArray tables;
    QByteArray data = frames;
    int blocks = 0;
    if (zstd) {
        data.clear();
        for (int first = 0; first < Frames; first += FramesPerBlock, ++blocks) {
            const QByteArray raw = frames.mid(qint64(first) * Channels, qint64(FramesPerBlock) * Channels);
            QByteArray packed(qint64(ZSTD_compressBound(raw.size())), '\0');
            packed.resize(qint64(ZSTD_compress(packed.data(), packed.size(), raw.data(), raw.size(), 1)));
            tables += littleEndian(first, 4) + littleEndian(packed.size(), 4);
            data += packed;
        }
    }
    return "PSEQ" + littleEndian(32 + tables.size(), 2) + littleEndian(0, 1) + littleEndian(2, 1) + littleEndian(32, 2)
        + littleEndian(Channels, 4) + littleEndian(Frames, 4) + littleEndian(FrameMs, 1) + littleEndian(0, 1)
        + littleEndian(zstd ? 1 : 0, 1) + littleEndian(blocks, 1) + littleEndian(0, 2) + littleEndian(0, 8) + tables + data;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

// Run as "--import file first": imports once and prints the figures.
int importOnce(const QString &path, int firstChannel)
{
    QElapsedTimer timer;
    timer.start();
    const fseq::ImportResult result = fseq::importFile(path, {firstChannel, 128});
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!result.problem.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(result.problem));
        return 1;
    }
    std::printf("%-10s %8lld bytes  %6.1f ms  %zu steps  peak memory %ld kB\n", qPrintable(QFileInfo(path).fileName()),
                static_cast<long long>(QFileInfo(path).size()), ms, result.steps.size(), peakKilobytes());
    return 0;
}

// Run as "--make folder": writes both files there.
int makeFiles(const QString &folder)
{
    const QByteArray frames = showFrames();
    for (const bool zstd : {false, true}) {
        QFile file(folder + (zstd ? "/zstd.fseq" : "/plain.fseq"));
        if (!file.open(QIODevice::WriteOnly) || file.write(sequence(frames, zstd)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}

// Each step in a process of its own: the peak memory a process reports
// carries over into the processes it starts, so this one stays small.
bool runSelf(const QStringList &arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    return child.waitForFinished(120000) && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == "--make")
        return makeFiles(arguments[2]);
    if (arguments.size() == 4 && arguments[1] == "--import")
        return importOnce(arguments[2], arguments[3].toInt());
    const QString firstChannel = arguments.size() > 1 ? arguments[1] : QStringLiteral("101");
    QTemporaryDir dir;
    if (!runSelf({"--make", dir.path()}))
        return 1;
    std::printf("starting process: peak memory %ld kB\n", peakKilobytes());
    std::fflush(stdout);
    for (const char *name : {"plain.fseq", "zstd.fseq"})
        if (!runSelf({"--import", dir.filePath(name), firstChannel}))
            return 1;
    return 0;
}
