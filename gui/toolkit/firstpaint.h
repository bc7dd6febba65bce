#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
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

// For measuring the start-up (make bench): "shown" on standard output once the window
// has been painted, then the end of the program, before any other work that waits for
// the paint. The program and its floor window report alike.
inline void quitAfterFirstPaint(QObject *window)
{
    afterFirstPaint(window, [] {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QCoreApplication::exit(0); // at once: a window that keeps itself open on close cannot stop it
    });
}

} // namespace geardim
