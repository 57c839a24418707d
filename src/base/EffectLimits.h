#pragma once

// How many built-in effects there are and how often a scheme may repeat
// one, for everything that counts them: the catalogue, the settings, the
// window and the faces from afar.
namespace effects {

inline constexpr int Count = 12;
inline constexpr int MaxRepeats = 10;

} // namespace effects
