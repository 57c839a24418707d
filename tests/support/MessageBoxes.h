#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

// Answers every message box that opens while `action` runs, and gives back
// what they said, "title|text|details" a line each.
inline QString answerMessageBoxes(const std::function<void()> &action)
{
    QString said;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&said] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            said += box->windowTitle() + "|" + box->text() + "|" + box->informativeText() + "\n";
            box->accept();
        }
    });
    poll.start();
    action();
    return said;
}
