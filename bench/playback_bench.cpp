// Prints how exactly playback keeps its frame period, what it costs in CPU
// while playing and while paused, and how fast a full pattern file loads.
//
//   build/bench/playback_bench [frames at 50 ms] [frames at 500 ms]

#include "PatternLoader.h"
#include "PlaybackEngine.h"
#include "RecordingPortDevice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

class BenchHost final : public PlaybackHost {
public:
    void showLamp(int, bool) override {}
    void showSpeed(qint16) override
    {
        if (onFrame)
            onFrame();
    }
    bool isPaused() const override { return paused; }

    bool paused = false;
    std::function<void()> onFrame;
};

pattern::PatternTable runningLight()
{
    pattern::PatternTable table;
    for (const char *row : {"10000000", "01000000", "00100000", "00010000", "00001000",
                            "00000100", "00000010", "00000001"})
        table.appendRow(row);
    return table;
}

void measurePeriod(qint16 speedMs, int frames)
{
    BenchHost host;
    RecordingPortDevice port;
    const pattern::PatternTable table = runningLight();
    bool running = true;
    PlaybackEngine engine(host, port, table, speedMs, running);
    int shown = 0;
    host.onFrame = [&] {
        if (++shown == frames)
            running = false;
    };
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuSeconds();
    engine.activate();
    const double cpu = cpuSeconds() - cpuBefore;
    const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;

    std::vector<std::chrono::steady_clock::time_point> starts;
    for (const auto &call : port.calls)
        if (call.kind == RecordingPortDevice::Kind::SetLine && call.line == 0)
            starts.push_back(call.at);
    std::vector<double> errors;
    for (std::size_t i = 1; i < starts.size(); ++i) {
        const double period = std::chrono::duration<double, std::milli>(starts[i] - starts[i - 1]).count();
        errors.push_back(std::abs(period - speedMs));
    }
    std::printf("period at %4d ms: %zu periods, |error| median %.3f ms, p99 %.3f ms, max %.3f ms; "
                "CPU %.4f s per s of playback (%.2f%% of a core)\n",
                speedMs, errors.size(), percentile(errors, 0.5), percentile(errors, 0.99),
                *std::max_element(errors.begin(), errors.end()), cpu / seconds, 100 * cpu / seconds);
}

void measurePause(int milliseconds)
{
    BenchHost host;
    RecordingPortDevice port;
    const pattern::PatternTable table = runningLight();
    bool running = true;
    const qint16 speedMs = 50;
    PlaybackEngine engine(host, port, table, speedMs, running);
    host.paused = true;
    double cpuAtPause = 0;
    QElapsedTimer wall;
    host.onFrame = [&] {
        if (wall.isValid())
            return;
        wall.start();
        cpuAtPause = cpuSeconds();
        QTimer::singleShot(milliseconds, [&] {
            const double cpu = cpuSeconds() - cpuAtPause;
            const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
            std::printf("pause for %.1f s: CPU %.4f s per s of pause (%.2f%% of a core)\n", seconds,
                        cpu / seconds, 100 * cpu / seconds);
            running = false;
            host.paused = false;
            engine.pauseChanged();
        });
    };
    engine.activate();
}

void measureLoad()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.inf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    for (int i = 0; i < pattern::PatternTable::MaxRows; ++i)
        file.write(i % 2 ? "01010101\r\n" : "10101010\r\n");
    file.close();

    std::vector<double> times;
    for (int run = 0; run < 21; ++run) {
        QElapsedTimer timer;
        timer.start();
        const auto result = pattern::loadPatternFile(path);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (!result.table)
            return;
    }
    const long rssBefore = residentKilobytes();
    const auto kept = pattern::loadPatternFile(path);
    const long rssAfter = residentKilobytes();
    std::printf("load of %d rows: median %.3f ms, max %.3f ms; table %zu bytes, resident growth %ld kB\n",
                kept.table->rowCount(), percentile(times, 0.5),
                *std::max_element(times.begin(), times.end()), kept.table->bytesUsed(),
                rssAfter - rssBefore);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int framesAt50 = argc > 1 ? std::atoi(argv[1]) : 200;
    const int framesAt500 = argc > 2 ? std::atoi(argv[2]) : 20;
    measureLoad();
    measurePeriod(50, framesAt50);
    measurePeriod(500, framesAt500);
    measurePause(3000);
    return 0;
}
