#pragma once

#include <QString>

#include <cstdio>

// One line of the player's log on stderr, at once: a service manager shows
// it as it happens.
inline void logLine(const QString &line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}
