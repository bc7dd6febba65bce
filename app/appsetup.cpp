#include "app/appsetup.h"

#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSettings>
#include <QWidget>

#include "app/windows.h"
#include "io/platform/files.h"
#include "gui/sheet/sheetwindow.h"
#include "gui/pair/pairwindow.h"
#include "gui/spline/splinewindow.h"
#include "gui/toolkit/firstpaint.h"
#include "gui/toolkit/fonts.h"
#include "gui/toolkit/registry.h"

static void initIconResources() { Q_INIT_RESOURCE(icons); }

namespace geardim {

namespace {
QtMessageHandler qtsOwnHandler = nullptr;

void withoutRuntimeFolderNote(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (qtsOwnHandler)
        qtsOwnHandler(type, context, message);
}
} // namespace

void prepareProcess()
{
    failWritesBeyondSizeLimits();
    qtsOwnHandler = qInstallMessageHandler(withoutRuntimeFolderNote);
}

void setUpApplication()
{
    // Hiding the menu to show a calculator is not the end of the program; only
    // the menu's exit button or its close control ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    // Where QSettings keeps the sheet's last inputs and recent files.
    QCoreApplication::setOrganizationName(QStringLiteral("geardim"));
    QCoreApplication::setApplicationName(QStringLiteral("geardim"));
    QSettings::setDefaultFormat(settingsFormat());
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

namespace {

// True when the windows have a screen to show on: a display, a platform chosen by
// QT_QPA_PLATFORM or -platform, or a system whose windows need no display server.
bool hasDisplay(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "-platform=", 10) == 0)
            return true;
    }
    return false;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

} // namespace

QString documentArgument(int argc, char *argv[])
{
    if (argc != 2 || argv[1][0] == '-')
        return {};
    const QString path = QString::fromLocal8Bit(argv[1]);
    for (const char *suffix : {".gear", ".spline", ".pair"}) {
        if (path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return path;
    }
    return QString();
}

int runProgram(int argc, char *argv[], Language language, const QString &document)
{
    // Without a display Qt would abort with its own message; say what to do instead.
    if (!hasDisplay(argc, argv)) {
        std::fputs(language == Language::English
                       ? "geardim: the windows need a graphical display (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                         "geardim: without one, the command line works: geardim sheet ... (see geardim --help).\n"
                       : "geardim：窗口需要图形显示（DISPLAY 和 WAYLAND_DISPLAY 都没有设置）。\n"
                         "geardim：没有显示时可以使用命令行：geardim sheet …（见 geardim --help）。\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    setUpApplication();
    installLanguage(language);
    WindowRegistry registry;
    registerWindows(registry);
    // A file given opens in its own window, as the menu's button would open it; a file it
    // cannot read is said there.
    const bool spline = document.endsWith(QLatin1String(".spline"), Qt::CaseInsensitive);
    const bool pair = document.endsWith(QLatin1String(".pair"), Qt::CaseInsensitive);
    const WindowId first = document.isEmpty() ? WindowId::Menu : spline ? WindowId::Spline : pair ? WindowId::Pair : WindowId::Sheet;
    QWidget *firstWindow = registry.window(first);
    // Neither the icon nor Qt's own texts (context menus, dialogs) show on the first window's
    // first paint: they wait until after it.
    afterFirstPaint(firstWindow, [language] {
        installWindowIcon();
        // In English, Qt's own texts are already English.
        if (language == Language::Chinese)
            installQtTranslation();
    });
    if (qEnvironmentVariableIsSet("GEARDIM_QUIT_AFTER_FIRST_PAINT"))
        quitAfterFirstPaint(firstWindow);
    registry.show(WindowId::Menu);
    if (first != WindowId::Menu) {
        registry.hide(WindowId::Menu);
        registry.show(first);
        if (spline)
            static_cast<SplineWindow *>(firstWindow)->openFile(document);
        else if (pair)
            static_cast<PairWindow *>(firstWindow)->openFile(document);
        else
            static_cast<InspectionSheet *>(firstWindow)->openGearFile(document);
    }
    return QApplication::exec();
}

} // namespace geardim
