// Prints what the web remote costs the rows when the player runs without a
// window and shares its event loop with the server, as `--play --remote`
// does: the step error at 50 ms and the CPU of that thread without the
// remote and with 20 live clients reading every row, and how long a change
// of state takes to reach the clients.
//
//   build/bench/remote_bench [rows at 50 ms] [state changes]

#include "LiveClients.h"
#include "Percentile.h"
#include "RecordingBackend.h"
#include "RemoteServer.h"
#include "TimerfdDeadlineTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <map>

namespace {

constexpr int Clients = 20;
const QByteArray Key = "0123456789abcdef0123456789abcdef";

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Runs the event loop until `done`, or for `limitMs` at most; it looks
// seldom, so as not to wake the thread it measures.
template <typename Done>
bool runUntil(Done done, int limitMs)
{
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || waited.elapsed() > limitMs)
            loop.quit();
    });
    poll.start(100);
    loop.exec();
    return done();
}

void measureRows(Player &player, PortRecord &record, int rows, const char *what)
{
    record.writeTimes.clear();
    const double cpuBefore = threadCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    player.start();
    runUntil([&] { return static_cast<int>(record.writeTimes.size()) >= rows; }, rows * 100);
    player.stop();
    const double cpu = threadCpuSeconds() - cpuBefore;
    std::vector<double> errors;
    for (std::size_t i = 2; i < record.writeTimes.size(); ++i)
        errors.push_back(std::abs(std::chrono::duration<double, std::milli>(record.writeTimes[i] - record.writeTimes[i - 1]).count() - 50));
    std::printf("step at 50 ms %s: %zu steps, |error| median %.3f ms, p99 %.3f ms; CPU of the player's thread %.2f%% of a core\n",
                what, errors.size(), percentile(errors, 0.5), percentile(errors, 0.99),
                100 * cpu / (static_cast<double>(wall.nsecsElapsed()) / 1e9));
}

// Changes the speed `changes` times, 100 ms apart, and measures from each
// change to the arrival of the new state at each client.
void measureStateLatency(Player &player, LiveClients &clients, int changes)
{
    std::map<int, LiveClients::Clock::time_point> changed;
    player.start();
    for (int i = 0; i < changes; ++i) {
        const int speed = 200 + i;
        changed[speed] = LiveClients::Clock::now();
        player.setSpeed(speed);
        runUntil([] { return false; }, 100);
    }
    runUntil([] { return false; }, 200);
    const std::vector<LiveClients::Arrival> arrivals = clients.arrivals();
    player.stop();
    std::vector<double> latencies;
    for (const LiveClients::Arrival &arrival : arrivals)
        if (const auto change = changed.find(arrival.speed); change != changed.end())
            latencies.push_back(std::chrono::duration<double, std::milli>(arrival.when - change->second).count());
    std::printf("state change to %d clients: %zu of %d arrived, latency median %.2f ms, p95 %.2f ms, max %.2f ms\n",
                Clients, latencies.size(), changes * Clients, percentile(latencies, 0.5), percentile(latencies, 0.95),
                *std::max_element(latencies.begin(), latencies.end()));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 300;
    const int changes = argc > 2 ? std::atoi(argv[2]) : 50;

    QTemporaryDir folder;
    const SettingsStore settings(folder.filePath(QStringLiteral("Lampotron.conf")));
    const QString scheme = folder.filePath(QStringLiteral("Data.inf"));
    QFile file(scheme);
    if (!file.open(QIODevice::WriteOnly) || file.write("10000000\r\n01000000\r\n00100000\r\n00010000\r\n") < 0)
        return 1;
    file.close();
    auto record = std::make_shared<PortRecord>();
    Player player({QStringLiteral("recorded"), scheme, 50}, std::make_unique<TimerfdDeadlineTimer>(),
                  [record](const QString &) { return std::make_unique<RecordingBackend>(record); });
    player.loadScheme();
    player.openOutput();
    measureRows(player, *record, rows, "without the remote");

    PlayerCommands commands(player, settings, QDir::temp().filePath("lampotron-bench-patterns"));
    RemoteServer server(player, commands, settings, Key, [] { return std::vector<FoundPort>(); });
    RemoteConfig config;
    config.address = QHostAddress::LocalHost;
    if (auto problem = server.listen(config)) {
        std::fprintf(stderr, "The remote did not start: %s\n", qPrintable(*problem));
        return 1;
    }
    QThread clientThread;
    LiveClients clients;
    clients.moveToThread(&clientThread);
    clientThread.start();
    const QUrl url(QStringLiteral("ws://127.0.0.1:%1/api/v1/live").arg(server.port()));
    QMetaObject::invokeMethod(&clients, [&] { clients.open(url, Key, Clients); });
    if (!runUntil([&] { return clients.ready == Clients; }, 10000)) {
        std::fprintf(stderr, "Only %d of %d clients were let in.\n", clients.ready.load(), Clients);
        return 1;
    }
    const long before = clients.messages;
    measureRows(player, *record, rows, "with the remote and 20 live clients");
    std::printf("the clients got %ld messages for %d rows\n", clients.messages - before, rows);
    measureStateLatency(player, clients, changes);

    QMetaObject::invokeMethod(&clients, [&] { qDeleteAll(clients.children()); }, Qt::BlockingQueuedConnection);
    clientThread.quit();
    clientThread.wait();
    return 0;
}
