#pragma once

#include <QString>

#include "io/language.h"

namespace geardim {

// What the process needs before anything else, windows or command line: a file-size
// limit makes a write fail with its reason (EFBIG) instead of killing the program, so
// that every writer keeps the old file and says why; and Qt's note that XDG_RUNTIME_DIR
// is not set, which concerns no file of the program, is not printed.
void prepareProcess();

// What the program sets up once before its first window: the fonts, where settings
// are kept, and that hiding the menu does not end the program.
void setUpApplication();

// The window icon of every window. Each size's image is read only when first drawn:
// decoding all six costs more than the menu's first paint, so the program sets the
// icon after that paint, and the offscreen platform never reads them at all.
void installWindowIcon();

// The whole program: sets up, shows the menu and runs until the program ends. With
// GEARDIM_QUIT_AFTER_FIRST_PAINT in the environment it says "shown" on standard output
// once the menu has been painted, and ends (for measuring the start-up).
// document, when not empty, is a gear or spline file to open in its window at once (a file
// opened from the desktop, by its type).
int runProgram(int argc, char *argv[], Language language = Language::Chinese, const QString &document = {});

// The gear or spline file the program was started with, as a desktop starts the program
// for a file of its type: the one argument, ending in .gear or .spline; empty otherwise.
QString documentArgument(int argc, char *argv[]);

} // namespace geardim
