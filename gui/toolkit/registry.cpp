#include "gui/toolkit/registry.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

namespace geardim {
namespace {
WindowRegistry *current = nullptr;
}

WindowRegistry::WindowRegistry()
    : endProgram_([] { QCoreApplication::quit(); })
{
    current = this;
}

WindowRegistry::~WindowRegistry()
{
    // Windows go in reverse order of creation, the menu last.
    while (!owned_.empty())
        owned_.pop_back();
    if (current == this)
        current = nullptr;
}

WindowRegistry &WindowRegistry::instance()
{
    // Without a running registry (a window made on its own, in a test or a tool), an
    // empty one answers: it has no windows, so showing and hiding do nothing.
    if (!current) {
        static WindowRegistry *none = [] {
            auto *empty = new WindowRegistry;
            current = nullptr;
            return empty;
        }();
        return *none;
    }
    return *current;
}

void WindowRegistry::setFactory(WindowId id, Factory factory)
{
    factories_[static_cast<std::size_t>(id)] = std::move(factory);
}

void WindowRegistry::setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

QWidget *WindowRegistry::window(WindowId id)
{
    const auto i = static_cast<std::size_t>(id);
    if (!windows_[i] && factories_[i]) {
        owned_.push_back(factories_[i]());
        windows_[i] = owned_.back().get();
    }
    return windows_[i];
}

QWidget *WindowRegistry::existing(WindowId id) const { return windows_[static_cast<std::size_t>(id)]; }

namespace {

bool hasStackingOrder()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

void WindowRegistry::show(WindowId id)
{
    if (QWidget *w = window(id)) {
        if (const auto &position = lastPositions_[static_cast<std::size_t>(id)])
            w->move(*position);
        w->show();
        // Windowless platforms (tests, benchmarks, screenshots) have no stacking
        // order, and warn on every raise.
        if (hasStackingOrder()) {
            w->raise();
            w->activateWindow();
        }
    }
}

void WindowRegistry::hide(WindowId id)
{
    if (QWidget *w = existing(id)) {
        if (w->isVisible())
            lastPositions_[static_cast<std::size_t>(id)] = w->pos();
        w->hide();
    }
}

void WindowRegistry::endProgram()
{
    if (endProgram_)
        endProgram_();
}

} // namespace geardim
