#pragma once

#include "common/language.h"

// The command line: `geardim sheet [options]` computes an inspection sheet without
// opening a window; `geardim --help` and `geardim --version` answer and exit.
namespace geardim {

// Runs the command line; returns the exit status: 0 with a result, 1 without one
// (the reason on stderr), 2 for a usage error or a value that is not a number.
int runCommandLine(int argc, char *argv[], Language language = Language::Chinese);

} // namespace geardim
