#pragma once

#include <QString>

#include <optional>

namespace mdlEffects {

inline constexpr int MaxRepeats = 10;

// Appends an effect's rows, repeated, to a pattern file with one write,
// creating the file where it is missing. Returns a description of what went
// wrong, or nothing on success; a refused or failed call writes nothing.
std::optional<QString> WriteEffect(const QString &path, int effect, int repeats);

} // namespace mdlEffects
