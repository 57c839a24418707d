#pragma once

#include "PlayerState.h"

#include <QJsonObject>
#include <QString>

#include <cstdint>

// Playback as the remote's page and its live channel see it.
namespace stateJson {

// "10000000": lamp 1 first, as in a scheme file's rows.
QString lampsText(std::uint8_t lamps);
// The caption of a built-in effect; empty for none.
QString effectName(int effect);
QJsonObject state(const PlayerState &state, std::uint8_t lamps);

} // namespace stateJson
