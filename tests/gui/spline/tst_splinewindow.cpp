#include <QtTest>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>

#include "gui/spline/splinewindow.h"
#include "tests/support/guitest.h"
#include "tests/support/program.h"

using geardim::WindowId;

namespace {
constexpr WindowId P = WindowId::Spline;
}

// The spline window from the menu: it shows what `geardim spline` prints, and says in the
// window why a designation or a value cannot be used.
class TestSplineWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensFromTheMenuAndGoesBack();
    void showsTheSameNumbersAsTheCommandLine_data();
    void showsTheSameNumbersAsTheCommandLine();
    void badInputSaysWhyAndGreysTheTable_data();
    void badInputSaysWhyAndGreysTheTable();
    void savesOpensAndExports();
    void keepsTheSplineWhatEverThePinOrMeasuredValue();
    void takesDinDeviationsFromTheAllowanceTable();
    void asksBeforeUnsavedChangesAreLost_data();
    void asksBeforeUnsavedChangesAreLost();

private:
    std::unique_ptr<GuiFixture> gui;
    QTableWidget *table() { return gui->window(P)->findChild<QTableWidget *>("results"); }
    QString cell(const QString &rowStart, int column)
    {
        for (int row = 0; row < table()->rowCount(); ++row) {
            if (table()->item(row, 0)->text().startsWith(rowStart))
                return table()->item(row, column)->text();
        }
        return QStringLiteral("<no row %1>").arg(rowStart);
    }
};

void TestSplineWindow::init()
{
    gui = std::make_unique<GuiFixture>();
    gui->start();
}

void TestSplineWindow::cleanup()
{
    QCOMPARE(gui->unexpectedDialogs, QStringList());
    QCOMPARE(gui->warnings, QStringList());
    gui.reset();
}

void TestSplineWindow::opensFromTheMenuAndGoesBack()
{
    QCOMPARE(gui->text(WindowId::Menu, "Command7"), QString("花  键"));
    gui->click(WindowId::Menu, "Command7");
    QCOMPARE(gui->visibleWindows(), QStringList{"SplineWindow"});
    // A fresh window shows the standard's example shaft, computed.
    QCOMPARE(cell("齿厚 S", 4), QString("1.4448"));
    QTest::keyClick(gui->window(P), Qt::Key_Escape);
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
    gui->click(WindowId::Menu, "Command7");
    gui->click(P, "back");
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
    gui->click(WindowId::Menu, "Command7");
    gui->window(P)->close();
    QCOMPARE(gui->visibleWindows(), QStringList{"Formain"});
}

void TestSplineWindow::showsTheSameNumbersAsTheCommandLine_data()
{
    QTest::addColumn<QString>("designation");
    QTest::addColumn<QString>("pin");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("dimension");
    QTest::newRow("iso hub") << "INT 25z × 1m × 30P × 5H ISO 4156" << "" << "spaceWidth" << "棒间距 M";
    QTest::newRow("din shaft, typed pin") << "DIN 5480 - W 50 x 2 x 24 x 8f" << "4" << "toothThickness" << "跨棒距 M";
    QTest::newRow("odd shaft 45°") << "EXT 19z x 1.5m x 45 x 7k" << "" << "toothThickness" << "跨棒距 M";
}

void TestSplineWindow::showsTheSameNumbersAsTheCommandLine()
{
    QFETCH(QString, designation);
    QFETCH(QString, pin);
    QFETCH(QString, size);
    QFETCH(QString, dimension);
    gui->click(WindowId::Menu, "Command7");
    gui->type(P, "designation", designation);
    gui->type(P, "pin-diameter", pin);
    gui->type(P, "spline-length", "20");
    gui->click(P, "compute");
    QStringList args{"spline", "--designation", designation, "--spline-length", "20", "--format", "json"};
    if (!pin.isEmpty())
        args << "--pin-diameter" << pin;
    const Run run = runGeardim(args);
    QCOMPARE(run.status, 0);
    const QJsonObject j = QJsonDocument::fromJson(run.out).object();
    const auto shown = [](const QJsonValue &v) { return v.isUndefined() ? QString() : QString::number(v.toDouble(), 'f', 4); };
    const QJsonObject dim = j["pins"]["dimension"].toObject();
    const char *const names[] = {"nominal", "actualMax", "actualMin", "effectiveMax", "effectiveMin"};
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(cell(dimension, 2 + c), shown(dim.value(names[c])));
        QCOMPARE(cell(size == "spaceWidth" ? "齿槽宽 E" : "齿厚 S", 2 + c), shown(j[size].toObject().value(names[c])));
    }
    QCOMPARE(cell("量棒直径 DR", 2), shown(j["pins"]["diameter"]));
    QVERIFY(table()->isEnabled());
    // Names and units stand to the left, the numbers to the right.
    for (int c = 0; c < table()->columnCount(); ++c)
        QCOMPARE(bool(table()->item(0, c)->textAlignment() & Qt::AlignRight), c >= 2);
}

void TestSplineWindow::badInputSaysWhyAndGreysTheTable_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus"); // the field the cursor goes to, where the window names one
    QTest::newRow("designation") << "designation" << "EXT 24z × 2m × 20P × 6h" << "“20P”" << "";
    QTest::newRow("pin not a number") << "pin-diameter" << "abc" << "“abc”不是数" << "";
    QTest::newRow("the upper deviation alone") << "upper-deviation" << "-0.04" << "上偏差和下偏差要一起给出" << "lower-deviation";
    QTest::newRow("the lower deviation alone") << "lower-deviation" << "-0.1" << "上偏差和下偏差要一起给出" << "upper-deviation";
}

void TestSplineWindow::badInputSaysWhyAndGreysTheTable()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    gui->click(WindowId::Menu, "Command7");
    QVERIFY(table()->isEnabled());
    gui->type(P, field.toLatin1().constData(), text);
    QTest::keyClick(gui->field(P, field.toLatin1().constData()), Qt::Key_Return);
    QVERIFY2(gui->text(P, "warnings").contains(message), qPrintable(gui->text(P, "warnings")));
    QVERIFY(!table()->isEnabled());
    QCOMPARE(table()->rowCount() > 0, true); // the old table stays, greyed
    QFETCH(QString, focus);
    if (!focus.isEmpty())
        QCOMPARE(gui->window(P)->focusWidget(), gui->field(P, focus.toLatin1().constData()));
}

void TestSplineWindow::savesOpensAndExports()
{
    QTemporaryDir dir;
    gui->click(WindowId::Menu, "Command7");
    auto *window = qobject_cast<geardim::SplineWindow *>(gui->window(P));
    gui->type(P, "designation", "DIN 5480 - N 50 x 2 x 24 x 9H");
    gui->type(P, "pin-diameter", "3.5");
    gui->type(P, "upper-deviation", "0.08");
    gui->type(P, "lower-deviation", "0.02");
    gui->type(P, "effective-variation", "0.025");
    gui->click(P, "compute");
    const QString shown = cell("棒间距 M", 3);
    QVERIFY(window->saveTo(dir.filePath("hub.spline")));
    // A file it cannot read leaves the fields and the result as they were.
    QVERIFY(!window->openFile(dir.filePath("missing.spline")));
    QVERIFY(gui->text(P, "warnings").contains("missing.spline"));
    QVERIFY(table()->isEnabled());
    gui->type(P, "designation", "EXT 24z × 2m × 30P");
    gui->type(P, "pin-diameter", "");
    for (const char *f : {"upper-deviation", "lower-deviation", "effective-variation"})
        gui->type(P, f, "");
    gui->click(P, "compute");
    QVERIFY(window->openFile(dir.filePath("hub.spline")));
    QCOMPARE(gui->field(P, "designation")->text(), QString("DIN 5480 - N 50 x 2 x 24 x 9H"));
    QCOMPARE(gui->field(P, "effective-variation")->text(), QString("0.025"));
    QCOMPARE(cell("棒间距 M", 3), shown);
    // The PDF holds the table's figures.
    const QString pdf = dir.filePath("hub.pdf");
    QVERIFY(window->exportPdfTo(pdf));
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not on the path: under wine it is a Linux program the Windows test cannot start");
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    QVERIFY(text.waitForFinished(30000));
    QVERIFY2(text.readAllStandardOutput().contains(shown.toUtf8()), qPrintable(shown));
    // Nothing to export while the fields give no spline: no file.
    gui->type(P, "designation", "DIN 5480 - Q 50 x 2 x 24");
    QVERIFY(!window->exportPdfTo(dir.filePath("none.pdf")));
    QVERIFY(!QFile::exists(dir.filePath("none.pdf")));
}

// A pin that fits no space, or a measured M left from another spline, leaves the limits and
// the picture; the measured value is then not judged.
void TestSplineWindow::keepsTheSplineWhatEverThePinOrMeasuredValue()
{
    gui->click(WindowId::Menu, "Command7");
    gui->type(P, "designation", "INT 24z × 2m × 30P × 6H");
    gui->type(P, "pin-diameter", "6");
    gui->click(P, "compute");
    QVERIFY(table()->isEnabled());
    QVERIFY(!cell("齿槽宽 E", 3).isEmpty());
    QCOMPARE(cell("棒间距 M", 2), QString());
    QVERIFY(gui->text(P, "warnings").contains("量棒不能同时接触"));
    gui->type(P, "pin-diameter", "");
    gui->type(P, "measured", "22.25");
    gui->click(P, "compute");
    gui->type(P, "designation", "EXT 25z × 1m × 30R × 6e");
    gui->click(P, "compute");
    QVERIFY(table()->isEnabled());
    QCOMPARE(cell("齿厚 S", 4), QString("1.4448"));
    QVERIFY2(gui->text(P, "warnings").contains("未判定") && gui->text(P, "warnings").contains("实测值不可能"),
             qPrintable(gui->text(P, "warnings")));
}

// 偏差表… gives a DIN 5480 designation its deviations by tolerance and dB; without a table
// the window says the tolerance was not applied.
void TestSplineWindow::takesDinDeviationsFromTheAllowanceTable()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("din.csv");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("code,diameterFrom,diameterTo,upper,lower\n8f,30,50,-40,-100\n");
    }
    QSettings().remove(QStringLiteral("sheet/allowanceTable"));
    gui->click(WindowId::Menu, "Command7");
    gui->type(P, "designation", "DIN 5480 - W 50 x 2 x 24 x 8f");
    gui->type(P, "measured", "54");
    gui->click(P, "compute");
    QVERIFY(gui->text(P, "warnings").contains("没有偏差"));
    QVERIFY(gui->text(P, "warnings").contains("未判定"));
    gui->files.push_back(path);
    gui->click(P, "allowanceTableButton");
    QVERIFY2(!cell("齿厚 S", 3).isEmpty(), qPrintable(gui->text(P, "warnings")));
    QVERIFY(!gui->text(P, "warnings").contains("未判定"));
    QSettings().remove(QStringLiteral("sheet/allowanceTable"));
}

QTEST_MAIN(TestSplineWindow)
#include "tst_splinewindow.moc"

// A changed spline is asked about before 返  回 or 打开… loses it: 取消 keeps the window, 不保存
// lets it go, 保存 writes the file chosen in the toolkit's dialog first (its suffix added). The
// measured value is the part's: typing it alone asks nothing.
void TestSplineWindow::asksBeforeUnsavedChangesAreLost_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("answer"); // an UnsavedAnswer; -1: no question expected
    QTest::addColumn<bool>("leaves");
    QTest::addColumn<bool>("saved");
    QTest::newRow("pin typed, cancel") << "pin-diameter" << int(geardim::UnsavedAnswer::Cancel) << false << false;
    QTest::newRow("pin typed, discard") << "pin-diameter" << int(geardim::UnsavedAnswer::Discard) << true << false;
    QTest::newRow("designation typed, save") << "designation" << int(geardim::UnsavedAnswer::Save) << true << true;
    QTest::newRow("measured typed only") << "measured" << -1 << true << false;
}

void TestSplineWindow::asksBeforeUnsavedChangesAreLost()
{
    QFETCH(QString, field);
    QFETCH(int, answer);
    QFETCH(bool, leaves);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    gui->click(WindowId::Menu, "Command7");
    gui->type(P, field.toLatin1().constData(), field == "designation" ? "EXT 24z × 2m × 30P × 5h" : "3.1");
    if (answer >= 0)
        gui->unsavedAnswers.push_back(geardim::UnsavedAnswer(answer));
    gui->files.push_back(dir.filePath("kept")); // the save dialog's choice, without a suffix
    gui->click(P, "back");
    QCOMPARE(gui->unsavedAsked, answer >= 0 ? QStringList{"花键"} : QStringList{});
    QCOMPARE(!gui->visibleWindows().contains("SplineWindow"), leaves);
    QCOMPARE(QFile::exists(dir.filePath("kept.spline")), saved);
    if (saved) {
        // Saved, the window leaves without another question the next time.
        gui->click(WindowId::Menu, "Command7");
        gui->click(P, "back");
        QCOMPARE(gui->unsavedAsked.size(), 1);
    }
}
