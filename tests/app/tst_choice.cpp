#include <QTest>

#include "tests/support/arguments.h"
#include "app/commandline.h"

// The launcher's choice between the command line and the windows, made before Qt loads.
class TestLaunch : public QObject {
    Q_OBJECT
private slots:
    void choosesCommandLineOrWindows_data();
    void choosesCommandLineOrWindows();
};

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

QTEST_APPLESS_MAIN(TestLaunch)
#include "tst_choice.moc"
