#include "Fseq.h"

#include <QTemporaryDir>
#include <QTest>

#include <zstd.h>

#include <sys/stat.h>

using pattern::Step;
using Steps = std::vector<Step>;

Q_DECLARE_METATYPE(Steps)

namespace {

QByteArray littleEndian(quint64 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char(value >> (8 * i)));
    return out;
}

// A sequence as a show program would write it, made here from the format's
// description and not by the exporter under test.
struct Sequence {
    int version;
    int frameMs;
    int channels; // stored in each frame
    QByteArray frames;
    int zstdBlocks;                // 0: uncompressed
    QList<QPair<int, int>> ranges; // start from 0, count
};

QByteArray written(int version, int frameMs, int channels, const QByteArray &frames, int zstdBlocks = 0,
                   const QList<QPair<int, int>> &ranges = {})
{
    const Sequence s{version, frameMs, channels, frames, zstdBlocks, ranges};
    const int frameCount = s.frames.size() / s.channels;
    QByteArray tables;
    QByteArray data = s.frames;
    int blocks = 0;
    if (s.zstdBlocks > 0) {
        data.clear();
        const int perBlock = (frameCount + s.zstdBlocks - 1) / s.zstdBlocks;
        for (int first = 0; first < frameCount; first += perBlock, ++blocks) {
            const QByteArray raw = s.frames.mid(first * s.channels, perBlock * s.channels);
            QByteArray packed(ZSTD_compressBound(raw.size()), '\0');
            packed.resize(ZSTD_compress(packed.data(), packed.size(), raw.data(), raw.size(), 3));
            tables += littleEndian(first, 4) + littleEndian(packed.size(), 4);
            data += packed;
        }
        tables += QByteArray(16, '\0'); // two unused entries, as writers leave them
        blocks += 2;
    }
    for (const auto &[start, count] : s.ranges)
        tables += littleEndian(start, 3) + littleEndian(count, 3);
    const int headerBytes = s.version == 1 ? 28 : 32;
    QByteArray file = "PSEQ" + littleEndian(headerBytes + tables.size(), 2) + char(0) + char(s.version)
        + littleEndian(headerBytes, 2) + littleEndian(s.channels, 4) + littleEndian(frameCount, 4) + char(s.frameMs)
        + char(0);
    if (s.version == 1)
        file += littleEndian(1, 2) + littleEndian(512, 2) + littleEndian(1, 1) + littleEndian(2, 1) + littleEndian(0, 2);
    else
        file += littleEndian(s.zstdBlocks > 0 ? 1 : 0, 1) + littleEndian(blocks, 1) + littleEndian(s.ranges.size(), 1)
            + littleEndian(0, 1) + littleEndian(0x5EC0E11CEULL, 8);
    return file + tables + data;
}

// Frames where the eight lamps' channels, from stored channel `at`, are 200
// when lit and 100 when not; every other channel is full, so reading the
// wrong channel shows.
QByteArray framesOf(const QList<int> &lamps, int channels, int at)
{
    QByteArray frames;
    for (const int lit : lamps) {
        QByteArray frame(channels, char(255));
        for (int k = 0; k < 8; ++k)
            frame[at + k] = char(lit & (1 << k) ? 200 : 100);
        frames += frame;
    }
    return frames;
}

QByteArray patched(QByteArray file, int at, const QByteArray &bytes)
{
    return file.replace(at, bytes.size(), bytes);
}

const QList<int> SomeLamps = {1, 1, 1, 2, 2, 0x84, 1};
const Steps SomeSteps = {{1, 75}, {2, 50}, {0x84, 25}, {1, 25}};

} // namespace

class TestFseq : public QObject {
    Q_OBJECT

private slots:
    void imports_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("firstChannel");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<Steps>("steps");
        const QByteArray frames = framesOf(SomeLamps, 16, 5);
        QTest::newRow("version 1") << written(1, 25, 16, frames) << 6 << 128 << SomeSteps;
        QTest::newRow("version 2") << written(2, 25, 16, frames) << 6 << 128 << SomeSteps;
        QTest::newRow("zstd, three blocks") << written(2, 25, 16, frames, 3) << 6 << 128 << SomeSteps;
        QTest::newRow("threshold under every lamp") << written(2, 25, 16, frames) << 6 << 100 << Steps{{0xFF, 175}};
        // Channels 1-3, 100-103 and 104-113; lamps on 102-109 cross two ranges.
        QTest::newRow("sparse") << written(2, 50, 17, framesOf(SomeLamps, 17, 5), 0, {{0, 3}, {99, 4}, {103, 10}})
                                << 102 << 128 << Steps{{1, 150}, {2, 100}, {0x84, 50}, {1, 50}};
        QTest::newRow("sparse, zstd") << written(2, 50, 17, framesOf(SomeLamps, 17, 5), 2, {{0, 3}, {99, 4}, {103, 10}})
                                      << 102 << 128 << Steps{{1, 150}, {2, 100}, {0x84, 50}, {1, 50}};
        QTest::newRow("a run longer than a step, in equal parts")
            << written(2, 25, 8, framesOf(QList<int>(2401, 3) << 1, 8, 0), 4) << 1 << 128
            << Steps{{3, 30013}, {3, 30012}, {1, 25}};
    }

    void imports()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, firstChannel);
        QFETCH(int, threshold);
        const fseq::ImportResult result = fseq::importBytes(file, {firstChannel, threshold});
        QFETCH(Steps, steps);
        QCOMPARE(result.problem, QString());
        QCOMPARE(result.steps, steps);
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("frameMs");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<Steps>("imported");
        const Steps steps = {{0x81, 100}, {0, 50}, {0xFF, 60000}, {0x10, 0}, {0x81, 500}};
        QTest::newRow("25 ms") << 25 << steps << Steps{{0x81, 100}, {0, 50}, {0xFF, 60000}, {0x10, 325}, {0x81, 500}};
        QTest::newRow("50 ms") << 50 << steps << Steps{{0x81, 100}, {0, 50}, {0xFF, 60000}, {0x10, 300}, {0x81, 500}};
        QTest::newRow("to the nearest frame, at least one")
            << 50 << Steps{{1, 10}, {2, 74}, {4, 75}, {1, 60}} << Steps{{1, 50}, {2, 50}, {4, 100}, {1, 50}};
        QTest::newRow("equal steps in a row become one") << 25 << Steps{{3, 100}, {3, 50}} << Steps{{3, 150}};
    }

    void roundTrip()
    {
        QFETCH(int, frameMs);
        QFETCH(Steps, steps);
        QFETCH(Steps, imported);
        const fseq::ExportResult written = fseq::exportSteps(steps, frameMs, 320);
        QCOMPARE(written.problem, QString());
        const fseq::ImportResult result = fseq::importBytes(written.file, {});
        QCOMPARE(result.problem, QString());
        QCOMPARE(result.frameMs, frameMs);
        QCOMPARE(result.steps, imported);
    }

    void exportRefusals_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<int>("frameMs");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("frames of 40 ms") << Steps{{1, 100}} << 40 << "pick 25 or 50";
        QTest::newRow("no steps") << Steps{} << 25 << "at least one step";
        QTest::newRow("longer than a file holds")
            << Steps(pattern::MaxSteps, {1, 60000}) << 50 << "shorten the steps";
    }

    void exportRefusals()
    {
        QFETCH(Steps, steps);
        QFETCH(int, frameMs);
        QFETCH(QString, mentions);
        const fseq::ExportResult result = fseq::exportSteps(steps, frameMs, 100);
        QVERIFY2(result.problem.contains(mentions), qPrintable(result.problem));
        QVERIFY(result.file.isEmpty());
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("firstChannel");
        QTest::addColumn<QString>("mentions");
        const QByteArray plain = written(2, 25, 16, framesOf(SomeLamps, 16, 0));
        const QByteArray zstd = written(2, 25, 16, framesOf(SomeLamps, 16, 0), 2);
        const QByteArray sparse = written(2, 25, 12, framesOf(SomeLamps, 12, 0), 0, {{0, 4}, {10, 8}});
        QTest::newRow("wrong magic") << patched(plain, 0, "FSEQ") << 1 << "does not start with \"PSEQ\"";
        QTest::newRow("version 3") << patched(plain, 7, "\3") << 1 << "version 3";
        QTest::newRow("header cut short") << plain.left(30) << 1 << "ends inside its header";
        QTest::newRow("frames start past the end") << patched(plain, 4, "\xff\xff") << 1 << "past the end of the file";
        QTest::newRow("frames start inside the header") << patched(plain, 4, littleEndian(16, 2)) << 1 << "inside the header";
        QTest::newRow("more channels than stored") << patched(plain, 10, littleEndian(65536, 4)) << 1 << "frames are cut short";
        QTest::newRow("more frames than stored") << patched(plain, 14, "\xff\xff\xff\xff") << 1 << "frames are cut short";
        QTest::newRow("frames cut short") << plain.chopped(1) << 1 << "frames are cut short";
        QTest::newRow("frames of 0 ms") << patched(plain, 18, littleEndian(0, 1)) << 1 << "last 0 ms";
        QTest::newRow("frames of 9 ms") << patched(plain, 18, "\x09") << 1 << "last 9 ms";
        QTest::newRow("no frames") << patched(plain, 14, littleEndian(0, 4)) << 1 << "nothing to light";
        QTest::newRow("zlib") << patched(plain, 20, "\2") << 1 << "zlib";
        QTest::newRow("unknown compression") << patched(plain, 20, "\7") << 1 << "unknown compression (type 7)";
        QTest::newRow("first channel 0") << plain << 0 << "numbered from 1";
        QTest::newRow("channel beyond the file") << plain << 17 << "Channel 17 is past the end";
        QTest::newRow("channels partly past the end") << plain << 10 << "Channels 10 to 17 run past the end";
        QTest::newRow("channel between sparse ranges") << sparse << 1 << "Channel 5 is not stored";
        QTest::newRow("sparse ranges short of the channels") << patched(sparse, 10, "\x0d") << 1 << "sparse ranges hold 12";
        QTest::newRow("no compression blocks") << patched(zstd, 21, littleEndian(0, 1)) << 1 << "lists no compression blocks";
        QTest::newRow("first block not at frame 0") << patched(zstd, 32, "\1") << 1 << "block 1 starts at frame 1";
        QTest::newRow("blocks out of order") << patched(zstd, 40, littleEndian(0, 1)) << 1 << "block 2 starts at frame 0";
        QTest::newRow("blocks past the end") << patched(zstd, 36, "\xff\xff") << 1 << "compression blocks take";
        QTest::newRow("block expands past its frames") << patched(zstd, 14, "\6") << 1 << "block 2 expands past";
        QTest::newRow("block short of its frames") << patched(zstd, 14, "\x08") << 1 << "block 2 gives 48 bytes";
        QTest::newRow("block damaged") << patched(zstd, zstd.size() - 6, "garbage") << 1 << "block 2 is damaged";
        QTest::newRow("expands past 4 GB") << patched(zstd, 10, littleEndian(0x80000000, 4)) << 1 << "more than 4 GB";
        QList<int> flickering;
        for (int i = 0; i <= pattern::MaxSteps; ++i)
            flickering << (i & 1);
        QTest::newRow("more steps than a pattern holds")
            << written(2, 25, 8, framesOf(flickering, 8, 0)) << 1 << "more than 32768 steps";
    }

    void refusals()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, firstChannel);
        QFETCH(QString, mentions);
        const fseq::ImportResult result = fseq::importBytes(file, {firstChannel, 128});
        QVERIFY2(result.problem.contains(mentions), qPrintable(result.problem));
        QVERIFY(result.steps.empty());
    }

    void fileRefusals_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("pipe") << "pipe" << "not a regular file";
        QTest::newRow("folder") << "folder" << "not a regular file";
        QTest::newRow("missing") << "missing" << "cannot be opened";
        QTest::newRow("over 64 MB") << "large" << "at most 64 MB";
    }

    // A pipe with no writer would hold a reader that waits on it.
    void fileRefusals()
    {
        QFETCH(QString, kind);
        const QTemporaryDir dir;
        const QString path = dir.filePath(kind);
        if (kind == "pipe")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        QFile large(path);
        if (kind == "large")
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(fseq::MaxFileBytes + 1));
        QFETCH(QString, mentions);
        const fseq::ImportResult result = fseq::importFile(path, {});
        QVERIFY2(result.problem.contains(mentions), qPrintable(result.problem));
    }

    void importsAFile()
    {
        const QTemporaryDir dir;
        QFile file(dir.filePath("show.fseq"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(written(2, 25, 16, framesOf(SomeLamps, 16, 3), 2)) > 0);
        file.close();
        const fseq::ImportResult result = fseq::importFile(file.fileName(), {4, 128});
        QCOMPARE(result.problem, QString());
        QCOMPARE(result.steps, SomeSteps);
        QCOMPARE(result.frames, SomeLamps.size());
    }
};

QTEST_GUILESS_MAIN(TestFseq)
#include "tst_fseq.moc"
