#include "ServiceNotifier.h"

#include "Player.h"

#include <QFileInfo>

#include <chrono>

#ifdef LAMPOTRON_WITH_SYSTEMD
#include <systemd/sd-daemon.h>
#else
namespace {
int sd_notify(int, const char *) { return 0; }
int sd_watchdog_enabled(int, std::uint64_t *) { return 0; }
} // namespace
#endif

namespace {

QString describe(const PlayerState &state, const QString &scheme)
{
    const QString where = state.outputState == PlayerState::Output::Open
                              ? state.output
                              : QStringLiteral("screen only (%1 %2)")
                                    .arg(state.output, state.outputState == PlayerState::Output::Lost
                                                           ? QStringLiteral("lost")
                                                           : QStringLiteral("closed"));
    switch (state.playback) {
    case PlayerState::Playback::Running:
        return QStringLiteral("playing %1 (%2 rows) at %3 ms on %4")
            .arg(QFileInfo(scheme).fileName())
            .arg(state.rows)
            .arg(state.speedMs)
            .arg(where);
    case PlayerState::Playback::Paused:
        return QStringLiteral("paused on %1").arg(where);
    case PlayerState::Playback::Stopped:
        break;
    }
    return QStringLiteral("waiting, every line low on %1").arg(where);
}

} // namespace

ServiceNotifier::ServiceNotifier(Player &player, QObject *parent) : QObject(parent), player_(player)
{
    connect(&player_, &Player::stateChanged, this, &ServiceNotifier::showStatus);
    std::uint64_t watchdogUsec = 0;
    if (sd_watchdog_enabled(0, &watchdogUsec) > 0 && watchdogUsec > 0) {
        // Twice per period, from the loop that plays the rows: if that loop
        // hangs, so does the watchdog.
        watchdog_.setInterval(std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::microseconds(watchdogUsec / 2)));
        connect(&watchdog_, &QTimer::timeout, [] { sd_notify(0, "WATCHDOG=1"); });
        watchdog_.start();
    }
}

void ServiceNotifier::ready()
{
    sd_notify(0, "READY=1");
    showStatus();
}

void ServiceNotifier::setScheduleNote(const QString &note)
{
    scheduleNote_ = note;
    showStatus();
}

void ServiceNotifier::stopping()
{
    watchdog_.stop();
    sd_notify(0, "STOPPING=1");
}

void ServiceNotifier::showStatus()
{
    QString status = describe(player_.state(), player_.schemePath());
    if (!scheduleNote_.isEmpty())
        status += QStringLiteral("; ") + scheduleNote_;
    // One line: a newline would end the assignment early.
    status.replace(QLatin1Char('\n'), QLatin1Char(' '));
    sd_notify(0, ("STATUS=" + status).toUtf8().constData());
}
