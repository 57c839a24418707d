#include "ServiceNotifier.h"

#include "Player.h"
#include "PlayerCall.h"

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
    if (!state.following.isEmpty() && state.playback != PlayerState::Playback::Stopped)
        return QStringLiteral("following %1 on %2%3")
            .arg(state.following, where,
                 state.noDataSince.isEmpty() ? QString() : QStringLiteral("; no data since %1").arg(state.noDataSince));
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

ServiceNotifier::ServiceNotifier(Player &player, PlayerState state, QString schemePath, QObject *parent)
    : QObject(parent), state_(std::move(state)), schemePath_(std::move(schemePath))
{
    connect(&player, &Player::stateChanged, this, [this](const PlayerState &changed) {
        state_ = changed;
        showStatus();
    });
    std::uint64_t watchdogUsec = 0;
    if (sd_watchdog_enabled(0, &watchdogUsec) <= 0 || watchdogUsec == 0)
        return;
    // Twice per period, from the loop that plays the rows: if that loop
    // hangs, so does the watchdog.
    const auto period = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::microseconds(watchdogUsec / 2));
    watchdog_ = callPlayer(player, [period](Player &inThread) {
        auto *timer = new QTimer(&inThread);
        QObject::connect(timer, &QTimer::timeout, [] { sd_notify(0, "WATCHDOG=1"); });
        timer->start(period);
        return timer;
    });
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
    if (watchdog_)
        QMetaObject::invokeMethod(watchdog_, &QTimer::stop);
    sd_notify(0, "STOPPING=1");
}

void ServiceNotifier::showStatus()
{
    QString status = describe(state_, schemePath_);
    if (!scheduleNote_.isEmpty())
        status += QStringLiteral("; ") + scheduleNote_;
    // One line: a newline would end the assignment early.
    status.replace(QLatin1Char('\n'), QLatin1Char(' '));
    sd_notify(0, ("STATUS=" + status).toUtf8().constData());
}
