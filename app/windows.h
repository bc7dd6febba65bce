#pragma once

#include "gui/toolkit/registry.h"

namespace geardim {

// Tells the registry how to make each of the program's windows.
void registerWindows(WindowRegistry &registry);

} // namespace geardim
