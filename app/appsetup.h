#pragma once

namespace geardim {

// What the program sets up once before its first window: the fonts, the window
// icon, and that hiding the menu does not end the program.
void setUpApplication();

} // namespace geardim
