#pragma once

#include "CommandLine.h"


// The two ways the program runs. Each returns the code the program ends
// with; only main ends it.
int runWindow(int argc, char **argv, const CommandLine &commandLine);
int runWithoutWindow(int argc, char **argv, const CommandLine &commandLine);
