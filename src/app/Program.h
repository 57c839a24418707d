#pragma once

#include "CommandLine.h"


// The two ways the program runs. Each returns the code the program ends
// with; only main ends it.
// The arguments are read again once the language is chosen, so that the
// command line's mistakes speak it.
int runWindow(int argc, char **argv, const QStringList &arguments);
int runWithoutWindow(int argc, char **argv, const QStringList &arguments);
