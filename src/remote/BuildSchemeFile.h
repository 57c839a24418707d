#pragma once

#include "PlayerCommands.h"
#include "Selection.h"
#include "SettingsStore.h"

// The window's build, for a face from afar: the scheme is replaced whole or
// not at all, and the selection stored with it. Returns why it was not
// replaced; what went wrong once it was does not undo it, and is logged.
PlayerCommands::Failure buildSchemeFile(const QString &schemePath, const SettingsStore &settings,
                                        const Selection &selection);
