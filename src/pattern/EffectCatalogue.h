#pragma once

#include "EffectLimits.h"

#include <span>
#include <string_view>

namespace pattern {

struct Effect {
    std::u8string_view caption; // the name shown beside the effect's check box
    std::span<const std::string_view> rows; // in playing order
};

// The built-in effects, by index 0 to effects::Count - 1; nullptr outside.
const Effect *effect(int index);

} // namespace pattern
