#include "app/launch.h"
#include "app/windowsmodule.h"

namespace geardim {

const Drawing *loadDrawing()
{
    static const Drawing *drawing = [] {
        void *module = launch::openModule("geardim-windows.so");
        using Entry = const Drawing *(*)();
        const auto entry = module ? launch::entryOf<Entry>(module, "geardimDrawing") : nullptr;
        return entry ? entry() : nullptr;
    }();
    return drawing;
}

} // namespace geardim
