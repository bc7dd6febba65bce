#include "app/appsetup.h"

#include <iterator>
#include <map>

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

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

namespace {

// The program's icon in every drawn size, each image read only when something asks
// for that size. The offscreen platform never asks; X11 asks for all sizes at once.
class ProgramIconEngine : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = drawnSide(size);
        QPixmap &image = loaded_[side];
        if (image.isNull())
            image.load(QStringLiteral(":/icons/geardim-%1.png").arg(side));
        // Never larger than asked, as QIcon promises.
        return side > size.width() || side > size.height()
                   ? image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                   : image;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = drawnSide(size);
        const QSize drawn(side, side);
        return side > size.width() || side > size.height() ? drawn.scaled(size, Qt::KeepAspectRatio) : drawn;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : kSides)
            sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("geardim"); }

private:
    static constexpr int kSides[] = {16, 32, 48, 64, 128, 256};

    // The smallest drawn size that covers the asked size, or the largest.
    static int drawnSide(const QSize &size)
    {
        const int wanted = qMax(size.width(), size.height());
        for (int side : kSides) {
            if (side >= wanted)
                return side;
        }
        return kSides[std::size(kSides) - 1];
    }

    std::map<int, QPixmap> loaded_;
};

} // namespace

void installWindowIcon()
{
    initIconResources();
    QApplication::setWindowIcon(QIcon(new ProgramIconEngine));
}

int runProgram(int argc, char *argv[], Language language)
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
    if (qEnvironmentVariableIsSet("GEARDIM_QUIT_AFTER_FIRST_PAINT"))
        quitAfterFirstPaint(menu);
    registry.show(WindowId::Menu);
    return QApplication::exec();
}

} // namespace geardim
