// Plays a table through the playback loop and the OLA backend while a second
// client, registered for the same universe, records what olad hands on.
// Checks every frame and prints the frame period as the daemon delivered it.
//   ola_roundtrip UNIVERSE
// Needs a running olad on the default port with UNIVERSE patched.

#include "EffectCatalogue.h"
#include "OlaBackend.h"
#include "PlaybackEngine.h"
#include "TimerfdDeadlineTimer.h"

#include <QCoreApplication>
#include <QTimer>

#include <ola/Callback.h>
#include <ola/Logging.h>
#include <ola/client/ClientWrapper.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Channels = std::array<int, 8>;

struct Sample {
    Clock::time_point at;
    Channels channels;
};

class Listener {
public:
    bool start(unsigned universe)
    {
        if (!wrapper_.Setup())
            return false;
        std::promise<bool> registered;
        auto done = registered.get_future();
        wrapper_.GetClient()->SetDMXCallback(ola::NewCallback(this, &Listener::received));
        wrapper_.GetClient()->RegisterUniverse(
            universe, ola::client::REGISTER,
            ola::NewSingleCallback(this, &Listener::registeredOnce, &registered));
        thread_ = std::thread([this] { wrapper_.GetSelectServer()->Run(); });
        return done.get();
    }

    void stop()
    {
        wrapper_.GetSelectServer()->Terminate();
        thread_.join();
    }

    std::vector<Sample> samples()
    {
        std::lock_guard lock(mutex_);
        return samples_;
    }

private:
    void registeredOnce(std::promise<bool> *registered, const ola::client::Result &result)
    {
        if (!result.Success())
            std::printf("register failed: %s\n", result.Error().c_str());
        registered->set_value(result.Success());
    }

    void received(const ola::client::DMXMetadata &, const ola::DmxBuffer &data)
    {
        Sample sample{Clock::now(), {}};
        for (unsigned k = 0; k < 8; ++k)
            sample.channels[k] = data.Get(k);
        std::lock_guard lock(mutex_);
        samples_.push_back(sample);
    }

    ola::client::OlaClientWrapper wrapper_{false};
    std::thread thread_;
    std::mutex mutex_;
    std::vector<Sample> samples_;
};

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5)];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const unsigned universe = static_cast<unsigned>(std::atoi(argv[1]));
    ola::InitLogging(ola::OLA_LOG_WARN, ola::OLA_LOG_STDERR);

    Listener listener;
    if (!listener.start(universe)) {
        std::printf("FAIL: the listener cannot register for universe %u\n", universe);
        return 1;
    }

    // A running light, then the lamps filling up: every frame differs from the one before.
    pattern::PatternTable table;
    std::vector<std::string_view> rows;
    for (int effect : {0, 2})
        for (std::string_view row : pattern::effect(effect)->rows) {
            table.appendRow(row);
            rows.push_back(row);
        }

    PortDevice port(std::make_unique<OlaBackend>(universe));
    port.SelectPort(1);
    if (port.SelectPort() != 1) {
        std::printf("FAIL: %s\n", port.failureReason().c_str());
        return 1;
    }
    const int speedMs = 50;
    const int framesWanted = 3 * table.rowCount();
    TimerfdDeadlineTimer timer;
    PlaybackEngine engine(port, timer);
    engine.loadTable(table);
    engine.setDelay(std::chrono::milliseconds(speedMs));
    int frames = 0;
    QObject::connect(&engine, &PlaybackEngine::rowShown, [&] {
        if (++frames == framesWanted + 1)
            QCoreApplication::quit();
    });
    QTimer::singleShot(0, &engine, &PlaybackEngine::start);
    app.exec();
    engine.stop();
    // Let the last frames reach the listener before it stops.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    port.SelectPort(0);
    listener.stop();

    const std::vector<Sample> samples = listener.samples();
    std::vector<Clock::time_point> frameTimes;
    std::size_t next = 0;
    for (int frame = 0; frame < framesWanted; ++frame) {
        const std::string_view row = rows[static_cast<std::size_t>(frame) % rows.size()];
        Channels wanted{};
        for (std::size_t k = 0; k < 8; ++k)
            wanted[k] = row[k] == '1' ? 255 : 0;
        while (next < samples.size() && samples[next].channels != wanted)
            ++next;
        if (next == samples.size()) {
            std::printf("FAIL: frame %d (%.8s) never reached the listener\n", frame, row.data());
            return 1;
        }
        frameTimes.push_back(samples[next].at);
    }
    // The blackout of the opening, one frame per row, and the all-off.
    if (samples.size() != static_cast<std::size_t>(framesWanted) + 3) {
        std::printf("FAIL: %zu DMX frames for %d rows\n", samples.size(), framesWanted + 1);
        return 1;
    }
    if (samples.back().channels != Channels{}) {
        std::printf("FAIL: the lines were not all off at the end\n");
        return 1;
    }

    std::printf("frame periods (ms):");
    for (std::size_t i = 1; i < frameTimes.size(); ++i)
        std::printf(" %.1f", std::chrono::duration<double, std::milli>(frameTimes[i] - frameTimes[i - 1]).count());
    std::printf("\n");
    std::vector<double> errors;
    for (std::size_t i = 1; i < frameTimes.size(); ++i)
        errors.push_back(std::abs(
            std::chrono::duration<double, std::milli>(frameTimes[i] - frameTimes[i - 1]).count() - speedMs));
    std::printf("%d frames checked in %zu DMX updates; period at %d ms as olad delivered it: "
                "|error| median %.3f ms, p99 %.3f ms, max %.3f ms\n",
                framesWanted, samples.size(), speedMs, percentile(errors, 0.5), percentile(errors, 0.99),
                *std::max_element(errors.begin(), errors.end()));
    std::printf("PASS\n");
    return 0;
}
