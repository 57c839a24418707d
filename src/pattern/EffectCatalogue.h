#pragma once

#include "EffectLimits.h"

#include <QString>

#include <span>
#include <string_view>

namespace pattern {

struct Effect {
    // The stable name (Russian) that settings, the API and Home Assistant use;
    // a literal, so data() ends with a zero.
    std::string_view caption;
    std::span<const std::string_view> rows; // in playing order
};

// The built-in effects, by index 0 to effects::Count - 1; nullptr outside.
const Effect *effect(int index);

// The stable name, and the name shown in the user's language.
QString caption(const Effect &effect);
QString label(const Effect &effect);

} // namespace pattern
