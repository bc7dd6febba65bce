#pragma once

#include <functional>

#include "common/language.h"

class QWidget;

namespace geardim {

// What the program sets up once before its first window: the fonts, where settings
// are kept, and that hiding the menu does not end the program.
void setUpApplication();

// Loads Qt's own Chinese texts once; false when Qt's translations are not installed.
bool installQtTranslation();

// The window icon of every window. Reading the icon images costs several
// milliseconds of image-plugin loading, so the program sets it once the menu
// has been painted instead of before.
void installWindowIcon();

// The whole program: sets up, shows the menu and runs until the program ends.
// beforeShow, when given, sees the menu just before it is first shown.
int runProgram(int argc, char *argv[], const std::function<void(QWidget *menu)> &beforeShow = {},
               Language language = Language::Chinese);

} // namespace geardim
