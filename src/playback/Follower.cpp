#include "Follower.h"

Follower::Follower(FollowTarget target, FrameSource &source, PortDevice &port, DeadlineTimer &timer, QObject *parent)
    : QObject(parent), target_(std::move(target)), port_(port), timer_(timer)
{
    connect(&source, &FrameSource::frame, this, &Follower::onFrame);
    connect(&timer_, &DeadlineTimer::expired, this, &Follower::onDeadline);
}

void Follower::resume()
{
    active_ = true;
    dark_ = true;
    lastFrame_ = timer_.now();
    lastFrameWall_ = QDateTime::currentDateTime();
    // The lines are low already: the output was opened, or stopped.
    written_ = 0;
    if (target_.hold.count() > 0)
        timer_.arm(lastFrame_ + target_.hold);
    emit noted(tr("Following %1.").arg(target_.describe()));
    emit dataChanged();
}

void Follower::stop()
{
    active_ = false;
    timer_.disarm();
    written_.reset();
    write(0);
}

std::optional<QDateTime> Follower::noDataSince() const
{
    if (!active_ || !dark_)
        return std::nullopt;
    return lastFrameWall_;
}

// Frames too short for the eight channels are not this follower's to read.
void Follower::onFrame(const QByteArray &channels)
{
    if (!active_)
        return;
    const auto lamps = target_.lampsOf(reinterpret_cast<const std::uint8_t *>(channels.constData()),
                                     static_cast<std::size_t>(channels.size()));
    if (!lamps)
        return;
    lastFrame_ = timer_.now();
    lastFrameWall_ = QDateTime::currentDateTime();
    if (target_.hold.count() > 0)
        timer_.arm(lastFrame_ + target_.hold);
    if (dark_) {
        dark_ = false;
        emit noted(tr("Data from %1 again; following.").arg(target_.universeName()));
        emit dataChanged();
    }
    if (lamps != written_)
        write(*lamps);
}

void Follower::onDeadline()
{
    if (!active_ || dark_ || target_.hold.count() == 0)
        return;
    if (timer_.now() - lastFrame_ < target_.hold) {
        timer_.arm(lastFrame_ + target_.hold);
        return;
    }
    dark_ = true;
    write(0);
    emit noted(tr("No data from %1 since %2; every line is low.")
                   .arg(target_.universeName(), lastFrameWall_.toString(QStringLiteral("HH:mm:ss"))));
    emit dataChanged();
}

void Follower::write(std::uint8_t lamps)
{
    written_ = lamps;
    if (port_.isOpen() && !port_.writeLines(lamps))
        emit portLost(QString::fromStdString(port_.failureReason()));
    emit rowShown(lamps);
}
