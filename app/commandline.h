#pragma once

#include "io/language.h"

// The command line: `geardim sheet [options]` computes an inspection sheet without
// opening a window; `geardim --help` and `geardim --version` answer and exit.
namespace geardim {

// True when the arguments ask for the command line rather than the windows: a first
// argument, `--lang zh|en` aside, that is a word or a long option. Qt's own
// single-dash options (-platform, -style) still start the windows.
bool wantsCommandLine(int argc, char *argv[]);

// Runs the command line; returns the exit status: 0 with a result, 1 without one
// (the reason on stderr), 2 for a usage error or a value that is not a number.
int runCommandLine(int argc, char *argv[], Language language = Language::Chinese);

} // namespace geardim
