#pragma once

#include <span>
#include <string_view>

namespace pattern {

inline constexpr int EffectCount = 12;
// How many times a scheme may repeat one effect in a row.
inline constexpr int MaxRepeats = 10;

struct Effect {
    std::u8string_view caption; // the name shown beside the effect's check box
    std::span<const std::string_view> rows; // in playing order
};

// The built-in effects, by index 0 to EffectCount - 1; nullptr outside.
const Effect *effect(int index);

} // namespace pattern
