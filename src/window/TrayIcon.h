#pragma once

#include "FoundPort.h"

#include <QFutureWatcher>
#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;

// The tray icon and its menu: Output, to switch to another output found on
// the machine, Patterns…, to edit the user's own patterns, "Remote: on/off",
// Remote…, the address of the remote for a phone, "Follow the schedule", and Close. A right press
// opens the menu; other clicks on the icon do nothing. The window offers the
// same menu, for desktops without a tray.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    using PortFinder = std::function<std::vector<FoundPort>()>;

    TrayIcon(PortFinder findPorts, QWidget *window);

    void show(const QString &output);
    void hide();
    // The output in use: the tip names it and the menu ticks it.
    void setOutput(const QString &output);
    // Whether the remote listens: the menu says so and offers the other.
    void showRemoteOn(bool on);
    // What the schedule does next, such as "on at 16:41", for the tip; "" without a schedule.
    void setNext(const QString &next);
    void showFollowingSchedule(bool on);
    QMenu *menu() const { return menu_; }

signals:
    void outputChosen(const QString &output);
    void patternsRequested();
    void remoteRequested();
    void remoteSwitched(bool on);
    void scheduleFollowingSwitched(bool on);
    void closeRequested();

private:
    void searchOutputs();
    void listOutputs(std::vector<FoundPort> found);

    PortFinder findPorts_;
    QString output_;
    QMenu *menu_;
    QMenu *outputMenu_;
    QAction *remoteSwitch_;
    QAction *followSchedule_;
    QString next_;
    QSystemTrayIcon *icon_ = nullptr;
    QFutureWatcher<std::vector<FoundPort>> search_;
};
