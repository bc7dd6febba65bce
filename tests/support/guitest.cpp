#include "guitest.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/appsetup.h"
#include "app/windows.h"
#include "gui/toolkit/dialogs.h"

using namespace geardim;

GuiFixture::GuiFixture()
{
    setUpApplication();
    installQtTranslation();
    // Settings of the tests' own, empty at every start: no window remembers another test's inputs,
    // and test programs running side by side (ctest -j) never share a settings file.
    // The test mode keeps them under the home folder, a folder of this test program's own here,
    // so that the language read before the application starts finds the same file.
#if !defined(Q_OS_WIN)
    // One home for the whole test program: QSettings fixes its folders at first use.
    static QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
#endif
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    installWindowIcon();
    registerWindows(registry);
    registry.setEndProgram([this] { ++programEnds; });
    setWarningSink([this](QWidget *window, const QString &text) {
        warnings << text;
        warningTitles << (window ? window->windowTitle() : QString());
    });
    setPromptSink([this](QWidget *, const QString &, const QString &prompt,
                         const QString &initial) -> std::optional<QString> {
        prompts << prompt;
        promptInitials << initial;
        if (answers.empty()) {
            unexpectedDialogs << QStringLiteral("prompt without a scripted answer: ") + prompt;
            QTest::qFail(qPrintable(unexpectedDialogs.last()), __FILE__, __LINE__);
            return std::nullopt;
        }
        std::optional<QString> answer;
        answer.swap(answers.front());
        answers.pop_front();
        return answer;
    });
    setFileSink([this](QWidget *, FileChoice, const QString &) {
        if (files.empty()) {
            unexpectedDialogs << QStringLiteral("file dialog without a scripted file");
            QTest::qFail("file dialog without a scripted file", __FILE__, __LINE__);
            return QString();
        }
        const QString path = files.front();
        files.pop_front();
        return path;
    });
    setUnsavedSink([this](QWidget *, const QString &name) {
        unsavedAsked << name;
        if (unsavedAnswers.empty())
            return UnsavedAnswer::Discard;
        const UnsavedAnswer answer = unsavedAnswers.front();
        unsavedAnswers.pop_front();
        return answer;
    });
    modalGuard_.setInterval(50);
    QObject::connect(&modalGuard_, &QTimer::timeout, [this] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            unexpectedDialogs << modal->windowTitle();
            modal->close();
            // Fails the test function that opened the dialog, while it is still running.
            QTest::qFail(qPrintable(QStringLiteral("unexpected modal dialog: ") + modal->windowTitle()),
                         __FILE__, __LINE__);
        }
    });
    modalGuard_.start();
}

GuiFixture::~GuiFixture()
{
    setWarningSink({});
    setPromptSink({});
    setFileSink({});
    setUnsavedSink({});
}

void GuiFixture::start() { registry.show(WindowId::Menu); }

void GuiFixture::click(WindowId id, const char *name)
{
    auto *button = control<QAbstractButton>(id, name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void GuiFixture::type(WindowId id, const char *name, const QString &text)
{
    QLineEdit *edit = field(id, name);
    QVERIFY2(edit, name);
    edit->selectAll();
    edit->del();
    // Key clicks for what a keyboard types directly; what an input method
    // composes (Chinese, full-width forms) arrives as committed text.
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(edit, ch.toLatin1());
        else
            edit->insert(QString(ch));
    }
    QCOMPARE(edit->text(), text);
}

QString GuiFixture::text(WindowId id, const char *name)
{
    if (auto *l = label(id, name))
        return l->text();
    if (auto *f = field(id, name))
        return f->text();
    if (auto *b = control<QAbstractButton>(id, name))
        return b->text();
    return QStringLiteral("<no control %1>").arg(QLatin1String(name));
}

QStringList GuiFixture::visibleWindows() const
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            names << w->objectName();
    }
    names.sort();
    return names;
}
