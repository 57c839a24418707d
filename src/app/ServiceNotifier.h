#pragma once

#include "PlayerState.h"

#include <QObject>
#include <QTimer>

class Player;

// Tells systemd how the player is, when it runs as a service of Type=notify:
// ready once the output is open and the scheme loaded, a one-line status
// that `systemctl status` shows, and a watchdog kept alive from the event
// loop that plays the rows, so that a hung player is restarted. Outside
// systemd it does nothing.
class ServiceNotifier : public QObject {
    Q_OBJECT

public:
    explicit ServiceNotifier(Player &player, QObject *parent = nullptr);

    void ready();
    // What the schedule adds to the status, such as "off at 23:00 (entry 2)".
    void setScheduleNote(const QString &note);
    void stopping();

private:
    void showStatus();

    Player &player_;
    QString scheduleNote_;
    QTimer watchdog_;
};
