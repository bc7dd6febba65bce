#include <QtTest>

#include <QApplication>
#include <memory>

#include "../support/guitest.h"
#include "common/registry.h"

using geardim::WindowId;

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
    QCOMPARE(menu->size(), QSize(369, 305));
    const QStringList texts{"选  项：", "M    值", "已知公法线长度求变位系数x", "已知M值求变位系数x",
                            "已知弧齿厚s求变位系数x", "退  出"};
    const char *const names[] = {"Label1", "Command1", "Command2", "Command3", "Command4", "Command5"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(gui->text(WindowId::Menu, names[i]), texts[i]);
    QCOMPARE(gui->button(WindowId::Menu, "Command1")->geometry(), QRect(32, 72, 121, 41));
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

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
