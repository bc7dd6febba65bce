#include <QApplication>

#include "app/appsetup.h"
#include "app/windows.h"
#include "common/registry.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    geardim::setUpApplication();
    geardim::WindowRegistry registry;
    geardim::registerWindows(registry);
    geardim::installWindowIconAfterFirstPaint(registry.window(geardim::WindowId::Menu));
    registry.show(geardim::WindowId::Menu);
    return QApplication::exec();
}
