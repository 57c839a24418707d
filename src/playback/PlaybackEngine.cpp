#include "PlaybackEngine.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {
// Our own wake-ups end a local event loop with this code. A loop that ends
// with anything else was ended by the application quitting.
constexpr int WokenUp = 1;
} // namespace

PlaybackEngine::PlaybackEngine(PlaybackHost &host, PortDevice &port,
                               const pattern::PatternTable &table, const qint16 &speedMs,
                               const bool &running, QObject *parent)
    : QObject(parent), host_(host), port_(port), table_(table), speedMs_(speedMs), running_(running)
{
}

void PlaybackEngine::activate()
{
    for (;;) {
        const int lastRow = table_.lastRow();
        if (lastRow < 0)
            return;
        for (int row = 0; row <= lastRow; ++row) {
            // A scheme built meanwhile may be shorter than the pass began with.
            if (!running_ || row > table_.lastRow())
                break;
            if (!playRow(row) || !pumpEvents() || !waitMilliseconds(speedMs_) || !pumpEvents())
                return;
            host_.showSpeed(speedMs_);
            if (!waitWhilePaused())
                return;
        }
        if (!running_)
            return;
    }
}

void PlaybackEngine::deactivate()
{
    for (int line = 0; line < pattern::PatternTable::Lines; ++line) {
        port_.SetLine(static_cast<std::int16_t>(line), 0);
        host_.showLamp(line, false);
        QCoreApplication::processEvents();
    }
}

void PlaybackEngine::pauseChanged()
{
    emit wakePauseWaits();
}

// Lamp first, then its line, so that both always agree; anything but "1"
// is dark and low.
bool PlaybackEngine::playRow(int row)
{
    for (int line = 0; line < pattern::PatternTable::Lines; ++line) {
        const bool lit = table_.isLit(line, row);
        host_.showLamp(line, lit);
        if (!pumpEvents())
            return false;
        port_.SetLine(static_cast<std::int16_t>(line), lit ? 1 : 0);
    }
    return true;
}

// A stop handled here has already switched everything off; setting the rest
// of the row would light it again.
bool PlaybackEngine::pumpEvents()
{
    QCoreApplication::processEvents();
    return running_;
}

// The kernel lets a sleep overrun by a thousandth of its length, and Qt's
// timers count whole milliseconds. So events run through most of the wait,
// and a short plain sleep hits the deadline itself.
bool PlaybackEngine::waitMilliseconds(int milliseconds)
{
    using namespace std::chrono;
    const auto length = std::chrono::milliseconds(std::max(0, milliseconds));
    const auto deadline = steady_clock::now() + length;
    const auto margin = 2ms + length / 500;
    if (length > margin) {
        QEventLoop loop;
        QTimer::singleShot(duration_cast<std::chrono::milliseconds>(length - margin), Qt::PreciseTimer,
                           &loop, [&loop] { loop.exit(WokenUp); });
        if (loop.exec() != WokenUp)
            return false;
    }
    std::this_thread::sleep_until(deadline);
    return true;
}

bool PlaybackEngine::waitWhilePaused()
{
    while (host_.isPaused()) {
        QEventLoop loop;
        connect(this, &PlaybackEngine::wakePauseWaits, &loop, [&loop] { loop.exit(WokenUp); });
        if (loop.exec() != WokenUp)
            return false;
    }
    return true;
}
