#pragma once

#include "CommandLine.h"

// The command line's FSEQ work, done without a player: a sequence made into
// a pattern of the user's, or a pattern written as a sequence. Each returns
// the exit code and says on stderr what went wrong.
int importFseqFile(const CommandLine::FseqImport &wanted);
int exportFseqFile(const CommandLine::FseqExport &wanted);
