// What the window's menu opens, beside the rest of the window in MainWindow.cpp.
#include "MainWindow.h"

#include "PatternsDialog.h"
#include "RemoteDialog.h"
#include "TrayIcon.h"

void MainWindow::showRemote()
{
    showRemoteDialog(options_.remoteAddress());
}

// Switched on, the address shows at once, for the phone to scan.
void MainWindow::switchRemote(bool on)
{
    const RemoteAddress address = options_.switchRemote(on);
    tray_->showRemoteOn(options_.remoteOn());
    if (on)
        showRemoteDialog(address);
}

void MainWindow::showRemoteDialog(const RemoteAddress &address)
{
    auto *dialog = new RemoteDialog(address, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

// Not modal, so the window goes on working beside it.
void MainWindow::showPatterns()
{
    if (!patterns_) {
        patterns_ = new PatternsDialog(commands_, this);
        patterns_->setAttribute(Qt::WA_DeleteOnClose);
    }
    patterns_->show();
    patterns_->raise();
    patterns_->activateWindow();
}
