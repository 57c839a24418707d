#include "HeadlessPlayer.h"

#include "BackendFactory.h"
#include "PatternLoader.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>

namespace {

void log(const QString &line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}

} // namespace

HeadlessPlayer::HeadlessPlayer(Choices choices, const SettingsStore &settings, QObject *parent)
    : QObject(parent), choices_(std::move(choices)), settings_(settings),
      portSetting_(choices_.port.value_or(settings_.read(settings::Port))),
      port_(makeBackend(portSetting_.toStdString())), engine_(port_, timer_)
{
    connect(&engine_, &PlaybackEngine::portLost, this, &HeadlessPlayer::onPortLost);
}

std::optional<int> HeadlessPlayer::start()
{
    log(QStringLiteral("Lampotron %1 started without a window.").arg(QCoreApplication::applicationVersion()));
    auto loaded = pattern::loadPatternFile(choices_.schemePath);
    if (!loaded.table) {
        log(QStringLiteral("Cannot play %1: %2. Build a scheme in the window, or name one with --scheme.")
                .arg(choices_.schemePath, pattern::describe(*loaded.failure)));
        return SchemeUnusable;
    }
    port_.open();
    if (!port_.isOpen()) {
        log(QStringLiteral("Cannot open the output %1: %2")
                .arg(portSetting_, QString::fromStdString(port_.failureReason())));
        return PortUnavailable;
    }
    log(QStringLiteral("Output %1 opened.").arg(portSetting_));
    if (const std::string notice = port_.notice(); !notice.empty())
        log(QString::fromStdString(notice));
    log(QStringLiteral("Scheme %1 loaded: %2 rows.").arg(choices_.schemePath).arg(loaded.table->rowCount()));
    const int speed = loadAtSpeed(std::move(*loaded.table));
    engine_.start();
    log(QStringLiteral("Playing, one row every %1 ms.").arg(speed));
    return std::nullopt;
}

void HeadlessPlayer::onSignal(int signalNumber)
{
    if (signalNumber == SIGHUP)
        reload();
    else
        end(Stopped);
}

// The old scheme plays on when the new one cannot be read.
void HeadlessPlayer::reload()
{
    auto loaded = pattern::loadPatternFile(choices_.schemePath);
    if (!loaded.table) {
        log(QStringLiteral("Not reloaded, the old scheme plays on: %1 (%2).")
                .arg(pattern::describe(*loaded.failure), choices_.schemePath));
        return;
    }
    const int rows = loaded.table->rowCount();
    const int speed = loadAtSpeed(std::move(*loaded.table));
    log(QStringLiteral("Reloaded %1: %2 rows, one every %3 ms.").arg(choices_.schemePath).arg(rows).arg(speed));
    if (!choices_.port && settings_.read(settings::Port) != portSetting_)
        log(QStringLiteral("The Port setting now names %1; restart to use it.").arg(settings_.read(settings::Port)));
}

void HeadlessPlayer::onPortLost(const QString &reason)
{
    log(QStringLiteral("The output %1 stopped answering: %2").arg(portSetting_, reason));
    end(PortUnavailable);
}

void HeadlessPlayer::end(int code)
{
    engine_.stop();
    port_.close();
    log(QStringLiteral("Stopped; every line is low and the output is released."));
    QCoreApplication::exit(code);
}

// Hands the table to the engine at the chosen or stored speed, read once so
// that the log tells the delay in force; returns that speed.
int HeadlessPlayer::loadAtSpeed(pattern::PatternTable table)
{
    const int speed = choices_.speed.value_or(settings_.read(settings::Speed));
    engine_.loadTable(std::move(table));
    engine_.setDelay(std::chrono::milliseconds(speed));
    return speed;
}
