#pragma once

#include "FrameSource.h"
#include "OlaUniverseReceiver.h"

#include <QSocketNotifier>

#include <memory>

// The frames of a universe that olad receives from the network, on the
// player's thread. Everything olad sent is read at once and only the newest
// frame handed on, so a flood never puts the follower behind.
class UniverseFrames : public FrameSource {
    Q_OBJECT

public:
    explicit UniverseFrames(unsigned universe, QObject *parent = nullptr);

    std::optional<QString> start() override;

private:
    void onReadable();

    unsigned universe_;
    OlaUniverseReceiver receiver_;
    QByteArray newest_;
    bool fresh_ = false;
    std::unique_ptr<QSocketNotifier> notifier_;
};
