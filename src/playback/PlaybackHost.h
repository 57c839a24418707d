#pragma once

#include <QtGlobal>

// What the playback loop needs from the window that shows it.
class PlaybackHost {
public:
    virtual ~PlaybackHost() = default;
    virtual void showLamp(int line, bool lit) = 0;
    virtual void showSpeed(qint16 milliseconds) = 0;
    virtual bool isPaused() const = 0;
};
