#pragma once

#include "SettingsKeys.h"

#include <QString>

#include <array>

// The user's choice of effects, as a scheme is built from it.
struct Selection {
    std::array<bool, settings::EffectCount> ticked{};
    std::array<int, settings::EffectCount> repeats{};
    QString numEffects; // the effect count as shown
};
