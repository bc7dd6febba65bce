#include <QtTest>

#include <memory>

#include "../support/guitest.h"

using geardim::WindowId;

namespace {
constexpr WindowId W = WindowId::MValue;
const char *const kResults[] = {"Label11", "Label13", "Label15", "Label16"};
const char *const kFields[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
} // namespace

class TestFormz : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWithTheDesignedState();
    void defaultsShowTheHelicalFigures();
    void spurGearSelectsArcCaption();
    void internalGearLeavesNoSpanCount();
    void emptyFieldChangesNothing_data();
    void emptyFieldChangesNothing();
    void notANumberWarnsAndChangesNothing_data();
    void notANumberWarnsAndChangesNothing();
    void noResultWarnsAndKeepsThePreviousResults();
    void continueClearsResultsAndDisablesItself();
    void exitClearsResultsAndReturnsToMenu();
    void optionButtonsAreExclusiveAndDoNotRecompute();
    void enterComputes();
    void tabOrderFollowsTheDesign();
    void closeControlActsAsExit();

private:
    std::unique_ptr<GuiFixture> gui;
    void openFormz();
    QStringList results();
};

void TestFormz::init()
{
    gui = std::make_unique<GuiFixture>();
    openFormz();
}

void TestFormz::cleanup()
{
    QCOMPARE(gui->unexpectedDialogs, QStringList());
    gui.reset();
}

void TestFormz::openFormz()
{
    gui->start();
    gui->click(WindowId::Menu, "Command1");
    QCOMPARE(gui->visibleWindows(), QStringList{"Formz"});
}

QStringList TestFormz::results()
{
    QStringList out;
    for (const char *name : kResults)
        out << gui->text(W, name);
    return out;
}

void TestFormz::opensWithTheDesignedState()
{
    QWidget *w = gui->window(W);
    QCOMPARE(w->windowTitle(), QString("M  值"));
    QCOMPARE(w->size(), QSize(428, 372));
    const QStringList defaults{"2", "50", "20", "-1.1", "30", "3.36"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(gui->text(W, kFields[i]), defaults[i]);
    QCOMPARE(gui->text(W, "Label12"), QString("   弧齿厚s:"));
    QCOMPARE(gui->text(W, "Label7"), QString(" "));
    QCOMPARE(results(), QStringList({"", "", "", ""}));
    QVERIFY(gui->option(W, "Opwc")->isChecked());
    QVERIFY(!gui->option(W, "Opnc")->isChecked());
    QVERIFY(gui->button(W, "Command1")->isEnabled());
    QVERIFY(gui->button(W, "Command2")->isEnabled());
    QVERIFY(gui->button(W, "Command3")->isEnabled());
    QVERIFY(!gui->button(W, "Command4")->isEnabled());
    QVERIFY(!gui->button(W, "Command5")->isEnabled());
    QCOMPARE(gui->field(W, "Text2")->accessibleName(), QString("齿数z:"));
}

void TestFormz::defaultsShowTheHelicalFigures()
{
    gui->click(W, "Command1");
    QCOMPARE(results(), QStringList({"115.2817", "1.540402", "38.979", "7"}));
    QCOMPARE(gui->text(W, "Label12"), QString("分度圆弦齿厚s:"));
    QVERIFY(gui->button(W, "Command4")->isEnabled());
    QVERIFY(gui->button(W, "Command5")->isEnabled());
    QCOMPARE(gui->warnings, QStringList());
}

void TestFormz::spurGearSelectsArcCaption()
{
    gui->type(W, "Text5", "0.0");
    gui->type(W, "Text4", "0.5");
    gui->click(W, "Command1");
    QCOMPARE(results(), QStringList({"106.2625", "3.869533", "34.55804", "6"}));
    QCOMPARE(gui->text(W, "Label12"), QString("分度圆弧齿厚s:"));
    gui->type(W, "Text5", "0.0001");
    gui->click(W, "Command1");
    QCOMPARE(gui->text(W, "Label12"), QString("分度圆弦齿厚s:"));
}

void TestFormz::internalGearLeavesNoSpanCount()
{
    gui->click(W, "Command1"); // external: L and k shown
    gui->click(W, "Opnc");
    gui->click(W, "Command1");
    QCOMPARE(results(), QStringList({"104.8913", "4.742008", "", ""}));
}

void TestFormz::emptyFieldChangesNothing_data()
{
    QTest::addColumn<int>("field");
    for (int i = 0; i < 6; ++i)
        QTest::newRow(kFields[i]) << i;
}

void TestFormz::emptyFieldChangesNothing()
{
    QFETCH(int, field);
    gui->click(W, "Command1");
    gui->click(W, "Command4"); // results cleared, Command4 and Command5 disabled
    gui->type(W, kFields[field], "");
    gui->click(W, "Command1");
    QCOMPARE(results(), QStringList({"", "", "", ""}));
    QCOMPARE(gui->text(W, "Label12"), QString("分度圆弦齿厚s:"));
    QVERIFY(!gui->button(W, "Command4")->isEnabled());
    QVERIFY(!gui->button(W, "Command5")->isEnabled());
    QCOMPARE(gui->warnings, QStringList());
}

void TestFormz::notANumberWarnsAndChangesNothing_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("caption");
    QTest::newRow("module_letters") << 0 << "abc" << "法面模数m:";
    QTest::newRow("teeth_comma") << 1 << "1,5" << "齿数z:";
    QTest::newRow("alpha_blanks") << 2 << "   " << "法向压力角α:";
    QTest::newRow("x_nan") << 3 << "nan" << "变位系数x:";
    QTest::newRow("beta_overflow") << 4 << "1e400" << "螺旋角β:";
    QTest::newRow("pin_hex") << 5 << "0x10" << "量棒直径d:";
}

void TestFormz::notANumberWarnsAndChangesNothing()
{
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, caption);
    gui->type(W, kFields[field], typed);
    gui->click(W, "Command1");
    QCOMPARE(gui->warnings, QStringList{QString("“%1”不是有效的数字。").arg(caption)});
    QCOMPARE(gui->warningTitles, QStringList{"M  值"});
    QCOMPARE(results(), QStringList({"", "", "", ""}));
    QVERIFY(!gui->button(W, "Command5")->isEnabled());
    QCOMPARE(gui->text(W, kFields[field]), typed);
    QCOMPARE(gui->field(W, kFields[field])->selectedText(), typed);
}

void TestFormz::noResultWarnsAndKeepsThePreviousResults()
{
    gui->click(W, "Command1");
    const QStringList before = results();
    // An internal spur gear with the default data: the pin centre is off the involute.
    gui->type(W, "Text5", "0");
    gui->click(W, "Opnc");
    gui->click(W, "Command1");
    QCOMPARE(gui->warnings.size(), 1);
    QVERIFY(gui->warnings[0].contains("渐开线"));
    QCOMPARE(results(), before);
    QCOMPARE(gui->text(W, "Label12"), QString("分度圆弦齿厚s:"));
    // A pressure angle of 90° is outside the valid range.
    gui->type(W, "Text3", "90");
    gui->click(W, "Command1");
    QCOMPARE(gui->warnings.size(), 2);
    QVERIFY(gui->warnings[1].contains("压力角"));
    QCOMPARE(results(), before);
}

void TestFormz::continueClearsResultsAndDisablesItself()
{
    gui->click(W, "Command1");
    gui->label(W, "Label7")->setText("x"); // as left by an estimate
    gui->click(W, "Command4");
    QCOMPARE(results(), QStringList({"", "", "", ""}));
    QCOMPARE(gui->text(W, "Label7"), QString());
    QCOMPARE(gui->text(W, "Label12"), QString("分度圆弦齿厚s:"));
    QVERIFY(!gui->button(W, "Command4")->isEnabled());
    QVERIFY(!gui->button(W, "Command5")->isEnabled());
    gui->click(W, "Command1");
    QVERIFY(gui->button(W, "Command4")->isEnabled());
    QVERIFY(gui->button(W, "Command5")->isEnabled());
}

void TestFormz::exitClearsResultsAndReturnsToMenu()
{
    gui->type(W, "Text1", "3");
    gui->click(W, "Opnc");
    gui->click(W, "Command1");
    gui->label(W, "Label7")->setText("3.343213");
    gui->click(W, "Command2");
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
    gui->click(WindowId::Menu, "Command1");
    QCOMPARE(gui->visibleWindows(), QStringList{"Formz"});
    QCOMPARE(gui->text(W, "Text1"), QString("3"));
    QVERIFY(gui->option(W, "Opnc")->isChecked());
    QCOMPARE(results(), QStringList({"", "", "", ""}));
    QCOMPARE(gui->text(W, "Label7"), QString("3.343213"));
    QCOMPARE(gui->text(W, "Label12"), QString("分度圆弦齿厚s:"));
    QVERIFY(!gui->button(W, "Command4")->isEnabled());
    QVERIFY(!gui->button(W, "Command5")->isEnabled());
}

void TestFormz::optionButtonsAreExclusiveAndDoNotRecompute()
{
    gui->click(W, "Command1");
    gui->click(W, "Opnc");
    QVERIFY(gui->option(W, "Opnc")->isChecked());
    QVERIFY(!gui->option(W, "Opwc")->isChecked());
    QCOMPARE(results(), QStringList({"115.2817", "1.540402", "38.979", "7"}));
    gui->click(W, "Opwc");
    QVERIFY(gui->option(W, "Opwc")->isChecked());
    QVERIFY(!gui->option(W, "Opnc")->isChecked());
}

void TestFormz::enterComputes()
{
    gui->field(W, "Text4")->setFocus();
    QTest::keyClick(gui->field(W, "Text4"), Qt::Key_Return);
    QCOMPARE(gui->text(W, "Label11"), QString("115.2817"));
}

void TestFormz::tabOrderFollowsTheDesign()
{
    const QStringList order{"Text1", "Text2", "Text3", "Text4", "Text5", "Command1", "Text6",
                            "Command2", "Command3", "Opwc", "Opnc", "Command4", "Command5"};
    QWidget *w = gui->field(W, "Text1");
    QStringList seen{w->objectName()};
    for (int i = 1; i < order.size(); ++i) {
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
        seen << w->objectName();
    }
    QCOMPARE(seen, order);
}

void TestFormz::closeControlActsAsExit()
{
    gui->click(W, "Command1");
    gui->window(W)->close();
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
    QCOMPARE(gui->text(W, "Label11"), QString());
    QCOMPARE(gui->programEnds, 0);
}

QTEST_MAIN(TestFormz)
#include "tst_formz.moc"
