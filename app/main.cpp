#include <QApplication>

#include "app/windows.h"
#include "common/fonts.h"
#include "common/registry.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Hiding the menu to show a calculator is not the end of the program; only
    // the menu's exit button or its close control ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    geardim::installFonts();

    geardim::WindowRegistry registry;
    geardim::registerWindows(registry);
    registry.show(geardim::WindowId::Menu);
    return QApplication::exec();
}
