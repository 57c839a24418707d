#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace pattern {

// One step of a pattern: eight lamps (bit k is lamp k) shown for a time.
// A step without a time of its own lasts the delay the player is set to,
// as a row of the scheme does.
struct Step {
    std::uint8_t lamps = 0;
    int ms = 0; // 0: the player's delay

    friend bool operator==(const Step &, const Step &) = default;
};

inline constexpr int MinStepMs = 10;
inline constexpr int MaxStepMs = 60000;
inline constexpr int MaxNameChars = 40;
// As many steps as a scheme has rows at most.
inline constexpr int MaxSteps = 32768;

// A named list of steps: one of the built-in effects, which cannot be
// changed, or one of the user's own.
struct Pattern {
    QString name;
    std::vector<Step> steps;
    int effect = -1; // the built-in effect's number, or -1 for a user's own
    bool builtIn() const { return effect >= 0; }
    // Counts the saves, so that a save made from an older copy is refused
    // instead of silently undoing another face's work. 0: never saved.
    int version = 0;
};

// Why a name or a list of steps cannot be a pattern; empty when it can.
QString nameProblem(const QString &name);
QString stepsProblem(const std::vector<Step> &steps);

} // namespace pattern
