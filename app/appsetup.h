#pragma once

#include <functional>

#include "common/language.h"

class QWidget;

namespace geardim {

// What the program sets up once before its first window: the fonts, where settings
// are kept, and that hiding the menu does not end the program.
void setUpApplication();

// The window icon of every window. Each size's image is read only when first drawn:
// decoding all six costs more than the menu's first paint, so the program sets the
// icon after that paint, and the offscreen platform never reads them at all.
void installWindowIcon();

// The whole program: sets up, shows the menu and runs until the program ends.
// beforeShow, when given, sees the menu just before it is first shown.
int runProgram(int argc, char *argv[], const std::function<void(QWidget *menu)> &beforeShow = {},
               Language language = Language::Chinese);

} // namespace geardim
