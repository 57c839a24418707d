#pragma once

#include "CommandLine.h"
#include "FollowTarget.h"
#include "Player.h"
#include "SchemeLocation.h"
#include "SettingsStore.h"

#include <QStringList>

// What both ways of running share before the player starts.
namespace startup {

struct PreparedScheme {
    QString path;
    // What could not be stored on the way; the scheme is usable.
    QStringList problems;
};

// The scheme this run plays. One named on the command line is played as it
// is. Otherwise this user's: a build cut short is put right, a scheme that
// went missing is built again from the stored selection it was derived
// from, and only a first use copies the default.
PreparedScheme prepareScheme(const CommandLine &commandLine, const scheme::SchemePlace &place,
                             const SettingsStore &settings);

// The output and the speed the player starts with: those named for this run,
// or the stored ones.
Player::Choices playerChoices(const CommandLine &commandLine, const SettingsStore &settings, QString schemePath);

// An output setting that can never work is a mistake in the configuration:
// trying again every few seconds would not mend it. Says so and gives the
// code to end with: usage for --port, configuration for the stored setting.
std::optional<int> outputMistake(const CommandLine &commandLine, const SettingsStore &settings);

struct FollowDecision {
    std::optional<FollowTarget> target; // nothing: the scheme plays
    std::optional<int> mistake;     // the code to end with, already said
};

// The universe this run follows, named for it or stored in Follow=, with the
// stored threshold and hold time.
FollowDecision followChoice(const CommandLine &commandLine, const SettingsStore &settings);

} // namespace startup
