#pragma once

#include <QMetaType>
#include <QString>

// Everything a face shows about playback, as one value: whoever changed it,
// every face hears the same.
struct PlayerState {
    enum class Playback { Stopped, Running, Paused };
    enum class Output { Closed, Open, Lost };

    Playback playback = Playback::Stopped;
    QString output;        // the setting that names it, such as "ola:1"
    Output outputState = Output::Closed;
    QString outputProblem; // why it was lost, or why it would not open
    int speedMs = 0;
    int rows = 0;
    int effect = -1; // a built-in effect playing alone, or -1 for the scheme
    QString pattern; // the name of a pattern playing alone, or "" for the scheme
    QString following;   // "universe 1 from channel 9" for a follower, or ""
    QString noDataSince; // "16:41:07" while a follower's lines are low for want of frames

    bool operator==(const PlayerState &) const = default;
};

Q_DECLARE_METATYPE(PlayerState)
