#include "app/appsetup.h"

#include <memory>

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

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
    // Where QSettings keeps the sheet's last inputs and recent files.
    QCoreApplication::setOrganizationName(QStringLiteral("geardim"));
    QCoreApplication::setApplicationName(QStringLiteral("geardim"));
    installFonts();
}

bool installQtTranslation()
{
    // Qt's own texts (a field's context menu, standard dialogs) in Chinese, from
    // Qt's translations where they are installed; English otherwise.
    const QString name = QStringLiteral("qtTranslation");
    if (qApp->findChild<QTranslator *>(name, Qt::FindDirectChildrenOnly))
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    translator->setObjectName(name);
    translator->setParent(qApp);
    QCoreApplication::installTranslator(translator.release());
    return true;
}

void installWindowIcon()
{
    initIconResources();
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/geardim-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

int runProgram(int argc, char *argv[], const std::function<void(QWidget *menu)> &beforeShow, Language language)
{
    QApplication app(argc, argv);
    setUpApplication();
    installLanguage(language);
    WindowRegistry registry;
    registerWindows(registry);
    QWidget *menu = registry.window(WindowId::Menu);
    // Neither the icon nor Qt's own texts (context menus, dialogs) show on the menu's
    // first paint: they wait until after it.
    afterFirstPaint(menu, [language] {
        installWindowIcon();
        // In English, Qt's own texts are already English.
        if (language == Language::Chinese)
            installQtTranslation();
    });
    if (beforeShow)
        beforeShow(menu);
    registry.show(WindowId::Menu);
    return QApplication::exec();
}

} // namespace geardim
