#include <QtTest>

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

#include "gui/pair/pairwindow.h"
#include "tests/support/guitest.h"
#include "tests/support/program.h"

using geardim::WindowId;

namespace {
constexpr WindowId P = WindowId::Pair;
}

// The gear pair's window from the menu: it shows what `geardim pair` prints, takes gears from
// gear files, reads and writes pair files, and asks before unsaved changes are lost.
class TestPairWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showsTheSameNumbersAsTheCommandLine();
    void badInputSaysWhyAndGreysTheTables();
    void gearFilesPairFilesAndUnsavedChanges();

private:
    std::unique_ptr<GuiFixture> gui;
    QString cell(const char *table, const QString &rowStart, int column)
    {
        auto *t = gui->window(P)->findChild<QTableWidget *>(table);
        for (int row = 0; row < t->rowCount(); ++row) {
            if (t->item(row, 0)->text().startsWith(rowStart))
                return t->item(row, column) ? t->item(row, column)->text() : QString();
        }
        return QStringLiteral("<no row %1>").arg(rowStart);
    }
    geardim::PairWindow *window() { return static_cast<geardim::PairWindow *>(gui->window(P)); }
};

void TestPairWindow::init()
{
    gui = std::make_unique<GuiFixture>();
    gui->start();
    gui->click(WindowId::Menu, "pairButton");
    QCOMPARE(gui->visibleWindows(), QStringList{"PairWindow"});
}

void TestPairWindow::cleanup()
{
    QCOMPARE(gui->unexpectedDialogs, QStringList());
    gui.reset();
}

void TestPairWindow::showsTheSameNumbersAsTheCommandLine()
{
    // The fresh window: the published pair, a0 56.4999, αwt 26.0886°.
    QCOMPARE(cell("pairTable", "无侧隙中心距", 2), QString("56.4999"));
    QCOMPARE(cell("pairTable", "端面啮合角", 2), QString("26.0886"));
    gui->type(P, "helix-angle", "21");
    gui->type(P, "module", "3.5");
    gui->type(P, "teeth1", "31");
    gui->type(P, "teeth2", "30");
    gui->type(P, "shift1", "0.2");
    gui->type(P, "shift2", "");
    gui->type(P, "centre-distance", "116.5");
    gui->type(P, "centre-distance-lower", "-0.02");
    gui->type(P, "allowance-upper1", "-0.03");
    gui->type(P, "allowance-lower1", "-0.08");
    gui->click(P, "compute");
    QCOMPARE(cell("gearTable", "变位系数 x", 3), QString("0.451877"));
    const Run run = runGeardim({"pair", "--module", "3.5", "--helix-angle", "21", "--teeth1", "31", "--teeth2", "30", "--shift1", "0.2",
                                "--centre-distance", "116.5", "--centre-distance-lower", "-0.02", "--allowance-upper1", "-0.03",
                                "--allowance-lower1", "-0.08"});
    const QString text = QString::fromUtf8(run.out);
    for (const QString &row : {QStringLiteral("法向侧隙 jbn"), QStringLiteral("圆周侧隙 jwt")}) {
        const QRegularExpression line(QRegularExpression::escape(row) + "[^\n]*mm +([0-9.-]+) +([0-9.-]+)\n");
        const QRegularExpressionMatch m = line.match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        QCOMPARE(cell("pairTable", row, 3), m.captured(1));
        QCOMPARE(cell("pairTable", row, 4), m.captured(2));
    }
}

void TestPairWindow::badInputSaysWhyAndGreysTheTables()
{
    gui->type(P, "teeth2", "2x");
    gui->click(P, "compute");
    auto *warnings = gui->label(P, "warnings");
    QVERIFY2(warnings->text().contains("2x"), qPrintable(warnings->text()));
    QVERIFY(!gui->window(P)->findChild<QTableWidget *>("pairTable")->isEnabled());
    gui->type(P, "teeth2", "");
    gui->click(P, "compute");
    QVERIFY2(warnings->text().contains("请填写两个齿轮的齿数 z"), qPrintable(warnings->text()));
    gui->type(P, "teeth2", "24");
    gui->type(P, "centre-distance", "40");
    gui->click(P, "compute");
    QVERIFY2(warnings->text().contains("中心距 a 须大于"), qPrintable(warnings->text()));
    gui->type(P, "centre-distance", "");
    gui->click(P, "compute");
    QVERIFY(gui->window(P)->findChild<QTableWidget *>("pairTable")->isEnabled());
}

void TestPairWindow::gearFilesPairFilesAndUnsavedChanges()
{
    QTemporaryDir dir;
    const QString pinion = dir.filePath("pinion.gear"), ring = dir.filePath("ring.gear"), pair = dir.filePath("drive.pair");
    QCOMPARE(runGeardim({"sheet", "--module", "3", "--teeth", "17", "--shift", "0.3", "--allowance-upper", "-0.04", "--allowance-lower",
                         "-0.09", "--save", pinion}).status, 0);
    QCOMPARE(runGeardim({"sheet", "--module", "3", "--teeth", "70", "--internal", "--save", ring}).status, 0);
    gui->files.push_back(pinion);
    gui->click(P, "loadGear1");
    QCOMPARE(gui->field(P, "teeth1")->text(), QString("17"));
    QCOMPARE(gui->field(P, "allowance-lower1")->text(), QString("-0.09"));
    QVERIFY(window()->isModified());
    // An internal gear is refused, the fields as they were.
    gui->files.push_back(ring);
    gui->click(P, "loadGear2");
    QVERIFY2(gui->label(P, "warnings")->text().contains("内齿轮"), qPrintable(gui->label(P, "warnings")->text()));
    QCOMPARE(gui->field(P, "teeth2")->text(), QString("24"));
    // Saved and read back by the command line: the same pair.
    gui->files.push_back(pair);
    gui->click(P, "save");
    QVERIFY(!window()->isModified());
    const Run run = runGeardim({"pair", "--load", pair, "--format", "json"});
    QCOMPARE(run.status, 0);
    QCOMPARE(QJsonDocument::fromJson(run.out).object()["gear1"].toObject()["teeth"].toDouble(), 17.0);
    // An edit, then back to the menu: asked; cancel stays, discard leaves.
    gui->type(P, "teeth2", "25");
    gui->unsavedAnswers.push_back(geardim::UnsavedAnswer::Cancel);
    gui->click(P, "back");
    QCOMPARE(gui->visibleWindows(), QStringList{"PairWindow"});
    gui->unsavedAnswers.push_back(geardim::UnsavedAnswer::Discard);
    gui->click(P, "back");
    QCOMPARE(gui->unsavedAsked.size(), 2);
    QVERIFY(!gui->visibleWindows().contains("PairWindow"));
}

QTEST_MAIN(TestPairWindow)
#include "tst_pairwindow.moc"
