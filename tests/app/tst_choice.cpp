#include <QTest>

#include "tests/support/arguments.h"
#include "app/appsetup.h"
#include "app/clioutput.h"
#include "app/commandline.h"

// The launcher's choice between the command line and the windows, made before Qt loads.
class TestLaunch : public QObject {
    Q_OBJECT
private slots:
    void choosesCommandLineOrWindows_data();
    void choosesCommandLineOrWindows();
    void opensTheFileItIsGiven_data();
    void opensTheFileItIsGiven();
    void helpWrapsAtTheTerminalsColumns_data();
    void helpWrapsAtTheTerminalsColumns();
};

// A Chinese character and its full stop or comma take two terminal columns each: 40 of them
// fill 80 columns, one more goes onto a second line, never parted from its stop.
void TestLaunch::helpWrapsAtTheTerminalsColumns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("wrapped");
    QTest::newRow("80 columns") << QString("一。").repeated(20) << QString("一。").repeated(20);
    QTest::newRow("84 columns") << QString("一、").repeated(21) << QString("一、").repeated(20) + "\n一、";
    QTest::newRow("latin") << QString("ab ").repeated(30).trimmed() << QString("ab ").repeated(27).trimmed() + "\n" + QString("ab ").repeated(3).trimmed();
}

void TestLaunch::helpWrapsAtTheTerminalsColumns()
{
    QFETCH(QString, text);
    QTEST(geardim::wrappedForHelp(text, 80), "wrapped");
}

void TestLaunch::choosesCommandLineOrWindows_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("commandLine");
    QTest::newRow("nothing") << QStringList{} << false;
    QTest::newRow("sheet") << QStringList{"sheet", "--teeth", "30"} << true;
    QTest::newRow("help") << QStringList{"--help"} << true;
    QTest::newRow("short help") << QStringList{"-h"} << true;
    QTest::newRow("short version") << QStringList{"-v"} << true;
    QTest::newRow("unknown word") << QStringList{"shet"} << true;
    QTest::newRow("qt platform") << QStringList{"-platform", "offscreen"} << false;
    QTest::newRow("qt style") << QStringList{"-style", "fusion"} << false;
    QTest::newRow("language alone") << QStringList{"--lang", "en"} << false;
    QTest::newRow("language joined") << QStringList{"--lang=en"} << false;
    QTest::newRow("language then sheet") << QStringList{"--lang", "en", "sheet"} << true;
    QTest::newRow("language joined then version") << QStringList{"--lang=zh", "--version"} << true;
    QTest::newRow("language then qt option") << QStringList{"--lang", "en", "-platform", "xcb"} << false;
    // Without its value `--lang` is an unknown option, which the command line reports.
    QTest::newRow("language without value") << QStringList{"--lang"} << true;
}

void TestLaunch::choosesCommandLineOrWindows()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, commandLine);
    Arguments args(QStringList{"geardim"} + arguments);
    QCOMPARE(geardim::wantsCommandLine(args.argc, args.argv()), commandLine);
}



// A desktop opens a gear or spline file by starting the program with it alone: the file
// opens in its window; anything else keeps its meaning.
void TestLaunch::opensTheFileItIsGiven_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("document");
    QTest::newRow("gear file") << QStringList{"C:/parts/D-7.gear"} << "C:/parts/D-7.gear";
    QTest::newRow("spline file, capitals") << QStringList{"shaft.SPLINE"} << "shaft.SPLINE";
    QTest::newRow("another file") << QStringList{"in.csv"} << "";
    QTest::newRow("the sheet command") << QStringList{"sheet"} << "";
    QTest::newRow("an option") << QStringList{"--load=a.gear"} << "";
    QTest::newRow("with more") << QStringList{"a.gear", "b.gear"} << "";
    QTest::newRow("nothing") << QStringList{} << "";
}

void TestLaunch::opensTheFileItIsGiven()
{
    QFETCH(QStringList, arguments);
    Arguments args(QStringList{"geardim"} + arguments);
    QTEST(geardim::documentArgument(args.argc, args.argv()), "document");
}

QTEST_APPLESS_MAIN(TestLaunch)
#include "tst_choice.moc"
