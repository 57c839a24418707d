// Prints how exactly the engine keeps its schedule through a recording port,
// what it costs in CPU while playing and while paused, and how fast a full
// pattern file loads.
//
//   build/bench/playback_bench [rows at 50 ms] [rows at 500 ms]

#include "PatternLoader.h"
#include "Percentile.h"
#include "PlaybackEngine.h"
#include "RecordingBackend.h"
#include "SelectionStore.h"
#include "SettingsWriter.h"
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

pattern::PatternTable runningLight()
{
    pattern::PatternTable table;
    for (const char *row : {"10000000", "01000000", "00100000", "00010000", "00001000",
                            "00000100", "00000010", "00000001"})
        table.appendRow(row);
    return table;
}

// What the speed bar's steps cost while the rows play: each step stored and
// synced at once on the event loop, as the window once did, or handed to the
// writer that waits for a quiet moment and writes on its own thread.
enum class SpeedClicks { None, StoredAtOnce, StoredWhenQuiet };

// Runs the event loop while the engine plays `rows` rows at `delayMs`, then
// prints how far each row's write was from its place on the schedule.
void measurePeriod(int delayMs, int rows, SpeedClicks clicks = SpeedClicks::None)
{
    QTemporaryDir settingsFolder;
    const SettingsStore settings(settingsFolder.filePath(QStringLiteral("Lampotron.conf")));
    SettingsWriter writer(settings, std::chrono::milliseconds(300));
    QTimer clicking;
    int step = 0;
    QObject::connect(&clicking, &QTimer::timeout, [&] {
        const SettingsStore::Value speed{"Setting", "Speed", QString::number(50 + 50 * (++step % 2))};
        if (clicks == SpeedClicks::StoredAtOnce)
            settings.write({speed});
        else
            writer.store(speed);
    });
    if (clicks != SpeedClicks::None)
        clicking.start(120);

    RecordedPort port;
    port.device.open();
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
    const char *while_ = clicks == SpeedClicks::StoredAtOnce    ? " (speed bar clicked, each step synced at once)"
                         : clicks == SpeedClicks::StoredWhenQuiet ? " (speed bar clicked, stored when quiet)"
                                                                  : "";
    std::printf("step at %4d ms%s: %zu steps, |error| median %.3f ms, p99 %.3f ms, max %.3f ms; "
                "mean step %.4f ms; CPU %.2f%% of a core\n",
                delayMs, while_, errors.size(), percentile(errors, 0.5), percentile(errors, 0.99),
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

// The selection goes to disk as one staged write and one promotion; it was
// once 25 writes, each synced on its own.
void measureSelectionStore()
{
    QTemporaryDir folder;
    const SettingsStore settings(folder.filePath(QStringLiteral("Lampotron.conf")));
    const SelectionStore selections(settings);
    Selection selection;
    selection.repeats.fill(3);
    selection.numEffects = 12;
    std::vector<double> together, oneByOne;
    for (int run = 0; run < 11; ++run) {
        QElapsedTimer timer;
        timer.start();
        selections.stage(selection, "fingerprint");
        selections.promote(selection);
        together.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        for (int key = 0; key < 25; ++key)
            settings.write({{"Sheme", QStringLiteral("Key%1").arg(key), QString::number(run)}});
        oneByOne.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("storing the selection: median %.2f ms as one change staged and promoted, %.2f ms as 25 writes\n",
                percentile(together, 0.5), percentile(oneByOne, 0.5));
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
    measurePeriod(50, rowsAt50, SpeedClicks::StoredAtOnce);
    measurePeriod(50, rowsAt50, SpeedClicks::StoredWhenQuiet);
    measurePause(3000);
    measureSelectionStore();
    return 0;
}
