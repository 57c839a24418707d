#include "TrayIcon.h"

#include "PortSetting.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

TrayIcon::TrayIcon(PortFinder findPorts, QWidget *window)
    : QObject(window), findPorts_(std::move(findPorts)), menu_(new QMenu(QStringLiteral("Menu"), window)),
      outputMenu_(menu_->addMenu(tr("Output"))), remoteSwitch_(menu_->addAction(QString()))
{
    remoteSwitch_->setCheckable(true);
    showRemoteOn(false);
    connect(remoteSwitch_, &QAction::triggered, this, &TrayIcon::remoteSwitched);
    connect(outputMenu_, &QMenu::aboutToShow, this, &TrayIcon::searchOutputs);
    connect(&search_, &QFutureWatcher<std::vector<FoundPort>>::finished, this,
            [this] { listOutputs(search_.result()); });
    connect(menu_->addAction(tr("Patterns…")), &QAction::triggered, this, &TrayIcon::patternsRequested);
    connect(menu_->addAction(tr("Remote…")), &QAction::triggered, this, &TrayIcon::remoteRequested);
    followSchedule_ = menu_->addAction(tr("Follow the schedule"));
    followSchedule_->setObjectName(QStringLiteral("followSchedule"));
    followSchedule_->setCheckable(true);
    connect(followSchedule_, &QAction::triggered, this, &TrayIcon::scheduleFollowingSwitched);
    QAction *close = menu_->addAction(tr("Close"));
    menu_->setDefaultAction(close);
    connect(close, &QAction::triggered, this, &TrayIcon::closeRequested);
}

void TrayIcon::show(const QString &output)
{
    icon_ = new QSystemTrayIcon(menu_->parentWidget()->windowIcon(), this);
    icon_->setContextMenu(menu_);
    setOutput(output);
    icon_->show();
}

void TrayIcon::hide()
{
    if (icon_)
        icon_->hide();
}

void TrayIcon::setOutput(const QString &output)
{
    output_ = output;
    if (icon_)
        icon_->setToolTip(next_.isEmpty() ? tr("Lampotron (%1)").arg(output)
                                          : tr("Lampotron (%1)").arg(output) + QLatin1Char('\n') + next_);
}

void TrayIcon::setNext(const QString &next)
{
    next_ = next;
    setOutput(output_);
}

void TrayIcon::showFollowingSchedule(bool on)
{
    followSchedule_->setChecked(on);
}

void TrayIcon::showRemoteOn(bool on)
{
    remoteSwitch_->setChecked(on);
    remoteSwitch_->setText(on ? tr("Remote: on") : tr("Remote: off"));
}

// Looked for each time the menu opens, since boards come and go; away from
// the event loop, since asking a daemon or a bus can take seconds.
void TrayIcon::searchOutputs()
{
    if (search_.isRunning())
        return;
    outputMenu_->clear();
    outputMenu_->addAction(tr("searching…"))->setEnabled(false);
    search_.setFuture(QtConcurrent::run(findPorts_));
}

void TrayIcon::listOutputs(std::vector<FoundPort> found)
{
    outputMenu_->clear();
    // Found outputs are matched by their device, so that the user's own
    // setting, such as GPIO offsets, survives choosing the same chip again.
    const std::string current = output_.toStdString();
    const bool currentFound = std::any_of(found.begin(), found.end(), [&current](const FoundPort &port) {
        return sameDevice(port.setting, current);
    });
    if (!currentFound)
        found.insert(found.begin(), {output_.toStdString(), tr("not found now").toStdString(), ""});
    for (const FoundPort &port : found) {
        const QString setting = QString::fromStdString(port.setting);
        QString text = QStringLiteral("%1 \u2014 %2").arg(setting, QString::fromStdString(port.description));
        if (!port.problem.empty())
            text += QStringLiteral(" (%1)").arg(QString::fromStdString(port.problem));
        QAction *action = outputMenu_->addAction(text);
        action->setCheckable(true);
        action->setChecked(port.setting == current || sameDevice(port.setting, current));
        connect(action, &QAction::triggered, this, [this, found = port.setting] {
            emit outputChosen(QString::fromStdString(settingForChoice(output_.toStdString(), found)));
        });
    }
}
