#pragma once

#include "SettingsStore.h"

#include <QObject>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <optional>

// Stores settings away from the event loop that plays the rows. Values that
// come in quick succession, such as the steps of a bar being clicked, are
// written together once things are quiet for a moment, on a thread of their
// own, so that a slow disk never delays a row.
class SettingsWriter : public QObject {
    Q_OBJECT

public:
    SettingsWriter(SettingsStore store, std::chrono::milliseconds quiet, QObject *parent = nullptr);
    // Writes what is still pending.
    ~SettingsWriter() override;

    void store(const SettingsStore::Value &value);
    // Writes what is pending now and waits until it is on disk. Returns what
    // went wrong with that last write; nobody may be left to hear `failed`.
    std::optional<QString> flush();

signals:
    // Each failed write, with the file and the reason.
    void failed(const QString &reason);

private:
    void writePending();

    SettingsStore store_;
    QTimer quiet_;
    QList<SettingsStore::Value> pending_;
    QThread thread_;
    QObject inThread_;
};
