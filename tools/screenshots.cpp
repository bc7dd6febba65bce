// Renders every window of the program to PNG files for the documentation:
// the menu, each calculator and the inspection sheet after a computation with
// their default inputs,
// the root-diameter prompt and one warning.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>

#include "app/appsetup.h"
#include "io/language.h"
#include "app/windows.h"
#include "gui/toolkit/dialogs.h"
#include "gui/toolkit/fields.h"
#include "gui/toolkit/registry.h"

using namespace geardim;

namespace {

bool save(QWidget *widget, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    const bool ok = widget->grab().save(path);
    qInfo("%s %s", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

void click(QWidget *window, const char *button)
{
    if (auto *b = window->findChild<QAbstractButton *>(QString::fromLatin1(button)))
        b->click();
}

} // namespace

int main(int argc, char *argv[])
{
    const Language language = chooseLanguage(argc, argv);
    QApplication app(argc, argv);
    setUpApplication();
    installLanguage(language);
    if (language == Language::Chinese)
        installQtTranslation();
    installWindowIcon();
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
    QDir().mkpath(dir.path());

    WindowRegistry registry;
    registerWindows(registry);
    bool ok = true;
    QWidget *menu = registry.window(WindowId::Menu);
    menu->show();
    ok &= save(menu, dir, QStringLiteral("formain"));

    struct Calculator {
        WindowId id;
        const char *file;
        std::initializer_list<const char *> clicks;
    };
    const Calculator calculators[] = {
        {WindowId::MValue, "formz", {"Command3", "Command1"}},
        {WindowId::XFromMValue, "formzqx", {"Command1"}},
        {WindowId::XFromSpan, "forgfxqx", {"Command1", "Command2"}},
        {WindowId::XFromThickness, "forhch", {"Command1"}},
        {WindowId::Sheet, "sheet", {"compute"}},
        {WindowId::Spline, "spline", {"compute"}},
        {WindowId::Pair, "pair", {"compute"}},
    };
    for (const Calculator &c : calculators) {
        QWidget *w = registry.window(c.id);
        if (!w)
            continue;
        if (c.id == WindowId::Sheet)
            w->resize(780, 660); // the whole table, as on a larger screen
        w->show();
        for (const char *button : c.clicks)
            click(w, button);
        ok &= save(w, dir, QString::fromLatin1(c.file));
        // The sheet's second tab: the picture of the measurement.
        if (auto *tabs = w->findChild<QTabWidget *>(QStringLiteral("resultTabs"))) {
            tabs->setCurrentIndex(1);
            ok &= save(w, dir, QString::fromLatin1(c.file) + QStringLiteral("-picture"));
            tabs->setCurrentIndex(0);
        }
    }

    // The prompt and a warning, as the program shows them, grabbed while open.
    QWidget *formz = registry.window(WindowId::MValue);
    const auto prompt = makePrompt(formz, QCoreApplication::translate("geardim::Formz", "输入"),
                                   QCoreApplication::translate("geardim::Formz", "请输入齿轮齿根圆直径:"));
    prompt->show();
    ok &= save(prompt.get(), dir, QStringLiteral("prompt"));
    prompt->hide();

    const auto warning = makeWarningBox(formz, notANumberText(QCoreApplication::translate("Formz", "齿数z:"), QStringLiteral("2,5")));
    warning->show();
    ok &= save(warning.get(), dir, QStringLiteral("warning"));
    warning->hide();
    return ok ? 0 : 1;
}
