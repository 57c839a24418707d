#pragma once

#include <QByteArray>
#include <QObject>

#include <optional>

// Where a follower's frames come from: a universe that olad receives from
// the network, or a stand-in in the tests. It lives on the player's thread.
class FrameSource : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts listening; returns why it cannot.
    virtual std::optional<QString> start() = 0;

signals:
    // The newest frame of the universe, its channels from 1 on; frames that
    // came meanwhile were older and are not given.
    void frame(const QByteArray &channels);
    // The source is gone, such as olad stopped; why.
    void lost(const QString &reason);
};
