#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace mdlEffects {

inline constexpr int MaxRepeats = 10;

// The rows of one effect, repeated, each ending in CR LF.
// Empty for an effect index outside the catalogue or a count below 1.
QByteArray effectText(int effect, int repeats);

// Appends an effect's rows, repeated, to a pattern file with one write,
// creating the file where it is missing. Returns a description of what went
// wrong, or nothing on success; a refused or failed call writes nothing.
std::optional<QString> WriteEffect(const QString &path, int effect, int repeats);

} // namespace mdlEffects
