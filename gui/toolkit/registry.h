#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QPoint>

class QWidget;

// The one instance of each window. A window is created on its first use and kept
// until the program ends; windows reach one another only through here.
namespace geardim {

enum class WindowId { Menu, MValue, XFromSpan, XFromMValue, XFromThickness, Sheet, Spline, Pair };

class WindowRegistry {
public:
    using Factory = std::function<std::unique_ptr<QWidget>()>;

    WindowRegistry();
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;

    // The registry of the running program; an empty one when none runs.
    static WindowRegistry &instance();

    // How each window is made; the application fills this in at start-up.
    void setFactory(WindowId id, Factory factory);
    // How the program ends; by default it leaves the event loop.
    void setEndProgram(std::function<void()> endProgram);

    // The window, created first if it does not exist yet.
    QWidget *window(WindowId id);
    // The window if it exists, otherwise nullptr.
    QWidget *existing(WindowId id) const;

    // Shows the window modeless, creating it first if needed.
    void show(WindowId id);
    void hide(WindowId id);
    void endProgram();

private:
    static constexpr std::size_t kCount = std::size_t(WindowId::Pair) + 1;
    std::array<Factory, kCount> factories_;
    std::array<QWidget *, kCount> windows_{};
    // Where each window stood when it was last hidden: shown again, it comes back
    // there instead of where the window manager would place it anew.
    std::array<std::optional<QPoint>, kCount> lastPositions_{};
    std::vector<std::unique_ptr<QWidget>> owned_; // in order of creation
    std::function<void()> endProgram_;
};

} // namespace geardim
