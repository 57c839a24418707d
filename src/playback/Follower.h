#pragma once

#include "DeadlineTimer.h"
#include "FollowTarget.h"
#include "FrameSource.h"
#include "PortDevice.h"

#include <QDateTime>
#include <QObject>

#include <cstdint>

// Drives the output from a universe on the network instead of the scheme:
// each frame's eight channels, written only when they change. When no frame
// has come for the hold time, every line goes low and it says so once; the
// next frame brings them back.
class Follower : public QObject {
    Q_OBJECT

public:
    Follower(FollowTarget target, FrameSource &source, PortDevice &port, DeadlineTimer &timer, QObject *parent = nullptr);

    const FollowTarget &target() const { return target_; }
    // Follows from now on; the lines stay low until the first frame.
    void resume();
    // Lines low; frames are let go until resume.
    void stop();
    bool active() const { return active_; }
    // When the last frame came, while the lines are low for want of one.
    std::optional<QDateTime> noDataSince() const;

signals:
    void rowShown(std::uint8_t lamps);
    void portLost(const QString &reason);
    // Data stopped or came back: noDataSince() changed.
    void dataChanged();
    void noted(const QString &line);

private:
    void onFrame(const QByteArray &channels);
    void onDeadline();
    void write(std::uint8_t lamps);

    FollowTarget target_;
    PortDevice &port_;
    DeadlineTimer &timer_;
    bool active_ = false;
    bool dark_ = true;
    std::optional<std::uint8_t> written_;
    DeadlineTimer::Clock::time_point lastFrame_;
    QDateTime lastFrameWall_;
};
