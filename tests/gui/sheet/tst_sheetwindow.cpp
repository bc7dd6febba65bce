#include <QtTest>

#include <QClipboard>
#include <QJsonDocument>
#include <QMenu>
#include <QPrinter>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QJsonObject>
#include <QProcess>
#include <QLineEdit>
#include <QTableWidget>
#include <QTextLayout>

#include "tests/support/guitest.h"
#include "tests/support/program.h"
#include "core/gear/gear.h"
#include "io/language.h"
#include "gui/painting/printdialog.h"
#include "gui/painting/page.h"
#include "gui/sheet/sheetpdf.h"
#include "io/gearfile.h"
#include "gui/sheet/sheetwindow.h"
#include "gui/painting/measurementview.h"
#include "core/sheet/sheetreport.h"

using geardim::WindowId;

namespace {
constexpr WindowId S = WindowId::Sheet;

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
    void newGearIsAFreshWindow();
    void discardSticks();
    void fitsAnEightHundredBySixHundredScreen_data();
    void fitsAnEightHundredBySixHundredScreen();
    void commandLineExitStatus_data();
    void commandLineExitStatus();
    void commandLineLoadsGraphicsOnlyToDraw_data();
    void commandLineLoadsGraphicsOnlyToDraw();
    void programShowsItsMenuAndCanSaySo_data();
    void programShowsItsMenuAndCanSaySo();
    void saveAndOpenGiveTheSameSheet();
    void savesOnlyWhatItCanOpen_data();
    void savesOnlyWhatItCanOpen();
    void refusedFileLeavesTheWindowAsItWas();
    void unsavedChangesAreAskedAbout_data();
    void unsavedChangesAreAskedAbout();
    void remembersInputsAndRecentFiles();
    void copyTablePutsCellsOnTheClipboard();
    void exportsAPdf();
    void commandLineLoadSavePdfAndBatch();
    void showsThePictureOfTheMeasurement();
    void measuredValuesAreJudgedRecordedAndPrinted();
    void allowanceCodeSurvivesARestartAndAFile();
    void notJudgedWithoutAllowances();
    void verdictsDoNotBreakWhenWrapped();
    void fieldsHaveACellEach();

private:
    std::unique_ptr<GuiFixture> gui;
    QTemporaryDir dir;
    geardim::InspectionSheet *sheet() { return qobject_cast<geardim::InspectionSheet *>(gui->window(S)); }
    QAction *action(const char *name) { return gui->window(S)->findChild<QAction *>(name); }
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
    // The window computed its sheet when it opened: a failed computation greys it.
    QVERIFY(table()->rowCount() > 0);
    QCOMPARE(table()->isEnabled(), message.isEmpty());
    // The picture is cleared too: rendered, it is the view without a drawing.
    auto *view = gui->window(S)->findChild<geardim::MeasurementView *>();
    view->resize(400, 300);
    const auto rendered = [view] {
        QImage image(400, 300, QImage::Format_RGB32);
        view->render(&image);
        return image;
    };
    const QImage shown = rendered();
    view->setSheet(std::nullopt);
    QCOMPARE(shown == rendered(), !message.isEmpty());
    if (message.isEmpty())
        return;
    // A greyed sheet is never copied, printed or exported: the user is told why.
    action("copyTableAction")->trigger();
    QVERIFY(!sheet()->exportPdfTo(dir.filePath("stale.pdf")));
    QVERIFY(!QFileInfo::exists(dir.filePath("stale.pdf")));
    QCOMPARE(gui->warnings.size(), 2);
    for (const QString &w : gui->warnings)
        QVERIFY2(w.contains(message), qPrintable(w));
    gui->warnings.clear();
}

void TestSheetWindow::newGearIsAFreshWindow()
{
    gui->click(WindowId::Menu, "Command6");
    QStringList fresh;
    for (QLineEdit *field : gui->window(S)->findChildren<QLineEdit *>())
        fresh << field->objectName() + "=" + field->text();
    const QString table = cell("跨球距 M", 0);
    QCOMPARE(table, QString("32.3108")); // computed at the start: the example's −0.03/−0.06 and 1.7
    gui->type(S, "module", "3");
    gui->type(S, "allowanceUpper", "0");
    gui->type(S, "gaugeDiameter", "");
    gui->click(S, "compute");
    gui->unsavedAnswers.push_back(geardim::UnsavedAnswer::Discard);
    action("newAction")->trigger();
    QStringList renewed;
    for (QLineEdit *field : gui->window(S)->findChildren<QLineEdit *>())
        renewed << field->objectName() + "=" + field->text();
    QCOMPARE(renewed, fresh);
    QCOMPARE(cell("跨球距 M", 0), table);
    QVERIFY(!sheet()->isWindowModified());
}

void TestSheetWindow::discardSticks()
{
    gui->click(WindowId::Menu, "Command6");
    gui->type(S, "teeth", "31");
    sheet()->exitClicked(); // answered 不保存
    QCOMPARE(gui->unsavedAsked.size(), 1);
    QVERIFY(!gui->window(S)->isVisible());
    // Back again: the inputs as they were left, not counted as changes, nothing asked.
    gui->click(WindowId::Menu, "Command6");
    QCOMPARE(gui->field(S, "teeth")->text(), QString("31"));
    QVERIFY(!sheet()->isWindowModified());
    sheet()->exitClicked();
    QCOMPARE(gui->unsavedAsked.size(), 1);
    QVERIFY(!gui->window(S)->isVisible());
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

void TestSheetWindow::fitsAnEightHundredBySixHundredScreen_data()
{
    QTest::addColumn<bool>("english");
    QTest::newRow("chinese") << false;
    QTest::newRow("english") << true;
}

void TestSheetWindow::fitsAnEightHundredBySixHundredScreen()
{
    QFETCH(bool, english);
    if (songFaceMissingUnderWine())
        QSKIP("under wine SimSun is missing and its stand-in is wider: the window's least size is not the PC's");
    if (english)
        geardim::installLanguage(geardim::Language::English);
    const auto back = qScopeGuard([] {
        delete qApp->findChild<QTranslator *>(QStringLiteral("geardimEnglish"), Qt::FindDirectChildrenOnly);
    });
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
    QTest::newRow("no_module") << QStringList{"sheet", "--teeth", "30"} << 2 << "--module";
    QTest::newRow("two_teeth") << QStringList{"sheet", "--module", "1", "--teeth", "2"} << 1 << "齿数z";
    QTest::newRow("allowances_reversed") << QStringList{"sheet", "--module", "1", "--teeth", "30", "--allowance-upper",
                                                        "-0.1", "--allowance-lower", "-0.05"}
                                         << 1 << "Esni";
    QTest::newRow("span_teeth_of_all") << QStringList{"sheet", "--module", "1", "--teeth", "30", "--span-teeth", "30"}
                                       << 1 << "跨测齿数k";
    QTest::newRow("unknown_command") << QStringList{"draw"} << 2 << "draw";
    QTest::newRow("windows_without_display") << QStringList{} << 1 << "geardim sheet";
}

void TestSheetWindow::commandLineExitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, stderrHas);
#if defined(Q_OS_WIN)
    if (arguments.isEmpty())
        QSKIP("a Windows program always has its desktop, under wine too: there is no display to lack");
#endif
    const Run run = runGeardim(arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(QString::fromUtf8(run.err).contains(stderrHas), run.err.constData());
    if (status == 0)
        QVERIFY(!run.out.isEmpty());
    else
        QVERIFY(run.out.isEmpty());
}

void TestSheetWindow::commandLineLoadsGraphicsOnlyToDraw_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("graphics");
    const QString out = QDir::temp().filePath(QStringLiteral("geardim-loads-%1").arg(QCoreApplication::applicationPid()));
    QTest::newRow("json") << kDoneWhen + QStringList{"--format", "json"} << false;
    QTest::newRow("help") << QStringList{"--help"} << false;
    QTest::newRow("english csv") << QStringList{"--lang", "en"} + kDoneWhen + QStringList{"--format", "csv"} << false;
    QTest::newRow("pdf") << kDoneWhen + QStringList{"--pdf", out + ".pdf"} << true;
    QTest::newRow("png") << kDoneWhen + QStringList{"--picture", out + ".png"} << true;
}

// The dynamic loader names every library it loads: a platform plugin (offscreen, never a
// display's) comes in only for a picture or a PDF; the command line needs no display.
void TestSheetWindow::commandLineLoadsGraphicsOnlyToDraw()
{
#if !defined(Q_OS_LINUX)
    QSKIP("the loader's report of its libraries is read on Linux");
#endif
    QFETCH(QStringList, arguments);
    QFETCH(bool, graphics);
    const Run run = runGeardim(arguments, {.environment = {"LD_DEBUG=files"}});
    QCOMPARE(run.status, 0);
    const QString loaded = QString::fromUtf8(run.err);
    QVERIFY2(loaded.contains("libQt6Core.so"), "the loader did not report its libraries");
    QCOMPARE(loaded.contains("libqoffscreen.so"), graphics);
    QVERIFY(!loaded.contains("libqxcb.so") && !loaded.contains("libqwayland"));
    for (const QString &argument : arguments) {
        if (argument.endsWith(".pdf") || argument.endsWith(".png"))
            QVERIFY(QFile::remove(argument));
    }
}

void TestSheetWindow::programShowsItsMenuAndCanSaySo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("chinese") << QStringList{};
    QTest::newRow("english") << QStringList{"--lang", "en"};
    QTest::newRow("opening a gear file") << QStringList{"@gear"};
}

// The program as installed starts its windows from the module, and for the start-up
// bench says when the menu has been painted, then ends; given a gear file, it opens it.
void TestSheetWindow::programShowsItsMenuAndCanSaySo()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    if (arguments == QStringList{"@gear"}) {
        arguments = QStringList{dir.filePath("opened.gear")};
        QVERIFY(geardim::writeGearFile(arguments.front(), geardim::SheetInput{.module = 2, .teeth = 30}).ok());
    }
    const Run run = runGeardim(arguments, {.environment = {"QT_QPA_PLATFORM=offscreen", "GEARDIM_QUIT_AFTER_FIRST_PAINT=1"}});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QByteArray("shown\n"));
}

void TestSheetWindow::savesOnlyWhatItCanOpen_data()
{
    QTest::addColumn<QStringList>("fields"); // name=text, typed over the fresh window's fields
    QTest::addColumn<QString>("refusedKey"); // the warning, naming the field; empty: saved, and it opens again as it was
    QTest::newRow("as_it_starts") << QStringList{} << "";
    QTest::newRow("every_field") << QStringList{"module=2.5", "teeth=41", "pressureAngle=25", "helixAngle=-12.5",
                                                "shift=", "thickness=3.9", "addendum=0.8", "tipDiameter=99.5",
                                                "faceWidth=30", "allowanceUpper=-0.05", "allowanceLower=-0.12",
                                                "gaugeDiameter=", "spanTeeth=5"}
                                 << "";
    QTest::newRow("diametral_pitch") << QStringList{"module=", "diametralPitch=8"} << "";
    QTest::newRow("module_zero") << QStringList{"module=0"} << "“法向模数 mn (mm)”的值 0 超出范围（0.001 到 10000）";
    QTest::newRow("teeth_not_whole") << QStringList{"teeth=2.5"} << "“齿数 z”的值 2.5 超出范围（不小于 1 的整数）";
    QTest::newRow("pressure_angle_90") << QStringList{"pressureAngle=90"} << "“法向压力角 αn (°)”的值 90";
    QTest::newRow("helix_angle_90") << QStringList{"helixAngle=-90"} << "“螺旋角 β (°)”的值 -90";
    QTest::newRow("negative_addendum") << QStringList{"addendum=-1"} << "“齿顶高系数 ha*”的值 -1";
    QTest::newRow("tip_zero") << QStringList{"tipDiameter=0"} << "“齿顶圆直径 da”的值 0";
    QTest::newRow("face_negative") << QStringList{"faceWidth=-3"} << "“齿宽 b”的值 -3";
    QTest::newRow("gauge_zero") << QStringList{"gaugeDiameter=0"} << "“直径 D”的值 0";
    QTest::newRow("span_zero") << QStringList{"spanTeeth=0"} << "“跨测齿数 k”的值 0";
}

// Whatever the window saves, it opens again; inputs beyond a gear file's ranges are
// refused with the field named, and nothing is written.
void TestSheetWindow::savesOnlyWhatItCanOpen()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, refusedKey);
    gui->click(WindowId::Menu, "Command6");
    for (const QString &f : fields)
        gui->type(S, f.section('=', 0, 0).toLatin1().constData(), f.section('=', 1));
    const QString path = dir.filePath(QStringLiteral("state-%1.gear").arg(QTest::currentDataTag()));
    const bool saved = sheet()->saveGearTo(path);
    QCOMPARE(saved, refusedKey.isEmpty());
    if (!saved) {
        QCOMPARE(gui->warnings.size(), 1);
        QVERIFY2(gui->warnings.first().contains(refusedKey), qPrintable(gui->warnings.first()));
        QVERIFY(!QFileInfo::exists(path));
        gui->warnings.clear();
        return;
    }
    const geardim::FileOutcome<geardim::GearDocument> read = geardim::readGearFile(path);
    QVERIFY2(read.ok(), qPrintable(read.problem()));
    // Opened again, every field shows what it showed when saved.
    QStringList before, after;
    for (QLineEdit *field : gui->window(S)->findChildren<QLineEdit *>())
        before << field->objectName() + "=" + field->text();
    QVERIFY(sheet()->openGearFile(path));
    for (QLineEdit *field : gui->window(S)->findChildren<QLineEdit *>())
        after << field->objectName() + "=" + field->text();
    QCOMPARE(after, before);
}

void TestSheetWindow::saveAndOpenGiveTheSameSheet()
{
    gui->click(WindowId::Menu, "Command6");
    gui->type(S, "helixAngle", "15");
    gui->click(S, "pins");
    gui->option(S, "handLeft")->setChecked(true);
    gui->click(S, "compute");
    const QString json = QString::fromStdString(geardim::sheetJson(*sheet()->shown()));
    QVERIFY(sheet()->isWindowModified());
    const QString path = dir.filePath("pinion.gear");
    gui->files.push_back(path);
    action("saveAction")->trigger();
    QCOMPARE(sheet()->currentFile(), path);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QJsonDocument::fromJson(saved.readAll()).object()["gear"].toObject()["hand"].toString(), QString("left"));
    QVERIFY(!sheet()->isWindowModified());
    QCOMPARE(sheet()->windowTitle(), QString("pinion.gear[*] - 测量尺寸表"));
    // A new gear, then the file again: the same sheet.
    action("newAction")->trigger();
    QCOMPARE(gui->text(S, "helixAngle"), QString("0"));
    gui->files.push_back(path);
    action("openAction")->trigger();
    QCOMPARE(gui->text(S, "helixAngle"), QString("15"));
    QVERIFY(gui->option(S, "pins")->isChecked());
    QVERIFY(gui->option(S, "handLeft")->isChecked());
    QCOMPARE(QString::fromStdString(geardim::sheetJson(*sheet()->shown())), json);
    QVERIFY(!sheet()->isWindowModified());
}

void TestSheetWindow::refusedFileLeavesTheWindowAsItWas()
{
    gui->click(WindowId::Menu, "Command6");
    gui->type(S, "teeth", "44");
    const QString path = dir.filePath("broken.gear");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "geardim-gear", "version": 1, "gear": {"teeth": )");
    file.close();
    gui->files.push_back(path);
    action("openAction")->trigger();
    QCOMPARE(gui->warnings.size(), 1);
    QVERIFY(gui->warnings[0].contains("broken.gear"));
    QCOMPARE(gui->text(S, "teeth"), QString("44"));
    QCOMPARE(sheet()->currentFile(), QString());
    gui->warnings.clear();
}

void TestSheetWindow::unsavedChangesAreAskedAbout_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("leaves");
    QTest::addColumn<bool>("saved");
    QTest::newRow("cancel") << int(geardim::UnsavedAnswer::Cancel) << false << false;
    QTest::newRow("discard") << int(geardim::UnsavedAnswer::Discard) << true << false;
    QTest::newRow("save") << int(geardim::UnsavedAnswer::Save) << true << true;
}

void TestSheetWindow::unsavedChangesAreAskedAbout()
{
    QFETCH(int, answer);
    QFETCH(bool, leaves);
    QFETCH(bool, saved);
    gui->click(WindowId::Menu, "Command6");
    // Unchanged: closing asks nothing.
    gui->window(S)->close();
    QCOMPARE(gui->unsavedAsked, QStringList());
    gui->click(WindowId::Menu, "Command6");
    gui->type(S, "module", "1.25");
    gui->unsavedAnswers.push_back(geardim::UnsavedAnswer(answer));
    const QString path = dir.filePath(QStringLiteral("asked-%1.gear").arg(QTest::currentDataTag()));
    if (saved)
        gui->files.push_back(path);
    gui->window(S)->close();
    QCOMPARE(gui->unsavedAsked, QStringList{"未命名"});
    QCOMPARE(gui->window(S)->isVisible(), !leaves);
    QCOMPARE(QFile::exists(path), saved);
}

void TestSheetWindow::remembersInputsAndRecentFiles()
{
    gui->click(WindowId::Menu, "Command6");
    gui->type(S, "module", "2.75");
    gui->type(S, "teeth", "23");
    gui->type(S, "tipDiameter", "68.80");
    gui->type(S, "shift", "0.10");
    gui->click(S, "compute");
    QCOMPARE(gui->field(S, "tipDiameter")->text(), QString("68.80"));
    const QString path = dir.filePath("remembered.gear");
    QVERIFY(sheet()->saveGearTo(path));
    // Another run of the program: a new window reads the settings, and a number comes back
    // as it was typed.
    geardim::InspectionSheet again;
    QCOMPARE(again.findChild<QLineEdit *>("module")->text(), QString("2.75"));
    QCOMPARE(again.findChild<QLineEdit *>("teeth")->text(), QString("23"));
    QCOMPARE(again.findChild<QLineEdit *>("tipDiameter")->text(), QString("68.80"));
    QCOMPARE(again.findChild<QLineEdit *>("shift")->text(), QString("0.10"));
    QCOMPARE(again.recentFiles(), QStringList{QFileInfo(path).absoluteFilePath()});
    auto *recent = again.findChild<QMenu *>("recentMenu");
    QCOMPARE(recent->actions().size(), 1);
    QVERIFY(recent->actions().first()->text().startsWith("remembered.gear  —  "));
    QCOMPARE(recent->actions().first()->toolTip(), QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    // A file that cannot be opened any more leaves the list.
    QVERIFY(QFile::remove(path));
    recent->actions().first()->trigger();
    QCOMPARE(again.recentFiles(), QStringList());
    QVERIFY(recent->actions().isEmpty());
    QCOMPARE(gui->warnings.size(), 1);
    gui->warnings.clear();
}

void TestSheetWindow::copyTablePutsCellsOnTheClipboard()
{
    gui->click(WindowId::Menu, "Command6");
    gui->click(S, "compute");
    QApplication::clipboard()->clear();
    QCOMPARE(action("copyTableAction")->shortcut(), QKeySequence(QKeySequence::Copy));
    action("copyTableAction")->trigger();
    const QMimeData *data = QApplication::clipboard()->mimeData();
    QVERIFY(data->text().split('\n').contains("跨球距 M\tmm\t32.3108\t32.2380\t32.1641\t-0.0728/-0.1467"));
    QVERIFY(data->html().contains("<table>"));
}

void TestSheetWindow::exportsAPdf()
{
    gui->click(WindowId::Menu, "Command6");
    const QString path = dir.filePath("exported.pdf");
    gui->files.push_back(path);
    action("pdfAction")->trigger();
    QVERIFY(QFile::exists(path));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    // The printer gets the same page.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    QVERIFY(sheet()->printTo(printer));
    QVERIFY(QFileInfo(dir.filePath("printed.pdf")).size() > 1000);
}

void TestSheetWindow::commandLineLoadSavePdfAndBatch()
{
    // --save writes the inputs with the options applied; --load takes them back, options over them.
    const QString gear = dir.filePath("cli.gear");
    Run run = runGeardim(kDoneWhen + QStringList{"--save", gear, "--format", "json"});
    QCOMPARE(run.status, 0);
    run = runGeardim({"sheet", "--load", gear, "--teeth", "31", "--format", "json"});
    QCOMPARE(run.status, 0);
    const QJsonObject j = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(j["gear"]["teeth"].toDouble(), 31.0);
    QCOMPARE(j["allowances"]["lower"].toDouble(), -0.06);
    QCOMPARE(j["gauge"]["diameter"].toDouble(), 1.7);
    // A file problem is status 1, with the reason.
    run = runGeardim({"sheet", "--load", dir.filePath("missing.gear")});
    QCOMPARE(run.status, 1);
    QVERIFY(QString::fromUtf8(run.err).contains("missing.gear"));
    // A PDF without any display.
    const QString pdf = dir.filePath("cli.pdf");
    run = runGeardim({"sheet", "--load", gear, "--pdf", pdf});
    QCOMPARE(run.status, 0);
    QVERIFY(QFileInfo(pdf).size() > 1000);
    // A batch with good and bad lines: status 3, every line written.
    const QString in = dir.filePath("gears.csv"), out = dir.filePath("sheets.csv");
    QFile csv(in);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("module,teeth,allowance-upper,allowance-lower\n1,30,-0.03,-0.06\n1,x,0,0\n2,51,,\n");
    csv.close();
    run = runGeardim({"sheet", "--batch", in, "--out", out});
    QCOMPARE(run.status, 3);
    QFile result(out);
    QVERIFY(result.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(result.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].startsWith("module,teeth,allowance-upper,allowance-lower,units,"));
    QVERIFY(lines[2].endsWith("无效。"));
    // All good: status 0, to stdout.
    QVERIFY(csv.open(QIODevice::WriteOnly | QIODevice::Truncate));
    csv.write("module,teeth\n1,30\n");
    csv.close();
    run = runGeardim({"sheet", "--batch", in});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.count('\n'), 2);
}

void TestSheetWindow::showsThePictureOfTheMeasurement()
{
    gui->click(WindowId::Menu, "Command6");
    QWidget *view = gui->window(S)->findChild<QWidget *>("measurementView");
    QVERIFY(view);
    gui->click(S, "compute");
    QVERIFY(sheet()->shown());
    // One offscreen render, which must paint the set-up without a single warning.
    QTest::failOnWarning(QRegularExpression(".*"));
    view->resize(760, 320);
    QImage image(view->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    view->render(&image);
    int inked = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            inked += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    QVERIFY2(inked > 500, qPrintable(QString::number(inked)));
    // The command line writes the same picture.
    const QString png = dir.filePath("picture.png");
    const Run run = runGeardim(kDoneWhen + QStringList{"--picture", png, "--picture-size", "600x400"});
    QCOMPARE(run.status, 0);
    QCOMPARE(QImage(png).size(), QSize(600, 400));
    const QString svg = dir.filePath("picture.svg");
    QCOMPARE(runGeardim(kDoneWhen + QStringList{"--picture", svg}).status, 0);
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int circles = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("circle"))
            ++circles;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(circles >= 2 * 7); // the circles, gauges and contact points of both panels
    QCOMPARE(runGeardim(kDoneWhen + QStringList{"--picture", png, "--picture-size", "12"}).status, 2);
}

// The inspector types the measured M in its row: the actual allowance and the verdict
// appear in that row; 记录 appends the part to the log; the PDF prints the verdict and the
// record with a line to sign.
void TestSheetWindow::measuredValuesAreJudgedRecordedAndPrinted()
{
    gui->click(WindowId::Menu, "Command6");
    gui->click(S, "compute");
    int row = -1;
    for (int r = 0; r < table()->rowCount(); ++r) {
        if (table()->verticalHeaderItem(r)->text().startsWith("跨球距 M"))
            row = r;
    }
    QVERIFY(row >= 0);
    QVERIFY(table()->item(row, 4)->flags() & Qt::ItemIsEditable);
    QVERIFY(!(table()->item(row, 0)->flags() & Qt::ItemIsEditable));
    // Limits M 32.2380 / 32.1641 (allowances −0.03 / −0.06).
    // The verdict in words and in colour: green for a pass, red for a fail.
    const QColor pass(0, 110, 40), fail(176, 0, 32);
    for (const auto &[typed, verdict, colour] : {std::tuple{32.2, "合格", pass}, {32.3, "偏厚", fail}, {32.1, "偏薄", fail}}) {
        table()->item(row, 4)->setText(QString::number(typed));
        const auto m = geardim::measure(*sheet()->shown(), geardim::MeasuredDimension::OverGauges, typed);
        QCOMPARE(table()->item(row, 5)->text(), QString::fromStdString(geardim::sheetSignedNumber(m.measured->allowance, 4)));
        QCOMPARE(table()->item(row, 6)->text(), QString::fromUtf8(verdict));
        QCOMPARE(table()->item(row, 6)->foreground().color(), colour);
    }
    // Computed anew, the table keeps the measured value and judges it again.
    table()->item(row, 4)->setText("32.2000");
    gui->click(S, "compute");
    QCOMPARE(table()->item(row, 6)->text(), QString("合格"));
    // The record: the drawing, part, inspector and gauge, appended to the log.
    gui->type(S, "drawingNumber", "ZG-1");
    gui->type(S, "partNumber", "P-17");
    gui->type(S, "inspector", "Li");
    gui->type(S, "gaugeNumber", "G-3");
    const QString log = dir.filePath("inspections.csv");
    gui->files.push_back(log);
    action("recordAction")->trigger();
    const QList<QByteArray> lines = readAll(log).split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[1].contains(",ZG-1,P-17,Li,G-3,") && lines[1].contains(",32.2,") && lines[1].contains(",pass,"),
             lines[1].constData());
    action("recordAction")->trigger(); // the log is remembered
    QCOMPARE(readAll(log).split('\n').size(), 4);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        return;
    const QString pdf = dir.filePath("measured.pdf");
    QVERIFY(sheet()->exportPdfTo(pdf));
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    QVERIFY(text.waitForFinished());
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    for (const char *expected : {"实测 跨球距 M = 32.2000", "合格", "图号：ZG-1", "零件编号：P-17", "检验员：Li", "签字"})
        QVERIFY2(page.contains(QString::fromUtf8(expected)), expected);
}


// A code with empty allowance fields stays a code: through the settings and a gear file the
// fields come back empty (not 0 / 0, which would override it), the code's values show greyed,
// and a typed allowance wins over the code, which the window says.
void TestSheetWindow::allowanceCodeSurvivesARestartAndAFile()
{
    const QString tablePath = dir.filePath("allowances.csv");
    {
        QFile f(tablePath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("code,diameterFrom,diameterTo,upper,lower\nh7,0,100,-40,-90\n");
    }
    QSettings().setValue(QStringLiteral("sheet/allowanceTable"), tablePath);
    gui->click(WindowId::Menu, "Command6");
    gui->type(S, "module", "1");
    gui->type(S, "teeth", "30");
    gui->type(S, "allowanceUpper", "");
    gui->type(S, "allowanceLower", "");
    gui->type(S, "allowanceCode", "h7");
    gui->click(S, "compute");
    QVERIFY2(table()->isEnabled(), qPrintable(gui->text(S, "warnings")));
    QCOMPARE(cell("法向齿厚 sn", 3), QString("-0.0400/-0.0900"));
    QCOMPARE(table()->horizontalHeaderItem(5)->text(), QString("实际齿厚偏差"));
    QCOMPARE(gui->window(S)->findChild<QLineEdit *>("allowanceUpper")->placeholderText(), QString("-0.0400（代号 h7）"));
    const QString path = dir.filePath("coded.gear");
    QVERIFY(sheet()->saveGearTo(path));
    const QJsonObject allowances = QJsonDocument::fromJson(readAll(path)).object()["allowances"].toObject();
    QCOMPARE(allowances.keys(), QStringList{"code"});
    // Another run of the program: the fields come back empty, the code still rules.
    {
        geardim::InspectionSheet again;
        QCOMPARE(again.findChild<QLineEdit *>("allowanceUpper")->text(), QString());
        QCOMPARE(again.findChild<QLineEdit *>("allowanceLower")->text(), QString());
        QCOMPARE(again.findChild<QLineEdit *>("allowanceCode")->text(), QString("h7"));
    }
    QVERIFY(sheet()->openGearFile(path));
    QCOMPARE(gui->window(S)->findChild<QLineEdit *>("allowanceLower")->text(), QString());
    QCOMPARE(cell("法向齿厚 sn", 3), QString("-0.0400/-0.0900"));
    // Esns typed: kept, Esni from the table, and said; the file keeps the typed one only.
    gui->type(S, "allowanceUpper", "-0.02");
    gui->click(S, "compute");
    QCOMPARE(cell("法向齿厚 sn", 3), QString("-0.0200/-0.0900"));
    QVERIFY2(gui->text(S, "warnings").contains("上偏差按输入值，下偏差按代号 h7 取自偏差表"), qPrintable(gui->text(S, "warnings")));
    QVERIFY(sheet()->saveGearTo(path));
    const QJsonObject partly = QJsonDocument::fromJson(readAll(path)).object()["allowances"].toObject();
    QCOMPARE(partly.keys(), (QStringList{"code", "upper"}));
    QCOMPARE(partly["upper"].toDouble(), -0.02);
    QSettings().remove(QStringLiteral("sheet/allowanceTable"));
}

// Equal allowances (none typed) leave a measured value 未判定, never 合格.
void TestSheetWindow::notJudgedWithoutAllowances()
{
    gui->click(WindowId::Menu, "Command6");
    gui->type(S, "allowanceUpper", "");
    gui->type(S, "allowanceLower", "");
    gui->click(S, "compute");
    QVERIFY(gui->text(S, "warnings").contains("未给公差"));
    const QString nominal = cell("跨球距 M", 0);
    int row = 0;
    while (!table()->verticalHeaderItem(row)->text().startsWith("跨球距 M"))
        ++row;
    table()->item(row, 4)->setText(nominal);
    QCOMPARE(table()->item(row, 6)->text(), QString("未判定"));
    // A value keeps the text it was typed with through a new computation: 32.50 stays 32.50.
    table()->item(row, 4)->setText("32.50");
    gui->click(S, "compute");
    QCOMPARE(table()->item(row, 4)->text(), QString("32.50"));
}

// A measured line wrapped at every width a page could give it never breaks inside its verdict.
void TestSheetWindow::verdictsDoNotBreakWhenWrapped()
{
    for (const QString &line : {QStringLiteral("实测 跨球距 M = 65.8000：实际齿厚 sn = 3.4276，实际偏差 E = +0.2860，偏厚"),
                                QStringLiteral("实测 公法线长度 W = 21.2000：实际齿厚 sn = 2.8167，未判定")}) {
        const QString kept = geardim::verdictKeptWhole(line);
        const qsizetype verdict = kept.lastIndexOf(u'，') + 1;
        bool brokeBefore = false; // the sweep reaches widths that break the line just before the verdict
        for (int width = 60; width < 900; width += 2) {
            QTextLayout layout(kept, geardim::reportFont(10));
            QTextOption option;
            option.setWrapMode(QTextOption::WordWrap);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
                l.setLineWidth(width);
                QVERIFY2(l.textStart() <= verdict || l.textStart() >= kept.size(), qPrintable(QString::number(width)));
                brokeBefore = brokeBefore || l.textStart() == verdict;
            }
            layout.endLayout();
        }
        QVERIFY(brokeBefore);
    }
}

// Every field of the sheet has a place of its own: no two fields overlap once laid out.
void TestSheetWindow::fieldsHaveACellEach()
{
    gui->click(WindowId::Menu, "Command6");
    QWidget *w = gui->window(S);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QList<QRect> places;
    QStringList names;
    for (QLineEdit *field : w->findChildren<QLineEdit *>()) {
        if (!field->isVisible() || qobject_cast<QAbstractItemView *>(field->parentWidget()))
            continue;
        places << QRect(field->mapTo(w, QPoint(0, 0)), field->size());
        names << field->objectName();
    }
    QVERIFY(places.size() > 10);
    for (int i = 0; i < places.size(); ++i)
        for (int j = i + 1; j < places.size(); ++j)
            QVERIFY2(!places[i].intersects(places[j]), qPrintable(names[i] + " overlaps " + names[j]));
}

QTEST_MAIN(TestSheetWindow)
#include "tst_sheetwindow.moc"
