// The program's own start-up, line for line as in app/main.cpp, reporting when
// the menu has been painted.
#include <QApplication>

#include "app/appsetup.h"
#include "app/windows.h"
#include "bench/shown.h"
#include "common/registry.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    geardim::setUpApplication();
    geardim::WindowRegistry registry;
    geardim::registerWindows(registry);
    geardim::installWindowIconAfterFirstPaint(registry.window(geardim::WindowId::Menu));
    // Installed last, so it sees the first paint first: the report is not held
    // up by what the program does after the menu is shown.
    ReportWhenShown report(registry.window(geardim::WindowId::Menu));
    registry.show(geardim::WindowId::Menu);
    return QApplication::exec();
}
