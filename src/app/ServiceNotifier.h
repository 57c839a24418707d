#pragma once

#include "PlayerState.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class Player;

// Tells systemd how the player is, when it runs as a service of Type=notify:
// ready once the output is open and the scheme loaded, a one-line status
// that `systemctl status` shows, and a watchdog fed from the thread that
// plays the rows, so that a player whose rows hang is restarted. Outside
// systemd it does nothing. It lives on the faces' thread.
class ServiceNotifier : public QObject {
    Q_OBJECT

public:
    ServiceNotifier(Player &player, PlayerState state, QString schemePath, QObject *parent = nullptr);

    void ready();
    // What the schedule adds to the status, such as "off at 23:00 (entry 2)".
    void setScheduleNote(const QString &note);
    void stopping();

private:
    void showStatus();

    PlayerState state_;
    QString schemePath_;
    QString scheduleNote_;
    // Lives on the rows' thread, a child of the player.
    QPointer<QTimer> watchdog_;
};
