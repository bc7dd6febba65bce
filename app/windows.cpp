#include "app/windows.h"

#include "app/formain.h"
#include "calc/formz.h"
#include "sheet/inspectionsheet.h"
#include "solvers/forgfxqx.h"
#include "solvers/forhch.h"
#include "solvers/formzqx.h"

namespace geardim {

void registerWindows(WindowRegistry &registry)
{
    registry.setFactory(WindowId::Menu, [] { return std::make_unique<Formain>(); });
    registry.setFactory(WindowId::MValue, [] { return std::make_unique<Formz>(); });
    registry.setFactory(WindowId::XFromSpan, [] { return std::make_unique<Forgfxqx>(); });
    registry.setFactory(WindowId::XFromMValue, [] { return std::make_unique<Formzqx>(); });
    registry.setFactory(WindowId::XFromThickness, [] { return std::make_unique<Forhch>(); });
    registry.setFactory(WindowId::Sheet, [] { return std::make_unique<InspectionSheet>(); });
}

} // namespace geardim
