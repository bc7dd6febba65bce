#include <QtTest>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>
#include <memory>

#include "tests/support/arguments.h"
#include "tests/support/guitest.h"
#include "io/language.h"
#include "gui/toolkit/registry.h"

using geardim::WindowId;
using geardim::WindowRegistry;

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsOnTheMenuAlone();
    void menuHasTheDesignedControls();
    void menuOpensTheMValueWindowAndBack();
    void typedInputSurvivesLeaving();
    void closingTheMenuEndsTheProgram();
    void anEndedProgramsWindowsAreNotAskedFor();
    void enterOnAFocusedButtonPressesIt_data();
    void enterOnAFocusedButtonPressesIt();
    void escapeLeavesACalculator_data();
    void escapeLeavesACalculator();
    void menuComesBackWhereItWas_data();
    void menuComesBackWhereItWas();
    void languageComesFromArgumentsEnvironmentOrSettings_data();
    void languageComesFromArgumentsEnvironmentOrSettings();
    void rememberedLanguageIsReadFromTheSettingsFile_data();
    void rememberedLanguageIsReadFromTheSettingsFile();
    void englishWindowsSpeakEnglish();

private:
    std::unique_ptr<GuiFixture> gui;
};

void TestNavigation::init() { gui = std::make_unique<GuiFixture>(); }

void TestNavigation::cleanup()
{
    QCOMPARE(gui->unexpectedDialogs, QStringList());
    gui.reset();
    QCOMPARE(QApplication::topLevelWidgets().size(), 0); // every window released with the registry
}

void TestNavigation::startsOnTheMenuAlone()
{
    gui->start();
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
    for (WindowId id : {WindowId::MValue, WindowId::XFromSpan, WindowId::XFromMValue, WindowId::XFromThickness})
        QVERIFY(!gui->registry.existing(id));
}

void TestNavigation::menuHasTheDesignedControls()
{
    gui->start();
    QWidget *menu = gui->window(WindowId::Menu);
    QCOMPARE(menu->windowTitle(), QString("Velkor测量尺寸"));
    // The spline button below the others, which keep their places.
    QCOMPARE(menu->size(), QSize(369, 369));
    const QStringList texts{"选  项：", "M    值", "已知公法线长度求变位系数x", "已知M值求变位系数x",
                            "已知弧齿厚s求变位系数x", "退  出", "测量尺寸表", "花  键"};
    const char *const names[] = {"Label1", "Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7"};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(gui->text(WindowId::Menu, names[i]), texts[i]);
    QCOMPARE(gui->button(WindowId::Menu, "Command1")->geometry(), QRect(32, 72, 121, 41));
    QCOMPARE(gui->button(WindowId::Menu, "Command6")->geometry(), QRect(32, 224, 121, 41));
    QCOMPARE(gui->button(WindowId::Menu, "Command7")->geometry(), QRect(32, 296, 121, 41));
    QCOMPARE(gui->button(WindowId::Menu, "Command4")->font().pointSizeF(), 10.5);
    QCOMPARE(gui->button(WindowId::Menu, "Command1")->font().pointSizeF(), 12.0);
}

void TestNavigation::menuOpensTheMValueWindowAndBack()
{
    gui->start();
    gui->click(WindowId::Menu, "Command1");
    QCOMPARE(gui->visibleWindows(), QStringList{"Formz"});
    QWidget *first = gui->window(WindowId::MValue);
    gui->click(WindowId::MValue, "Command2");
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
    gui->click(WindowId::Menu, "Command1");
    QCOMPARE(gui->window(WindowId::MValue), first); // the same instance comes back
    gui->click(WindowId::MValue, "Command2");
    gui->click(WindowId::Menu, "Command5");
    QCOMPARE(gui->programEnds, 1);
}

void TestNavigation::typedInputSurvivesLeaving()
{
    gui->start();
    gui->click(WindowId::Menu, "Command1");
    gui->type(WindowId::MValue, "Text1", "2.5");
    gui->click(WindowId::MValue, "Command2");
    gui->click(WindowId::Menu, "Command1");
    QCOMPARE(gui->text(WindowId::MValue, "Text1"), QString("2.5"));
}

void TestNavigation::closingTheMenuEndsTheProgram()
{
    gui->start();
    gui->window(WindowId::Menu)->close();
    QCOMPARE(gui->programEnds, 1);
}

// Once the program's registry is gone (the program ending), a window made afterwards asks
// the empty registry, never the one that was.
void TestNavigation::anEndedProgramsWindowsAreNotAskedFor()
{
    gui.reset();
    const WindowRegistry *empty = &WindowRegistry::instance(); // what answers without a program
    QVERIFY(!empty->existing(WindowId::Menu));
    gui = std::make_unique<GuiFixture>();
    QCOMPARE(&WindowRegistry::instance(), &gui->registry);
    {
        WindowRegistry ending;
        QCOMPARE(&WindowRegistry::instance(), &ending);
    }
    QCOMPARE(&WindowRegistry::instance(), empty);
}

void TestNavigation::enterOnAFocusedButtonPressesIt_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad_enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void TestNavigation::enterOnAFocusedButtonPressesIt()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    const auto press = [&](QWidget *button) {
        QTest::keyClick(button, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    };
    // State: the menu. Action: Enter on "M    值". Expected: the M-value window.
    gui->start();
    press(gui->button(WindowId::Menu, "Command1"));
    QCOMPARE(gui->visibleWindows(), QStringList{"Formz"});
    // On a calculator: Enter on "确  定" computes, on "退  出" leaves.
    press(gui->button(WindowId::MValue, "Command1"));
    QCOMPARE(gui->text(WindowId::MValue, "Label11"), QString("115.2817"));
    press(gui->button(WindowId::MValue, "Command2"));
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
    // A disabled button stays unpressed.
    gui->click(WindowId::Menu, "Command1");
    QVERIFY(!gui->button(WindowId::MValue, "Command4")->isEnabled());
    press(gui->button(WindowId::MValue, "Command4"));
    QCOMPARE(gui->text(WindowId::MValue, "Label11"), QString());
}

void TestNavigation::escapeLeavesACalculator_data()
{
    QTest::addColumn<int>("calculator");
    QTest::addColumn<QString>("button");
    QTest::newRow("formz") << int(WindowId::MValue) << "Command1";
    QTest::newRow("forgfxqx") << int(WindowId::XFromSpan) << "Command2";
    QTest::newRow("formzqx") << int(WindowId::XFromMValue) << "Command3";
    QTest::newRow("forhch") << int(WindowId::XFromThickness) << "Command4";
}

void TestNavigation::escapeLeavesACalculator()
{
    QFETCH(int, calculator);
    QFETCH(QString, button);
    gui->start();
    // Escape on the menu does nothing.
    QTest::keyClick(gui->window(WindowId::Menu), Qt::Key_Escape);
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
    QCOMPARE(gui->programEnds, 0);
    gui->click(WindowId::Menu, qPrintable(button));
    QWidget *window = gui->window(WindowId(calculator));
    QVERIFY(window->isVisible());
    // Escape in a field of the calculator acts as its exit button.
    QTest::keyClick(window->findChild<QLineEdit *>("Text1"), Qt::Key_Escape);
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
}

void TestNavigation::menuComesBackWhereItWas_data() { escapeLeavesACalculator_data(); }

void TestNavigation::menuComesBackWhereItWas()
{
    QFETCH(int, calculator);
    QFETCH(QString, button);
    gui->start();
    QWidget *menu = gui->window(WindowId::Menu);
    menu->move(237, 151);
    const QPoint where = menu->pos();
    gui->click(WindowId::Menu, qPrintable(button));
    // Somewhere else while the menu is hidden, as a window manager may put it.
    menu->move(0, 0);
    gui->window(WindowId(calculator))->close();
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
    QCOMPARE(menu->pos(), where);
}

void TestNavigation::languageComesFromArgumentsEnvironmentOrSettings_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("left"); // what Qt and the command line see afterwards
    QTest::addColumn<QString>("refused");  // a --lang value the program does not speak
    QTest::newRow("nothing") << QStringList{"geardim"} << "" << "" << false << QStringList{"geardim"} << "";
    QTest::newRow("argument") << QStringList{"geardim", "--lang", "en"} << "zh" << "zh" << true << QStringList{"geardim"} << "";
    QTest::newRow("argument_equals") << QStringList{"geardim", "sheet", "--lang=zh", "--teeth", "3"} << "en" << "en"
                                     << false << QStringList{"geardim", "sheet", "--teeth", "3"} << "";
    QTest::newRow("environment") << QStringList{"geardim"} << "en" << "zh" << true << QStringList{"geardim"} << "";
    QTest::newRow("setting") << QStringList{"geardim"} << "" << "en" << true << QStringList{"geardim"} << "";
    // A wrong --lang is refused (the caller stops with a usage error); a wrong
    // GEARDIM_LANG is a warning, and Chinese is spoken.
    QTest::newRow("unknown_argument_refused") << QStringList{"geardim", "--lang", "fr"} << "" << "en" << true
                                              << QStringList{"geardim"} << "fr";
    QTest::newRow("missing_value_refused") << QStringList{"geardim", "sheet", "--lang"} << "" << "" << false
                                           << QStringList{"geardim", "sheet"} << "--lang";
    QTest::newRow("unknown_environment_is_chinese") << QStringList{"geardim"} << "xx" << "en" << false
                                                    << QStringList{"geardim"} << "";
}

void TestNavigation::languageComesFromArgumentsEnvironmentOrSettings()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, environment);
    QFETCH(QString, setting);
    QFETCH(bool, english);
    QFETCH(QStringList, left);
    QFETCH(QString, refused);
    Arguments args(arguments);
    if (environment.isEmpty())
        qunsetenv("GEARDIM_LANG");
    else
        qputenv("GEARDIM_LANG", environment.toUtf8());
    QSettings settings(geardim::settingsFormat(), QSettings::UserScope, QStringLiteral("geardim"), QStringLiteral("geardim"));
    if (setting.isEmpty())
        settings.remove("language");
    else
        settings.setValue("language", setting);
    settings.sync();
    std::string wrong;
    const auto language = geardim::chooseLanguage(args.argc, args.argv(), &wrong);
    qunsetenv("GEARDIM_LANG");
    QCOMPARE(QString::fromStdString(wrong), refused);
    QCOMPARE(language == geardim::Language::English, english);
    QCOMPARE(args.left(), left);
    QCOMPARE(args.argv()[args.argc], nullptr);
}

void TestNavigation::rememberedLanguageIsReadFromTheSettingsFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("english");
    QTest::newRow("as QSettings writes it") << QByteArray("[General]\nlanguage=en\n") << true;
    QTest::newRow("among other groups") << QByteArray("[sheet]\nx=1\n\n[General]\nlanguage=en\n\n[recent]\na=b\n")
                                        << true;
    QTest::newRow("spaces, by hand") << QByteArray("  [General]  \r\n language = en \r\n") << true;
    QTest::newRow("chinese") << QByteArray("[General]\nlanguage=zh\n") << false;
    QTest::newRow("in another group") << QByteArray("[sheet]\nlanguage=en\n") << false;
    QTest::newRow("another key") << QByteArray("[General]\nlanguages=en\n") << false;
    QTest::newRow("unknown language") << QByteArray("[General]\nlanguage=fr\n") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

// The remembered language is read without QSettings, before the application starts: it
// finds the key where QSettings keeps it, and nowhere else.
void TestNavigation::rememberedLanguageIsReadFromTheSettingsFile()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, english);
    // Where QSettings keeps the program's settings on this system.
    const QString path = QSettings(geardim::settingsFormat(), QSettings::UserScope, QStringLiteral("geardim"), QStringLiteral("geardim")).fileName();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile conf(path);
    QVERIFY(conf.open(QIODevice::WriteOnly | QIODevice::Truncate));
    conf.write(file);
    // QSettings keeps a file it read by its path and time: each row's file gets a time of
    // its own, so that no row reads the one before it.
    static int row = 0;
    QVERIFY(conf.setFileTime(QDateTime::currentDateTime().addSecs(60 * ++row), QFileDevice::FileModificationTime));
    conf.close();
    QCOMPARE(geardim::rememberedLanguage() == geardim::Language::English, english);
    // QSettings itself reads the same from the file.
    QCOMPARE(QSettings(geardim::settingsFormat(), QSettings::UserScope, QStringLiteral("geardim"), QStringLiteral("geardim"))
                     .value("language")
                     .toString()
                 == "en",
             english);
    QVERIFY(conf.remove());
}

void TestNavigation::englishWindowsSpeakEnglish()
{
    geardim::installLanguage(geardim::Language::English);
    gui->start();
    QCOMPARE(gui->text(WindowId::Menu, "Command1"), QString("M value"));
    QCOMPARE(gui->window(WindowId::Menu)->windowTitle(), QString("Velkor Measuring Dimensions"));
    gui->click(WindowId::Menu, "Command1");
    gui->type(WindowId::MValue, "Text1", "2,5");
    gui->click(WindowId::MValue, "Command1");
    QCOMPARE(gui->warnings, QStringList{"\"Module m\" is not a valid number. Use a decimal point \".\"."});
    gui->type(WindowId::MValue, "Text1", "2");
    gui->click(WindowId::MValue, "Command1");
    QCOMPARE(gui->text(WindowId::MValue, "Label11"), QString("115.2817"));
    QCOMPARE(gui->text(WindowId::MValue, "Label12"), QString("Chordal thick. s:"));
    delete qApp->findChild<QTranslator *>(QStringLiteral("geardimEnglish"), Qt::FindDirectChildrenOnly);
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
