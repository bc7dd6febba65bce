#include "app/launch.h"
#include "app/windowsmodule.h"

#if defined(GEARDIM_ONE_PROGRAM)
extern "C" const geardim::Drawing *geardimDrawing();
#endif

namespace geardim {

const Drawing *loadDrawing()
{
#if defined(GEARDIM_ONE_PROGRAM)
    return geardimDrawing();
#else
    static const Drawing *drawing = [] {
        void *module = launch::openModule("geardim-windows.so");
        using Entry = const Drawing *(*)();
        const auto entry = module ? launch::entryOf<Entry>(module, "geardimDrawing") : nullptr;
        return entry ? entry() : nullptr;
    }();
    return drawing;
#endif
}

} // namespace geardim
