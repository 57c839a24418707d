// Prints how exactly the engine keeps its schedule through a recording port,
// what it costs in CPU while playing and while paused, and how fast a full
// pattern file loads.
//
//   build/bench/playback_bench [rows at 50 ms] [rows at 500 ms]

#include "PatternLoader.h"
#include "PlaybackEngine.h"
#include "RecordingBackend.h"
#include "TimerfdDeadlineTimer.h"

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

pattern::PatternTable runningLight()
{
    pattern::PatternTable table;
    for (const char *row : {"10000000", "01000000", "00100000", "00010000", "00001000",
                            "00000100", "00000010", "00000001"})
        table.appendRow(row);
    return table;
}

// Runs the event loop while the engine plays `rows` rows at `delayMs`, then
// prints how far each row's write was from its place on the schedule.
void measurePeriod(int delayMs, int rows)
{
    RecordedPort port;
    port.device.SelectPort(1);
    TimerfdDeadlineTimer timer;
    PlaybackEngine engine(port.device, timer);
    engine.loadTable(runningLight());
    engine.setDelay(std::chrono::milliseconds(delayMs));
    int shown = 0;
    QObject::connect(&engine, &PlaybackEngine::rowShown, [&] {
        if (++shown == rows)
            QCoreApplication::quit();
    });
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuSeconds();
    QTimer::singleShot(0, &engine, &PlaybackEngine::start);
    QCoreApplication::exec();
    const double cpu = cpuSeconds() - cpuBefore;
    const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    engine.stop();

    const auto &times = port.backend->writeTimes;
    std::vector<double> errors;
    for (std::size_t i = 2; i < times.size() - 1; ++i) {
        const double step = std::chrono::duration<double, std::milli>(times[i] - times[i - 1]).count();
        errors.push_back(std::abs(step - delayMs));
    }
    const double span = std::chrono::duration<double, std::milli>(times[times.size() - 2] - times[1]).count();
    std::printf("step at %4d ms: %zu steps, |error| median %.3f ms, p99 %.3f ms, max %.3f ms; "
                "mean step %.4f ms; CPU %.2f%% of a core\n",
                delayMs, errors.size(), percentile(errors, 0.5), percentile(errors, 0.99),
                *std::max_element(errors.begin(), errors.end()), span / static_cast<double>(errors.size()),
                100 * cpu / seconds);
}

void measurePause(int milliseconds)
{
    RecordedPort port;
    TimerfdDeadlineTimer timer;
    PlaybackEngine engine(port.device, timer);
    engine.loadTable(runningLight());
    engine.setDelay(std::chrono::milliseconds(50));
    engine.start();
    engine.setPaused(true);
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuSeconds();
    QTimer::singleShot(milliseconds, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();
    const double cpu = cpuSeconds() - cpuBefore;
    const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    std::printf("paused for %.1f s: CPU %.3f%% of a core\n", seconds, 100 * cpu / seconds);
    engine.stop();
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
    const int rowsAt50 = argc > 1 ? std::atoi(argv[1]) : 200;
    const int rowsAt500 = argc > 2 ? std::atoi(argv[2]) : 20;
    measureLoad();
    measurePeriod(50, rowsAt50);
    measurePeriod(500, rowsAt500);
    measurePause(3000);
    return 0;
}
