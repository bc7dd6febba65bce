#include "app/windows.h"

#include "gui/menu/formain.h"
#include "gui/toolkit/calculatorwindow.h"
#include "gui/toolkit/registry.h"
#include "gui/calc/formz.h"
#include "gui/sheet/sheetwindow.h"
#include "gui/pair/pairwindow.h"
#include "gui/spline/splinewindow.h"
#include "gui/solvers/forgfxqx.h"
#include "gui/solvers/forhch.h"
#include "gui/solvers/formzqx.h"

namespace geardim {

namespace {

// A calculator whose every way out (its exit button, Escape, the frame's close control)
// hides it and then shows the menu, which comes back where it stood.
template <typename Calculator>
std::unique_ptr<QWidget> backToMenu(WindowId id)
{
    auto window = std::make_unique<Calculator>();
    QObject::connect(window.get(), &CalculatorWindow::finished, [id] {
        WindowRegistry &registry = WindowRegistry::instance();
        registry.hide(id);
        registry.show(WindowId::Menu);
    });
    return window;
}

} // namespace

void registerWindows(WindowRegistry &registry)
{
    registry.setFactory(WindowId::Menu, [] { return std::make_unique<Formain>(); });
    registry.setFactory(WindowId::MValue, [] { return backToMenu<Formz>(WindowId::MValue); });
    registry.setFactory(WindowId::XFromSpan, [] { return backToMenu<Forgfxqx>(WindowId::XFromSpan); });
    registry.setFactory(WindowId::XFromMValue, [] { return backToMenu<Formzqx>(WindowId::XFromMValue); });
    registry.setFactory(WindowId::XFromThickness, [] { return backToMenu<Forhch>(WindowId::XFromThickness); });
    registry.setFactory(WindowId::Sheet, [] { return std::make_unique<InspectionSheet>(); });
    registry.setFactory(WindowId::Spline, [] {
        auto window = std::make_unique<SplineWindow>();
        QObject::connect(window.get(), &SplineWindow::backToMenu, [] {
            WindowRegistry &registry = WindowRegistry::instance();
            registry.hide(WindowId::Spline);
            registry.show(WindowId::Menu);
        });
        return window;
    });
    registry.setFactory(WindowId::Pair, [] {
        auto window = std::make_unique<PairWindow>();
        QObject::connect(window.get(), &PairWindow::backToMenu, [] {
            WindowRegistry &registry = WindowRegistry::instance();
            registry.hide(WindowId::Pair);
            registry.show(WindowId::Menu);
        });
        return window;
    });
}

} // namespace geardim
