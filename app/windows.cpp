#include "app/windows.h"

#include "app/formain.h"
#include "calc/formz.h"

namespace geardim {

void registerWindows(WindowRegistry &registry)
{
    registry.setFactory(WindowId::Menu, [] { return std::make_unique<Formain>(); });
    registry.setFactory(WindowId::MValue, [] { return std::make_unique<Formz>(); });
}

} // namespace geardim
