#include <QtTest>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTableWidget>

#include "../support/guitest.h"
#include "sheet/inspection.h"
#include "sheet/sheetreport.h"

using geardim::WindowId;

namespace {
constexpr WindowId S = WindowId::Sheet;

struct Run {
    int status = -1;
    QByteArray out, err;
};

// The program itself on the command line, as a shell would start it.
Run runGeardim(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(GEARDIM_EXE), arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

const QStringList kDoneWhen{"sheet", "--module", "1", "--teeth", "30", "--allowance-upper", "-0.03",
                            "--allowance-lower", "-0.06", "--gauge-diameter", "1.7"};
} // namespace

class TestSheetWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensFromTheMenuAndGoesBack();
    void showsTheSameNumbersAsTheCommandLine();
    void enterComputesAndBadInputSaysWhyInTheWindow_data();
    void enterComputesAndBadInputSaysWhyInTheWindow();
    void noResultGreysTheOldSheet();
    void fitsAnEightHundredBySixHundredScreen();
    void commandLineExitStatus_data();
    void commandLineExitStatus();

private:
    std::unique_ptr<GuiFixture> gui;
    QTableWidget *table() { return gui->window(S)->findChild<QTableWidget *>("results"); }
    QString cell(const QString &rowStart, int column);
};

void TestSheetWindow::init()
{
    gui = std::make_unique<GuiFixture>();
    gui->start();
}

void TestSheetWindow::cleanup()
{
    QCOMPARE(gui->unexpectedDialogs, QStringList());
    QCOMPARE(gui->warnings, QStringList()); // the sheet never opens a modal warning
    gui.reset();
}

QString TestSheetWindow::cell(const QString &rowStart, int column)
{
    for (int row = 0; row < table()->rowCount(); ++row) {
        if (table()->verticalHeaderItem(row)->text().startsWith(rowStart))
            return table()->item(row, column) ? table()->item(row, column)->text() : QString();
    }
    return QStringLiteral("<no row %1>").arg(rowStart);
}

void TestSheetWindow::opensFromTheMenuAndGoesBack()
{
    QCOMPARE(gui->text(WindowId::Menu, "Command6"), QString("测量尺寸表"));
    gui->click(WindowId::Menu, "Command6");
    // External gear and balls to begin with; each pair is exclusive.
    QVERIFY(gui->option(S, "external")->isChecked() && gui->option(S, "balls")->isChecked());
    gui->click(S, "internal");
    gui->click(S, "pins");
    QVERIFY(!gui->option(S, "external")->isChecked() && !gui->option(S, "balls")->isChecked());
    QVERIFY(gui->option(S, "internal")->isChecked() && gui->option(S, "pins")->isChecked());
    QCOMPARE(gui->visibleWindows(), QStringList{"InspectionSheet"});
    QTest::keyClick(gui->window(S), Qt::Key_Escape);
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
    gui->click(WindowId::Menu, "Command6");
    gui->window(S)->close();
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
}

void TestSheetWindow::showsTheSameNumbersAsTheCommandLine()
{
    gui->click(WindowId::Menu, "Command6");
    gui->click(S, "compute");
    const Run run = runGeardim(kDoneWhen + QStringList{"--format", "json"});
    QCOMPARE(run.status, 0);
    const QJsonObject j = QJsonDocument::fromJson(run.out).object();
    const auto shown = [](double v) { return QString::fromStdString(geardim::sheetNumber(v, 4)); };
    QCOMPARE(cell("跨球距 M", 0), shown(j["overGauges"]["nominal"].toDouble()));
    QCOMPARE(cell("跨球距 M", 1), shown(j["overGauges"]["max"].toDouble()));
    QCOMPARE(cell("跨球距 M", 2), shown(j["overGauges"]["min"].toDouble()));
    QCOMPARE(cell("公法线长度 W", 2), shown(j["span"]["min"].toDouble()));
    QCOMPARE(cell("跨测齿数 k", 0), QString::number(j["span"]["teeth"].toInt()));
    QCOMPARE(cell("分度圆弦齿厚", 1), shown(j["chordalThickness"]["max"].toDouble()));
    // The figures of the conventions for this gear: M over 1.7 balls and W over 4 teeth.
    QCOMPARE(cell("跨球距 M", 0), QString("32.3108"));
    QCOMPARE(cell("公法线长度 W", 0), QString("10.7526"));
    QCOMPARE(cell("变位系数 x", 2), QString("-0.0824"));
    // The text format prints the window's table.
    const Run text = runGeardim(kDoneWhen);
    QCOMPARE(text.status, 0);
    QVERIFY(QString::fromUtf8(text.out).contains("32.3108  32.2380  32.1641"));
}

void TestSheetWindow::enterComputesAndBadInputSaysWhyInTheWindow_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("fine") << "teeth" << "31" << "";
    QTest::newRow("comma") << "module" << "1,5" << "“法向模数 mn (mm)”不是有效的数字。请用小数点“.”。";
    QTest::newRow("unit") << "gaugeDiameter" << "1.7mm" << "“直径 D”不是有效的数字。只填写数字，不带单位。";
    QTest::newRow("no_teeth") << "teeth" << "" << "请填写齿数 z。";
}

void TestSheetWindow::enterComputesAndBadInputSaysWhyInTheWindow()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    gui->click(WindowId::Menu, "Command6");
    gui->type(S, qPrintable(field), typed);
    QTest::keyClick(gui->field(S, qPrintable(field)), Qt::Key_Return);
    QCOMPARE(gui->text(S, "warnings"), message);
    QCOMPARE(table()->rowCount() > 0, message.isEmpty());
}

void TestSheetWindow::noResultGreysTheOldSheet()
{
    gui->click(WindowId::Menu, "Command6");
    gui->click(S, "compute");
    const QString before = cell("跨球距 M", 0);
    gui->type(S, "diametralPitch", "10"); // a module and a pitch at once
    gui->click(S, "compute");
    QVERIFY(gui->text(S, "warnings").startsWith("没有结果："));
    QCOMPARE(cell("跨球距 M", 0), before);
    QVERIFY(!table()->isEnabled());
    gui->type(S, "diametralPitch", "");
    gui->click(S, "compute");
    QVERIFY(table()->isEnabled());
}

void TestSheetWindow::fitsAnEightHundredBySixHundredScreen()
{
    gui->click(WindowId::Menu, "Command6");
    gui->click(S, "compute");
    QWidget *w = gui->window(S);
    const QSize least = w->minimumSizeHint();
    // Room for a title bar and a taskbar.
    QVERIFY2(least.width() <= 800 && least.height() <= 540,
             qPrintable(QString("%1 x %2").arg(least.width()).arg(least.height())));
    QVERIFY(w->size().width() <= 800 && w->size().height() <= 560);
    QVERIFY(w->maximumSize().width() > 800); // resizable
}

void TestSheetWindow::commandLineExitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("stderrHas");
    QTest::newRow("result") << kDoneWhen << 0 << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "";
    QTest::newRow("no_result") << QStringList{"sheet", "--module", "1", "--teeth", "30", "--internal",
                                              "--gauge-diameter", "40"}
                               << 1 << "没有结果";
    QTest::newRow("not_a_number") << QStringList{"sheet", "--module", "abc", "--teeth", "30"} << 2 << "--module";
    QTest::newRow("unknown_option") << QStringList{"sheet", "--modul", "1"} << 2 << "modul";
    QTest::newRow("bad_gauge") << QStringList{"sheet", "--module", "1", "--teeth", "30", "--gauge", "cone"} << 2
                               << "--gauge";
    QTest::newRow("no_teeth") << QStringList{"sheet", "--module", "1"} << 2 << "--teeth";
    QTest::newRow("unknown_command") << QStringList{"draw"} << 2 << "draw";
}

void TestSheetWindow::commandLineExitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, stderrHas);
    const Run run = runGeardim(arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(QString::fromUtf8(run.err).contains(stderrHas), run.err.constData());
    if (status == 0)
        QVERIFY(!run.out.isEmpty());
    else
        QVERIFY(run.out.isEmpty());
}

QTEST_MAIN(TestSheetWindow)
#include "tst_sheetwindow.moc"
