#include "app/appsetup.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QWidget>

#include "common/fonts.h"

static void initIconResources() { Q_INIT_RESOURCE(icons); }

namespace geardim {

namespace {

// Sets the window icon once the watched window has handled its first paint.
class IconAfterFirstPaint : public QObject {
public:
    explicit IconAfterFirstPaint(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                installWindowIcon();
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

void setUpApplication()
{
    // Hiding the menu to show a calculator is not the end of the program; only
    // the menu's exit button or its close control ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    installFonts();
}

void installWindowIcon()
{
    initIconResources();
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/geardim-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

void installWindowIconAfterFirstPaint(QWidget *window) { new IconAfterFirstPaint(window); }

} // namespace geardim
