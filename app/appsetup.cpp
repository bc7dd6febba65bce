#include "app/appsetup.h"

#include <QApplication>
#include <QIcon>

#include "common/fonts.h"

static void initIconResources() { Q_INIT_RESOURCE(icons); }

namespace geardim {

void setUpApplication()
{
    // Hiding the menu to show a calculator is not the end of the program; only
    // the menu's exit button or its close control ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    installFonts();
    initIconResources();
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/geardim-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

} // namespace geardim
