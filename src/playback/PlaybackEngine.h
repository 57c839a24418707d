#pragma once

#include "PatternTable.h"
#include "PlaybackHost.h"
#include "PortDevice.h"

#include <QObject>

// Plays a pattern table in an endless loop: for each row it sets the eight
// lamps and lines, waits the current delay and moves on, wrapping at the end.
// Window events keep running throughout, so the stop button, the pause box
// and the speed bar act while it plays.
class PlaybackEngine : public QObject {
    Q_OBJECT

public:
    // The engine reads the table, the delay and the running flag where their
    // owner keeps them, so that changes made by event handlers take effect.
    PlaybackEngine(PlaybackHost &host, PortDevice &port, const pattern::PatternTable &table,
                   const qint16 &speedMs, const bool &running, QObject *parent = nullptr);

    // Returns once running is false, or when the application is quitting.
    void activate();
    // Every line low and every lamp dark.
    void deactivate();

public slots:
    // Call whenever the pause state may have changed.
    void pauseChanged();

signals:
    void wakePauseWaits();

private:
    bool playRow(int row);
    bool pumpEvents();
    bool waitMilliseconds(int milliseconds);
    bool waitWhilePaused();

    PlaybackHost &host_;
    PortDevice &port_;
    const pattern::PatternTable &table_;
    const qint16 &speedMs_;
    const bool &running_;
};
