#pragma once

#include "Pattern.h"
#include "RequestBody.h"

#include <QJsonArray>

#include <optional>
#include <vector>

// The bodies of the pattern routes, read as strictly as the others. A step
// is {"lamps": "10000001", "ms": 250}, lamp 1 first; without "ms", or with
// 0, it lasts the player's delay. That form is short enough for some
// hundreds of steps within the 16 kB a body may hold.
namespace body {

struct PatternEdit {
    std::vector<pattern::Step> steps;
    int version = 0; // the one the edit started from; 0 for a new pattern
};
// {"steps": [...], "version": 3}
Read<PatternEdit> patternEdit(const QByteArray &body);
// {} to play the saved pattern, or {"steps": [...]} to play these instead.
Read<std::optional<std::vector<pattern::Step>>> stepsToPlay(const QByteArray &body);
// {"version": 3}
Read<int> version(const QByteArray &body);

struct NewName {
    QString to;
    int version = 0;
};
// {"to": "Wave 2", "version": 3} for a rename; {"to": "Wave 2"} for a copy.
Read<NewName> newName(const QByteArray &body, bool withVersion);

// The steps as the bodies above hold them.
QJsonArray stepsJson(const std::vector<pattern::Step> &steps);

} // namespace body
