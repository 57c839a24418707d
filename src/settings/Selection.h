#pragma once

#include "SettingsKeys.h"

#include <QString>

#include <array>
#include <vector>

// A user's pattern in a scheme, by name.
struct PatternPick {
    QString name;
    int repeats = 1;

    friend bool operator==(const PatternPick &, const PatternPick &) = default;
};

// The user's choice of effects, as a scheme is built from it: the ticked
// built-in effects in their order, then the user's patterns in theirs.
struct Selection {
    // A scheme holds at most this many of the user's patterns.
    static constexpr int MaxPatterns = 32;

    std::array<bool, effects::Count> ticked{};
    std::array<int, effects::Count> repeats{};
    int numEffects = 0; // how many effects the scheme was built from
    std::vector<PatternPick> patterns;
};
