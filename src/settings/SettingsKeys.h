#pragma once

#include "EffectLimits.h"

#include <QString>

// Every stored setting in one place: where it lives, what it reads as when
// absent or unusable, and the range a number is brought into.
namespace settings {

struct IntKey {
    QString section;
    QString key;
    int fallback;
    int minimum;
    int maximum;
};

struct TextKey {
    QString section;
    QString key;
    QString fallback;
};

using effects::Count;

inline const IntKey Speed{QStringLiteral("Setting"), QStringLiteral("Speed"), 100, 50, 1000};
inline const TextKey Port{QStringLiteral("Setting"), QStringLiteral("Port"), QStringLiteral("/dev/parport0")};
// The window's and the page's language ("en", "de"...); empty follows the
// locale and the browser.
inline const TextKey Language{QStringLiteral("Setting"), QStringLiteral("Language"), QString()};

// Following a universe from the network instead of playing the scheme: off
// while Follow is empty; the threshold of a channel and the hold time in ms
// (0 holds the last frame for ever).
inline const TextKey Follow{QStringLiteral("Setting"), QStringLiteral("Follow"), QString()};
inline const IntKey FollowThreshold{QStringLiteral("Setting"), QStringLiteral("FollowThreshold"), 128, 1, 255};
inline const IntKey FollowHold{QStringLiteral("Setting"), QStringLiteral("FollowHold"), 2500, 0, 3600000};

// The web remote: off while Remote is empty; HTTPS when both PEM files are named.
inline const TextKey Remote{QStringLiteral("Setting"), QStringLiteral("Remote"), QString()};
inline const TextKey RemoteCertificate{QStringLiteral("Setting"), QStringLiteral("RemoteCertificate"), QString()};
inline const TextKey RemoteKey{QStringLiteral("Setting"), QStringLiteral("RemoteKey"), QString()};
// The port "Remote: on" in the menus listens on, on every network.
// Whether the window's playing state follows the schedule; the player
// without a window always does.
inline const IntKey FollowSchedule{QStringLiteral("Setting"), QStringLiteral("FollowSchedule"), 0, 0, 1};
inline const IntKey RemotePort{QStringLiteral("Setting"), QStringLiteral("RemotePort"), 8080, 1, 65535};
// MQTT is off until a broker is named, as host:port.
inline const TextKey MqttBroker{QStringLiteral("Mqtt"), QStringLiteral("Broker"), QString()};
// A file of mode 0600 holding "user:password".
inline const TextKey MqttCredentialsFile{QStringLiteral("Mqtt"), QStringLiteral("CredentialsFile"), QString()};
// Naming a CA file turns TLS on.
inline const TextKey MqttCaFile{QStringLiteral("Mqtt"), QStringLiteral("CaFile"), QString()};

inline IntKey effectTicked(int effect)
{
    return {QStringLiteral("Sheme"), QStringLiteral("Effect%1").arg(effect), 1, 0, 1};
}

inline IntKey effectRepeats(int effect)
{
    return {QStringLiteral("Sheme"), QStringLiteral("NumRetry%1").arg(effect), 1, 1, effects::MaxRepeats};
}

inline const IntKey NumEffects{QStringLiteral("Sheme"), QStringLiteral("NumEffects"), effects::Count, 0, effects::Count};

// The user's patterns in the scheme, after the effects: Pattern0, Pattern1...
// by name, each with its repeat count.
inline const IntKey NumPatterns{QStringLiteral("Sheme"), QStringLiteral("NumPatterns"), 0, 0, 32};

inline TextKey patternName(int index)
{
    return {QStringLiteral("Sheme"), QStringLiteral("Pattern%1").arg(index), QString()};
}

inline IntKey patternRepeats(int index)
{
    return {QStringLiteral("Sheme"), QStringLiteral("PatternRetry%1").arg(index), 1, 1, effects::MaxRepeats};
}

// The schedule: when the show plays by itself. Entries are Entry1, Entry2...
inline const QString ScheduleSection = QStringLiteral("Schedule");
inline const IntKey ScheduleEnabled{ScheduleSection, QStringLiteral("Enabled"), 1, 0, 1};
inline const TextKey Latitude{ScheduleSection, QStringLiteral("Latitude"), QString()};
inline const TextKey Longitude{ScheduleSection, QStringLiteral("Longitude"), QString()};
inline const QString ScheduleEntryPrefix = QStringLiteral("Entry");

inline TextKey scheduleEntry(int number)
{
    return {ScheduleSection, ScheduleEntryPrefix + QString::number(number), QString()};
}

} // namespace settings
