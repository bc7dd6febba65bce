#include <QtTest>

#include <memory>

#include "tests/support/guitest.h"

using geardim::WindowId;

namespace {
struct Window {
    WindowId id;
    const char *menuButton;
    const char *title;
};
const Window kXFromM{WindowId::XFromMValue, "Command3", "根据M值求变位系数"};
const Window kXFromSpan{WindowId::XFromSpan, "Command2", "已知公法线求变位系数x"};
const Window kXFromThickness{WindowId::XFromThickness, "Command4", "根据弧齿(斜齿为弦齿)厚求变位系数"};
} // namespace

class TestSolverWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void defaultsGiveBackTheDefaultGear_data();
    void defaultsGiveBackTheDefaultGear();
    void emptyFieldComputesNothing_data();
    void emptyFieldComputesNothing();
    void notANumberWarnsWithTheFieldCaption_data();
    void notANumberWarnsWithTheFieldCaption();
    void noResultWarnsAndKeepsTheResult_data();
    void noResultWarnsAndKeepsTheResult();

    void mValueWindowContinueAndExit();
    void spanWindowKeepsBothResultsAcrossExit();
    void thicknessWindowContinueAndExit();
    void gearKindFlipsTheSign();
    void closeControlActsAsExit_data();
    void closeControlActsAsExit();

private:
    std::unique_ptr<GuiFixture> gui;
    void open(const Window &w);
};

void TestSolverWindows::init()
{
    gui = std::make_unique<GuiFixture>();
    gui->start();
}

void TestSolverWindows::cleanup()
{
    QCOMPARE(gui->unexpectedDialogs, QStringList());
    gui.reset();
}

void TestSolverWindows::open(const Window &w)
{
    gui->click(WindowId::Menu, w.menuButton);
    QCOMPARE(gui->visibleWindows(), QStringList{gui->window(w.id)->objectName()});
    QCOMPARE(gui->window(w.id)->windowTitle(), QString(w.title));
}

void TestSolverWindows::defaultsGiveBackTheDefaultGear_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("shown");
    QTest::newRow("x_from_m") << 0 << "Command1" << "Label9" << " " << "-1.100001";
    QTest::newRow("span_estimate") << 1 << "Command1" << "Label8" << "" << "7";
    QTest::newRow("x_from_span") << 1 << "Command2" << "Label10" << "" << "-1.100001";
    QTest::newRow("x_from_thickness") << 2 << "Command1" << "Label9" << " " << "-1.1";
}

namespace {
const Window &windowAt(int i)
{
    static const Window all[] = {kXFromM, kXFromSpan, kXFromThickness};
    return all[i];
}
} // namespace

void TestSolverWindows::defaultsGiveBackTheDefaultGear()
{
    QFETCH(int, window);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, before);
    QFETCH(QString, shown);
    const Window &w = windowAt(window);
    open(w);
    QCOMPARE(gui->text(w.id, qPrintable(result)), before);
    gui->click(w.id, qPrintable(button));
    QCOMPARE(gui->text(w.id, qPrintable(result)), shown);
    QCOMPARE(gui->warnings, QStringList());
}

void TestSolverWindows::emptyFieldComputesNothing_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("continueEnabled");
    QTest::newRow("x_from_m") << 0 << "Text3" << "Command1" << "Label9" << true;
    QTest::newRow("span_estimate_needs_k") << 1 << "Text5" << "Command1" << "Label8" << true;
    QTest::newRow("x_from_span") << 1 << "Text1" << "Command2" << "Label10" << true;
    QTest::newRow("x_from_thickness") << 2 << "Text3" << "Command1" << "Label9" << true;
}

void TestSolverWindows::emptyFieldComputesNothing()
{
    QFETCH(int, window);
    QFETCH(QString, field);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(bool, continueEnabled);
    const Window &w = windowAt(window);
    open(w);
    gui->click(w.id, qPrintable(button));
    const QString previous = gui->text(w.id, qPrintable(result));
    gui->click(w.id, "Command3"); // continue clears
    gui->label(w.id, qPrintable(result))->setText(previous);
    gui->type(w.id, qPrintable(field), "");
    gui->click(w.id, qPrintable(button));
    QCOMPARE(gui->text(w.id, qPrintable(result)), previous);
    // Continue is enabled by every compute click, even one that stops at an empty field.
    QCOMPARE(gui->button(w.id, "Command3")->isEnabled(), continueEnabled);
    QCOMPARE(gui->warnings, QStringList());
}

void TestSolverWindows::notANumberWarnsWithTheFieldCaption_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("warning");
    QTest::newRow("x_from_m_pin") << 0 << "Text6" << "d" << "Command1" << "“量棒(球)直径d”不是有效的数字。";
    QTest::newRow("span_estimate_L") << 1 << "Text6" << "1e39" << "Command1" << "“公法线长度L”不是有效的数字。";
    QTest::newRow("x_from_span_k") << 1 << "Text5" << "七" << "Command2" << "“跨齿数k”不是有效的数字。";
    QTest::newRow("x_from_span_blanks") << 1 << "Text3" << " " << "Command2" << "“分圆螺旋角β”不是有效的数字。";
    QTest::newRow("x_from_thickness_s") << 2 << "Text1" << "1.5.4" << "Command1" << "“弧(斜齿为弦)齿厚s”不是有效的数字。";
}

void TestSolverWindows::notANumberWarnsWithTheFieldCaption()
{
    QFETCH(int, window);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, warning);
    const Window &w = windowAt(window);
    open(w);
    gui->type(w.id, qPrintable(field), typed);
    gui->click(w.id, qPrintable(button));
    QCOMPARE(gui->warnings, QStringList{warning});
    QCOMPARE(gui->warningTitles, QStringList{w.title});
    QCOMPARE(gui->field(w.id, qPrintable(field))->selectedText(), typed);
}

void TestSolverWindows::noResultWarnsAndKeepsTheResult_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("says");
    QTest::newRow("m_inside_base") << 0 << "Text1" << "90" << "Command1" << "Label9" << "基圆";
    QTest::newRow("m_zero_module") << 0 << "Text2" << "0" << "Command1" << "Label9" << "模数";
    QTest::newRow("span_zero_alpha") << 1 << "Text4" << "0" << "Command2" << "Label10" << "压力角";
    QTest::newRow("span_zero_module") << 1 << "Text1" << "0" << "Command1" << "Label8" << "模数";
    QTest::newRow("chord_too_long") << 2 << "Text1" << "500" << "Command1" << "Label9" << "弦齿厚";
    QTest::newRow("thickness_zero_alpha") << 2 << "Text4" << "0" << "Command1" << "Label9" << "压力角";
}

void TestSolverWindows::noResultWarnsAndKeepsTheResult()
{
    QFETCH(int, window);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, says);
    const Window &w = windowAt(window);
    open(w);
    gui->click(w.id, qPrintable(button));
    const QString previous = gui->text(w.id, qPrintable(result));
    gui->type(w.id, qPrintable(field), typed);
    gui->click(w.id, qPrintable(button));
    QCOMPARE(gui->warnings.size(), 1);
    QVERIFY2(gui->warnings[0].contains(says), qPrintable(gui->warnings[0]));
    QCOMPARE(gui->text(w.id, qPrintable(result)), previous);
}

void TestSolverWindows::mValueWindowContinueAndExit()
{
    const WindowId W = WindowId::XFromMValue;
    open(kXFromM);
    QVERIFY(!gui->button(W, "Command3")->isEnabled());
    gui->click(W, "Command1");
    gui->click(W, "Command3");
    QCOMPARE(gui->text(W, "Label9"), QString());
    QVERIFY(!gui->button(W, "Command3")->isEnabled());
    // Exit clears the result but leaves continue as it was.
    gui->type(W, "Text1", "104.8913");
    gui->click(W, "Opnc");
    gui->click(W, "Command1");
    QCOMPARE(QString::number(gui->text(W, "Label9").toDouble(), 'f', 4), QString("-1.1000"));
    gui->click(W, "Command2");
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
    open(kXFromM);
    QCOMPARE(gui->text(W, "Label9"), QString());
    QCOMPARE(gui->text(W, "Text1"), QString("104.8913"));
    QVERIFY(gui->option(W, "Opnc")->isChecked());
    QVERIFY(gui->button(W, "Command3")->isEnabled());
}

void TestSolverWindows::spanWindowKeepsBothResultsAcrossExit()
{
    const WindowId W = WindowId::XFromSpan;
    open(kXFromSpan);
    gui->click(W, "Command1");
    gui->type(W, "Text6", "60");
    gui->click(W, "Command1"); // only the estimate follows the new L
    QCOMPARE(gui->text(W, "Label8"), QString("10"));
    QCOMPARE(gui->text(W, "Label10"), QString());
    gui->type(W, "Text6", "38.979");
    gui->click(W, "Command2");
    gui->click(W, "Command4");
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
    open(kXFromSpan);
    QCOMPARE(gui->text(W, "Label8"), QString("10"));
    QCOMPARE(gui->text(W, "Label10"), QString("-1.100001"));
    gui->click(W, "Command3");
    QCOMPARE(gui->text(W, "Label8"), QString());
    QCOMPARE(gui->text(W, "Label10"), QString());
    QCOMPARE(gui->text(W, "Text6"), QString("38.979"));
    for (const char *b : {"Command1", "Command2", "Command3", "Command4"})
        QVERIFY(gui->button(W, b)->isEnabled());
}

void TestSolverWindows::thicknessWindowContinueAndExit()
{
    const WindowId W = WindowId::XFromThickness;
    open(kXFromThickness);
    gui->type(W, "Text5", "0");
    gui->click(W, "Command1");
    QCOMPARE(gui->text(W, "Label9"), QString("-1.099809"));
    gui->click(W, "Command3");
    QCOMPARE(gui->text(W, "Label9"), QString());
    QVERIFY(!gui->button(W, "Command3")->isEnabled());
    gui->click(W, "Command1");
    gui->click(W, "Command2");
    open(kXFromThickness);
    QCOMPARE(gui->text(W, "Label9"), QString());
    QVERIFY(!gui->button(W, "Command3")->isEnabled());
    QCOMPARE(gui->text(W, "Text5"), QString("0"));
}

void TestSolverWindows::gearKindFlipsTheSign()
{
    open(kXFromThickness);
    gui->click(WindowId::XFromThickness, "Opnc");
    QVERIFY(!gui->option(WindowId::XFromThickness, "Opwc")->isChecked());
    gui->click(WindowId::XFromThickness, "Command1");
    QCOMPARE(gui->text(WindowId::XFromThickness, "Label9"), QString("1.1"));
}

void TestSolverWindows::closeControlActsAsExit_data()
{
    QTest::addColumn<int>("window");
    QTest::newRow("x_from_m") << 0;
    QTest::newRow("x_from_span") << 1;
    QTest::newRow("x_from_thickness") << 2;
}

void TestSolverWindows::closeControlActsAsExit()
{
    QFETCH(int, window);
    const Window &w = windowAt(window);
    open(w);
    gui->window(w.id)->close();
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
    QCOMPARE(gui->programEnds, 0);
}

QTEST_MAIN(TestSolverWindows)
#include "tst_solverwindows.moc"
