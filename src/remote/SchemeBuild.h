#pragma once

#include "PlayerCommands.h"
#include "Selection.h"
#include "SettingsStore.h"

// Builds the scheme file from a selection and stores the selection with it,
// as the window's build does: the old file and selection stay until the new
// ones are whole. Returns why it could not.
PlayerCommands::Failure buildSchemeFile(const QString &schemePath, const SettingsStore &settings, const Selection &selection);
