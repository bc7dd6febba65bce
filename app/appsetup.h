#pragma once

class QWidget;

namespace geardim {

// What the program sets up once before its first window: the fonts, and that
// hiding the menu does not end the program.
void setUpApplication();

// The window icon of every window. Reading the icon images costs several
// milliseconds of image-plugin loading, so the program sets it once the first
// window has been painted instead of before.
void installWindowIcon();
void installWindowIconAfterFirstPaint(QWidget *window);

} // namespace geardim
