#include <QtTest>

#include <QClipboard>
#include <QInputDialog>
#include <QMessageBox>
#include <memory>

#include <QMenu>

#include "app/appsetup.h"
#include "gui/toolkit/dialogs.h"
#include "gui/toolkit/resultlabel.h"

#include "tests/support/guitest.h"

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
    void closeControlActsAsExit();
    void resultCanBeSelectedAndCopied();

    void estimateWritesOnlyLabel7_data();
    void estimateWritesOnlyLabel7();
    void estimateNeedsThePinField();
    void estimateWithoutResultWarns();
    void checkAsksForTheRootDiameter_data();
    void checkAsksForTheRootDiameter();
    void checkWithoutAnswerChangesNothing_data();
    void checkWithoutAnswerChangesNothing();
    void checkRefusesBadDataWithoutAsking_data();
    void checkRefusesBadDataWithoutAsking();
    void checkUsesEditedGearKind();
    void failedFirstComputationEnablesNothing();
    void computingAgainClearsTheVerdict();
    void spanBelowOneToothShowsNoSpan();
    void realPromptAndWarningOpenAndClose();
    void doubleClickSelectsTheWholeResult();
    void contextMenuCopiesTheShownText();
    void fieldContextMenuSpeaksChinese();
    void enterOnThePromptsCancelCancels();
    void saysWhereTheSheetDiffers_data();
    void saysWhereTheSheetDiffers();

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
    QTest::addColumn<QString>("warning");
    QTest::newRow("module_letters") << 0 << "abc" << "“法面模数m”不是有效的数字。";
    QTest::newRow("teeth_comma") << 1 << "1,5" << "“齿数z”不是有效的数字。请用小数点“.”。";
    QTest::newRow("alpha_blanks") << 2 << "   " << "“法向压力角α”不是有效的数字。";
    QTest::newRow("alpha_degree_sign") << 2 << "20°" << "“法向压力角α”不是有效的数字。只填写数字，不带单位。";
    QTest::newRow("x_nan") << 3 << "nan" << "“变位系数x”不是有效的数字。";
    QTest::newRow("beta_overflow") << 4 << "1e400" << "“螺旋角β”不是有效的数字。";
    QTest::newRow("beta_two_numbers") << 4 << "5 0" << "“螺旋角β”不是有效的数字。只填写一个数。";
    QTest::newRow("pin_hex") << 5 << "0x10" << "“量棒直径d”不是有效的数字。";
    QTest::newRow("pin_unit") << 5 << "3.36mm" << "“量棒直径d”不是有效的数字。只填写数字，不带单位。";
}

void TestFormz::notANumberWarnsAndChangesNothing()
{
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, warning);
    gui->type(W, kFields[field], typed);
    gui->click(W, "Command1");
    QCOMPARE(gui->warnings, QStringList{warning});
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

void TestFormz::closeControlActsAsExit()
{
    gui->click(W, "Command1");
    gui->window(W)->close();
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
    QCOMPARE(gui->text(W, "Label11"), QString());
    QCOMPARE(gui->programEnds, 0);
}

void TestFormz::resultCanBeSelectedAndCopied()
{
    gui->click(W, "Command1");
    QVERIFY(QTest::qWaitForWindowActive(gui->window(W)));
    QLabel *m = gui->label(W, "Label11");
    QTest::mouseClick(m, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QVERIFY(m->hasFocus());
    QTest::keyClick(m, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(m->selectedText(), QString("115.2817"));
    QTest::keyClick(m, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("115.2817"));
    // The next computation still writes the label while it is selectable.
    gui->type(W, "Text4", "0");
    gui->click(W, "Command1");
    QCOMPARE(m->text(), QString("119.9905"));
}

void TestFormz::estimateWritesOnlyLabel7_data()
{
    QTest::addColumn<QString>("beta");
    QTest::addColumn<bool>("internal");
    QTest::addColumn<QString>("d");
    QTest::newRow("helical_external") << "30" << false << "3.36912";
    QTest::newRow("helical_internal") << "30" << true << "2.94064";
    QTest::newRow("spur") << "0" << true << "3.343213";
}

void TestFormz::estimateWritesOnlyLabel7()
{
    QFETCH(QString, beta);
    QFETCH(bool, internal);
    QFETCH(QString, d);
    gui->type(W, "Text5", beta);
    if (internal)
        gui->click(W, "Opnc");
    gui->click(W, "Command3");
    QCOMPARE(gui->text(W, "Label7"), d);
    QCOMPARE(results(), QStringList({"", "", "", ""}));
    QCOMPARE(gui->text(W, "Text6"), QString("3.36"));
    QVERIFY(!gui->button(W, "Command4")->isEnabled());
    QVERIFY(!gui->button(W, "Command5")->isEnabled());
    QCOMPARE(gui->warnings, QStringList());
}

void TestFormz::estimateNeedsThePinField()
{
    gui->type(W, "Text6", "");
    gui->click(W, "Command3");
    QCOMPARE(gui->text(W, "Label7"), QString(" "));
    QCOMPARE(gui->warnings, QStringList());
}

void TestFormz::estimateWithoutResultWarns()
{
    gui->click(W, "Command3");
    // z 20, x −1.1, β 30°: the contact circle lies inside the base circle.
    gui->type(W, "Text2", "20");
    gui->click(W, "Command3");
    QCOMPARE(gui->warnings.size(), 1);
    QVERIFY(gui->warnings[0].contains("基圆"));
    QCOMPARE(gui->text(W, "Label7"), QString("3.36912"));
}

void TestFormz::checkAsksForTheRootDiameter_data()
{
    QTest::addColumn<QString>("pin");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("below_test_value") << "3.36" << "108.5616" << "量棒(球)可用";
    QTest::newRow("same_single") << "3.36" << "108.5617" << "量棒(球)不可用";
    QTest::newRow("above_test_value") << "3.36" << "108.5618" << "量棒(球)不可用";
    // A pin of diameter 0 is allowed in the check: the test value is M itself.
    QTest::newRow("zero_pin_below") << "0" << "115.28" << "量棒(球)可用";
    QTest::newRow("zero_pin_above") << "0" << "115.29" << "量棒(球)不可用";
}

void TestFormz::checkAsksForTheRootDiameter()
{
    QFETCH(QString, pin);
    QFETCH(QString, answer);
    QFETCH(QString, verdict);
    gui->click(W, "Command3"); // the estimate and the verdict share Label7
    gui->click(W, "Command1");
    gui->type(W, "Text6", pin);
    gui->answers.push_back(answer);
    gui->click(W, "Command5");
    QCOMPARE(gui->prompts, QStringList{"请输入齿轮齿根圆直径:"});
    QCOMPARE(gui->text(W, "Label7"), verdict);
    QCOMPARE(results(), QStringList({"115.2817", "1.540402", "38.979", "7"}));
    QVERIFY(gui->button(W, "Command5")->isEnabled());
    gui->click(W, "Command4");
    QCOMPARE(gui->text(W, "Label7"), QString());
    QVERIFY(!gui->button(W, "Command5")->isEnabled());
}

void TestFormz::checkWithoutAnswerChangesNothing_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("reopens"); // with the typed text, then cancelled
    QTest::newRow("cancel") << true << "" << "" << false;
    QTest::newRow("empty_answer") << false << "" << "“齿根圆直径”不是有效的数字。" << true;
    QTest::newRow("letters") << false << "abc" << "“齿根圆直径”不是有效的数字。" << true;
    QTest::newRow("comma") << false << "100,5" << "“齿根圆直径”不是有效的数字。请用小数点“.”。" << true;
    QTest::newRow("zero_root") << false << "0" << "齿根圆直径必须大于0。请重新输入齿根圆直径。" << false;
}

void TestFormz::checkWithoutAnswerChangesNothing()
{
    QFETCH(bool, cancel);
    QFETCH(QString, answer);
    QFETCH(QString, warning);
    QFETCH(bool, reopens);
    gui->click(W, "Command1");
    gui->click(W, "Command3");
    gui->answers.push_back(cancel ? std::nullopt : std::optional<QString>(answer));
    if (reopens)
        gui->answers.push_back(std::nullopt);
    gui->click(W, "Command5");
    QCOMPARE(gui->text(W, "Label7"), QString("3.36912"));
    QCOMPARE(gui->warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
    QCOMPARE(gui->promptInitials, reopens ? QStringList({"", answer}) : QStringList{""});
    // The window stays usable: the next check goes through.
    gui->answers.push_back(QString("100"));
    gui->click(W, "Command5");
    QCOMPARE(gui->text(W, "Label7"), QString("量棒(球)可用"));
}

void TestFormz::checkRefusesBadDataWithoutAsking_data()
{
    QTest::addColumn<QString>("teeth");
    QTest::addColumn<QString>("pin");
    QTest::addColumn<QString>("warning");
    QTest::newRow("half_tooth") << "0.5" << "3.36" << "齿数z不能小于1。请检查齿数z。";
    QTest::newRow("negative_pin") << "50" << "-1" << "量棒（球）直径d不能为负数。请检查量棒直径。";
}

void TestFormz::checkRefusesBadDataWithoutAsking()
{
    QFETCH(QString, teeth);
    QFETCH(QString, pin);
    QFETCH(QString, warning);
    gui->click(W, "Command1");
    gui->type(W, "Text2", teeth);
    gui->type(W, "Text6", pin);
    gui->click(W, "Command5");
    QCOMPARE(gui->warnings, QStringList{warning});
    QCOMPARE(gui->prompts, QStringList());
    QCOMPARE(gui->text(W, "Label7"), QString());
}

void TestFormz::failedFirstComputationEnablesNothing()
{
    // State: a fresh window. Action: a computation without a result.
    gui->type(W, "Text3", "90");
    gui->click(W, "Command1");
    // Expected: the warning, and continue and check stay disabled.
    QCOMPARE(gui->warnings.size(), 1);
    QVERIFY(!gui->button(W, "Command4")->isEnabled());
    QVERIFY(!gui->button(W, "Command5")->isEnabled());
    QCOMPARE(results(), QStringList({"", "", "", ""}));
}

void TestFormz::computingAgainClearsTheVerdict()
{
    // State: a verdict for the default gear. Action: another module, computed.
    gui->click(W, "Command1");
    gui->answers.push_back(QString("108.5618"));
    gui->click(W, "Command5");
    QCOMPARE(gui->text(W, "Label7"), QString("量棒(球)不可用"));
    gui->type(W, "Text1", "2.1");
    gui->click(W, "Command1");
    // Expected: a new M, and no verdict of the old gear beside it.
    QCOMPARE(gui->warnings, QStringList());
    QVERIFY(gui->text(W, "Label11") != QString("115.2817"));
    QCOMPARE(gui->text(W, "Label7"), QString());
    // A computation without a result keeps what is shown, the estimate included.
    gui->click(W, "Command3");
    const QString estimate = gui->text(W, "Label7");
    gui->type(W, "Text3", "90");
    gui->click(W, "Command1");
    QCOMPARE(gui->text(W, "Label7"), estimate);
}

void TestFormz::spanBelowOneToothShowsNoSpan()
{
    // m 1, z 4, spur, x 0: the span rule gives k 0, a span over no tooth.
    gui->click(W, "Command1");
    gui->type(W, "Text1", "1");
    gui->type(W, "Text2", "4");
    gui->type(W, "Text4", "0");
    gui->type(W, "Text5", "0");
    gui->type(W, "Text6", "1.5");
    gui->click(W, "Command1");
    QCOMPARE(gui->warnings, QStringList());
    QVERIFY(!gui->text(W, "Label11").isEmpty());
    QVERIFY(!gui->text(W, "Label13").isEmpty());
    QCOMPARE(gui->text(W, "Label15"), QString());
    QCOMPARE(gui->text(W, "Label16"), QString());
}

void TestFormz::checkUsesEditedGearKind()
{
    gui->click(W, "Command1");
    // Not a number in the teeth field: a warning, no prompt.
    gui->type(W, "Text2", "5O");
    gui->click(W, "Command5");
    QCOMPARE(gui->warnings, QStringList{"“齿数z”不是有效的数字。只填写数字，不带单位。"});
    QCOMPARE(gui->prompts, QStringList());
    // Internal with the external M value still shown: M + 2d = 122.0017 < 122.01.
    gui->type(W, "Text2", "50");
    gui->click(W, "Opnc");
    gui->answers.push_back(QString("122.01"));
    gui->click(W, "Command5");
    QCOMPARE(gui->text(W, "Label7"), QString("量棒(球)可用"));
}

void TestFormz::realPromptAndWarningOpenAndClose()
{
    // The real dialogs, answered from a timer as a user would.
    geardim::setPromptSink({});
    geardim::setWarningSink({});
    gui->click(W, "Command1");
    QString promptTitle, promptLabel;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        promptTitle = dialog->windowTitle();
        promptLabel = dialog->labelText();
        QCOMPARE(dialog->textValue(), QString());
        dialog->setTextValue("100");
        dialog->accept();
    });
    gui->click(W, "Command5");
    QCOMPARE(promptTitle, QString("输入"));
    QCOMPARE(promptLabel, QString("请输入齿轮齿根圆直径:"));
    QCOMPARE(gui->text(W, "Label7"), QString("量棒(球)可用"));

    QString warningTitle, warningText;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        warningTitle = box->windowTitle();
        warningText = box->text();
        box->accept();
    });
    gui->type(W, "Text1", "x");
    gui->click(W, "Command1");
    QCOMPARE(warningTitle, QString("M  值"));
    QCOMPARE(warningText, QString("“法面模数m”不是有效的数字。"));
}

void TestFormz::doubleClickSelectsTheWholeResult()
{
    gui->click(W, "Command1");
    QLabel *M = gui->label(W, "Label11");
    QTest::mouseDClick(M, Qt::LeftButton, Qt::NoModifier, QPoint(M->width() - 4, M->height() / 2));
    QCOMPARE(M->selectedText(), QString("115.2817"));
    QTest::keyClick(M, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("115.2817"));
}

void TestFormz::contextMenuCopiesTheShownText()
{
    gui->click(W, "Command1");
    QApplication::clipboard()->clear();
    auto *thickness = qobject_cast<geardim::ResultLabel *>(gui->label(W, "Label13"));
    QVERIFY(thickness);
    const auto menu = thickness->makeContextMenu();
    QCOMPARE(menu->actions().size(), 1);
    QAction *copy = menu->actions().first();
    QCOMPARE(copy->text(), QString("复制"));
    QCOMPARE(copy->shortcut(), QKeySequence(QKeySequence::Copy));
    copy->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QString("1.540402"));
    // An empty result offers nothing to copy.
    gui->click(W, "Command4");
    QVERIFY(!thickness->makeContextMenu()->actions().first()->isEnabled());
}

void TestFormz::fieldContextMenuSpeaksChinese()
{
    if (!geardim::installQtTranslation())
        QSKIP("Qt's translations (qt6-translations-l10n) are not installed");
    const std::unique_ptr<QMenu> menu(gui->field(W, "Text1")->createStandardContextMenu());
    QStringList texts;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text().section(u'(', 0, 0).section(u'\t', 0, 0);
    }
    // Qt's own translation writes 撤消, a variant of 撤销.
    QCOMPARE(texts, QStringList({"撤消", "重做", "剪切", "复制", "粘贴", "删除", "全选"}));
}

void TestFormz::enterOnThePromptsCancelCancels()
{
    geardim::setPromptSink({});
    gui->click(W, "Command1");
    bool sawPrompt = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        sawPrompt = true;
        dialog->setTextValue("100");
        QPushButton *cancel = nullptr;
        for (QPushButton *b : dialog->findChildren<QPushButton *>()) {
            if (b->text() == QString("取消"))
                cancel = b;
        }
        QVERIFY(cancel);
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
    });
    gui->click(W, "Command5");
    QVERIFY(sawPrompt);
    QCOMPARE(gui->text(W, "Label7"), QString());
}

// The window keeps its own figures; the result's tooltip names the sheet's where they
// differ (odd helical gears over pins; its span rule), and is empty where they agree.
void TestFormz::saysWhereTheSheetDiffers_data()
{
    QTest::addColumn<QStringList>("gear"); // m, z, α, x, β, d
    QTest::addColumn<QString>("mTip");
    QTest::addColumn<QString>("kTip");
    QTest::newRow("odd helical over pins") << QStringList{"2", "21", "20", "0.3", "15", "3.5"} << "M = 49.3835" << "";
    QTest::newRow("span rule, m 2 z 20") << QStringList{"2", "20", "20", "0", "0", "3.5"} << "" << "k = 3";
    QTest::newRow("even spur: the same") << QStringList{"2", "24", "20", "0", "0", "3.5"} << "" << "";
}

void TestFormz::saysWhereTheSheetDiffers()
{
    QFETCH(QStringList, gear);
    QFETCH(QString, mTip);
    QFETCH(QString, kTip);
    for (int i = 0; i < 6; ++i)
        gui->type(W, kFields[i], gear[i]);
    gui->click(W, "Command1");
    const QString m = gui->window(W)->findChild<QLabel *>("Label11")->toolTip();
    const QString k = gui->window(W)->findChild<QLabel *>("Label16")->toolTip();
    QVERIFY2(mTip.isEmpty() ? m.isEmpty() : m.contains(mTip), qPrintable(m));
    QVERIFY2(kTip.isEmpty() ? k.isEmpty() : k.contains(kTip), qPrintable(k));
}

QTEST_MAIN(TestFormz)
#include "tst_formz.moc"
