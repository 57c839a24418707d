#pragma once

#include <QObject>

#include <initializer_list>
#include <vector>

class QSocketNotifier;

// Turns Unix signals into Qt signals. The handler only writes the signal's
// number into a pipe; the event loop reads it and carries on from there, so
// nothing but a write ever runs inside the handler.
// Hold the signals first thing in main: until the watcher exists they wait,
// instead of ending the program.
class SignalWatcher : public QObject {
    Q_OBJECT

public:
    static void hold(std::initializer_list<int> signalNumbers);

    explicit SignalWatcher(std::initializer_list<int> signalNumbers, QObject *parent = nullptr);
    ~SignalWatcher() override;

signals:
    void received(int signalNumber);

private:
    void readPipe();

    std::vector<int> signalNumbers_;
    QSocketNotifier *notifier_;
};
