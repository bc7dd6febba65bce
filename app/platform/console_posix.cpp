#include "app/platform/console.h"

namespace geardim {

// A terminal's program has its standard output already.
void attachToParentConsole() {}

} // namespace geardim
