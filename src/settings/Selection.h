#pragma once

#include "SettingsKeys.h"

#include <QString>

#include <array>

// The user's choice of effects, as a scheme is built from it.
struct Selection {
    std::array<bool, effects::Count> ticked{};
    std::array<int, effects::Count> repeats{};
    int numEffects = 0; // how many effects the scheme was built from
};
