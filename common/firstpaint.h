#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>

#include <functional>
#include <utility>

// Runs work once a window has been painted for the first time, so that the
// window appears before work it does not need. Needs Qt Core only: it watches
// the window's events.
namespace geardim {

namespace detail {
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QObject *window, std::function<void()> action)
        : QObject(window), action_(std::move(action))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Runs once this paint event has been handled.
            QTimer::singleShot(0, this, [this] {
                action_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> action_;
};
} // namespace detail

// Filters installed later see the paint first, so their work runs first.
inline void afterFirstPaint(QObject *window, std::function<void()> action)
{
    new detail::AfterFirstPaint(window, std::move(action));
}

} // namespace geardim
