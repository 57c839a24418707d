#pragma once

#include "DeadlineTimer.h"
#include "PatternTable.h"
#include "PortDevice.h"

#include <QObject>

#include <chrono>
#include <optional>
#include <cstdint>

// Plays a pattern table in an endless loop from the event loop: each row is
// due one delay (or its own time, where it has one) after the row before it, on an absolute schedule, so the
// lamps never drift against the clock. A row goes to the port in one write,
// then to whoever shows the lamps.
class PlaybackEngine : public QObject {
    Q_OBJECT

public:
    PlaybackEngine(PortDevice &port, DeadlineTimer &timer, QObject *parent = nullptr);

    // A new table starts at its first row: at once, or, while running, when
    // the pass through the table under way ends, in place of its first row
    // again, so that no dark frame comes between the two.
    void loadTable(pattern::PatternTable table);
    void loadTableAtEndOfPass(pattern::PatternTable table);

    // The wait under way keeps its length; the wait after the next row
    // uses the new delay, unless that row has a time of its own.
    void setDelay(std::chrono::milliseconds delay);

    // Plays the first row at once, then the others on their schedule.
    void start();
    // Stops and switches everything off.
    void stop();
    // Stops, as `stop` does, when the pass under way ends: before the first
    // row would play again. At once when not running.
    void stopAtEndOfPass();
    // A paused engine holds its current row; resuming plays the next one
    // when it is due, or at once if that time has passed.
    void setPaused(bool paused);
    // Every line low and every lamp dark.
    void allOff();

signals:
    // Once per row: bit k is lamp k, lit or dark.
    void rowShown(std::uint8_t lamps);
    // The port stopped answering at a write and has closed itself.
    void portLost(const QString &reason);
    // A stop asked for at the end of a pass has happened.
    void stoppedAtEndOfPass();
    // A table waiting for the end of a pass took over, with this many rows.
    void tableSwitched(int rows);

private:
    void playRow();
    void onDeadline();
    void show(std::uint8_t lines);
    std::chrono::milliseconds lengthOf(int row) const;

    PortDevice &port_;
    DeadlineTimer &timer_;
    pattern::PatternTable table_;
    std::optional<pattern::PatternTable> nextTable_;
    std::chrono::milliseconds delay_{100};
    bool running_ = false;
    bool paused_ = false;
    bool stopAtEndOfPass_ = false;
    int row_ = 0;
    DeadlineTimer::Clock::time_point due_;
};
