#include "app/appsetup.h"

#include <QApplication>
#include <QIcon>

#include "app/windows.h"
#include "common/firstpaint.h"
#include "common/fonts.h"
#include "common/registry.h"

static void initIconResources() { Q_INIT_RESOURCE(icons); }

namespace geardim {

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

int runProgram(int argc, char *argv[], const std::function<void(QWidget *menu)> &beforeShow)
{
    QApplication app(argc, argv);
    setUpApplication();
    WindowRegistry registry;
    registerWindows(registry);
    QWidget *menu = registry.window(WindowId::Menu);
    afterFirstPaint(menu, installWindowIcon);
    if (beforeShow)
        beforeShow(menu);
    registry.show(WindowId::Menu);
    return QApplication::exec();
}

} // namespace geardim
