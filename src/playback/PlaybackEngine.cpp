#include "PlaybackEngine.h"

PlaybackEngine::PlaybackEngine(PortDevice &port, DeadlineTimer &timer, QObject *parent)
    : QObject(parent), port_(port), timer_(timer)
{
    connect(&timer_, &DeadlineTimer::expired, this, &PlaybackEngine::onDeadline);
}

void PlaybackEngine::loadTable(pattern::PatternTable table)
{
    table_ = std::move(table);
    nextTable_.reset();
    row_ = 0;
}

void PlaybackEngine::loadTableAtEndOfPass(pattern::PatternTable table)
{
    if (!running_ || table_.rowCount() == 0) {
        loadTable(std::move(table));
        return;
    }
    nextTable_ = std::move(table);
}

void PlaybackEngine::setDelay(std::chrono::milliseconds delay)
{
    delay_ = delay;
}

void PlaybackEngine::start()
{
    if (table_.rowCount() == 0)
        return;
    running_ = true;
    stopAtEndOfPass_ = false;
    row_ = 0;
    due_ = timer_.now();
    playRow();
}

void PlaybackEngine::stop()
{
    running_ = false;
    stopAtEndOfPass_ = false;
    timer_.disarm();
    if (nextTable_) {
        loadTable(std::move(*nextTable_));
        emit tableSwitched(table_.rowCount());
    }
    allOff();
}

void PlaybackEngine::stopAtEndOfPass()
{
    if (!running_) {
        stop();
        emit stoppedAtEndOfPass();
        return;
    }
    stopAtEndOfPass_ = true;
}

void PlaybackEngine::setPaused(bool paused)
{
    paused_ = paused;
    if (!running_)
        return;
    if (paused) {
        timer_.disarm();
        return;
    }
    due_ = std::max(due_, timer_.now());
    timer_.arm(due_);
}

void PlaybackEngine::allOff()
{
    show(0);
}

void PlaybackEngine::onDeadline()
{
    if (!running_ || paused_)
        return;
    // After a stall, start the schedule again from now rather than play a
    // burst of rows to catch up.
    const auto now = timer_.now();
    if (now - due_ > lengthOf(row_))
        due_ = now;
    playRow();
}

std::chrono::milliseconds PlaybackEngine::lengthOf(int row) const
{
    const int own = table_.stepMs(row);
    return own > 0 ? std::chrono::milliseconds(own) : delay_;
}

// Showing comes last: whoever is told may stop or pause the engine.
void PlaybackEngine::playRow()
{
    if (row_ == 0 && stopAtEndOfPass_) {
        stop();
        emit stoppedAtEndOfPass();
        return;
    }
    if (row_ == 0 && nextTable_) {
        table_ = std::move(*nextTable_);
        nextTable_.reset();
        emit tableSwitched(table_.rowCount());
    }
    const std::uint8_t lines = table_.litLines(row_);
    due_ += lengthOf(row_);
    row_ = (row_ + 1) % table_.rowCount();
    if (!paused_)
        timer_.arm(due_);
    show(lines);
}

// The port first, so that the lines are on time; the drawing follows.
void PlaybackEngine::show(std::uint8_t lines)
{
    if (!port_.writeLines(lines))
        emit portLost(QString::fromStdString(port_.failureReason()));
    emit rowShown(lines);
}
