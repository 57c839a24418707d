#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace pattern {

struct EffectChoice {
    int effect;
    int repeats;
};

// Writes the chosen effects, in the order given, into a new file beside
// `path`, and only once it is complete and on disk puts it in place of
// `path`. On failure the old file stays as it was and the description of
// what went wrong is returned. `afterEffect` runs after each effect with the
// number of effects written so far.
std::optional<QString> buildScheme(const QString &path, const std::vector<EffectChoice> &chosen,
                                   const std::function<void(int)> &afterEffect);

} // namespace pattern
