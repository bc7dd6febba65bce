#include <QtTest>

#include <QJsonDocument>
#include <QJsonObject>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/support/program.h"

// `geardim spline` from outside: its exit statuses, its JSON and the reasons it gives.
class TestSplineCommand : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void jsonNamesTheLimits();
    void picturesAreWritten();
    void helpFitsATerminalAndLosesNothing_data();
    void scriptsGetTheirStatus_data();
    void scriptsGetTheirStatus();
    void batchToAFullDiskFails();
    void typedAllowancesWinOverTheCode();
    void helpFitsATerminalAndLosesNothing();
    void splineFilesReadBackWhatTheyWrite();
    void splineFilesRefuseWhatTheyCannotHold_data();
    void splineFilesRefuseWhatTheyCannotHold();
};

void TestSplineCommand::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // a regular expression
    QTest::addColumn<QString>("err");
    QTest::newRow("din shaft over 4 mm pins")
        << QStringList{"spline", "--designation", "DIN 5480 - W 50 x 2 x 24 x 8f", "--pin-diameter", "4"} << 0
        << "跨棒距 M +mm +54\\.2176\n" << "";
    QTest::newRow("span of the din shaft") << QStringList{"spline", "--designation", "DIN 5480 W 50x2x24"} << 0
                                           << "公法线长度 W（k = 4） +mm +21\\.1793\n" << "";
    QTest::newRow("iso hub limits")
        << QStringList{"spline", "--designation", "INT 25z × 1m × 30P × 5H ISO 4156", "--spline-length", "15"} << 0
        << "齿槽宽 E +mm +1\\.5708 +1\\.6258 +1\\.5935 +1\\.6032 +1\\.5708\n" << "";
    QTest::newRow("english") << QStringList{"--lang", "en", "spline", "--designation", "EXT 24z x 2m x 30P x 6h", "--spline-length", "20"}
                             << 0 << "Tooth thickness S +mm +3\\.1416" << "";
    QTest::newRow("unreadable part named") << QStringList{"spline", "--designation", "EXT 24z × 2m × 20P × 6h"} << 1 << ""
                                           << "“20P”";
    QTest::newRow("no designation") << QStringList{"spline", "--pin-diameter", "4"} << 2 << "" << "--designation";
    QTest::newRow("pin not a number") << QStringList{"spline", "--designation", "EXT 24z × 2m × 30P", "--pin-diameter", "4,5"} << 2
                                      << "" << "4,5";
    QTest::newRow("pin too large for a hub: the limits still")
        << QStringList{"spline", "--designation", "INT 24z × 2m × 30P × 6H", "--pin-diameter", "6"} << 0
        << "齿槽宽 E +mm +3\\.1416 +3\\.2[0-9]+ [^\n]*\n(.|\n)*棒间距 M +mm\n(.|\n)*量棒不能同时接触" << "";
    QTest::newRow("small 30° hub: the pin touching on the pitch circle")
        << QStringList{"spline", "--designation", "INT 8z × 1m × 30P × 5H", "--format", "json"} << 0
        << "\"proposed\": 1\\.7,(.|\n)*\"dimension\": \\{\"nominal\": 5\\.43" << "";
    QTest::newRow("din tolerance without deviations is not judged, for a script")
        << QStringList{"spline", "--designation", "DIN 5480 - W 50 x 2 x 24 x 8f", "--measured", "54.0", "--fail-exit"} << 5
        << "未判定(.|\n)*公差 8f 没有偏差" << "";
    QTest::newRow("not judged is a result without --fail-exit")
        << QStringList{"spline", "--designation", "DIN 5480 - W 50 x 2 x 24 x 8f", "--measured", "54.0", "--format", "json"} << 0
        << "\"verdict\": \"notJudged\"(.|\n)*\"warningCodes\": \\[\"toleranceNotApplied\"\\]" << "";
    QTest::newRow("module beyond every gear") << QStringList{"spline", "--designation", "EXT 24z × 1e200m × 30P", "--format", "json"} << 1
                                              << "^$" << "模数 m 须在 0.001 到 10000 mm";
    QTest::newRow("module that underflows") << QStringList{"spline", "--designation", "EXT 24z × 0.0009m × 30P"} << 1 << "^$"
                                            << "模数 m 须在 0.001 到 10000 mm";
    QTest::newRow("negative effective variation")
        << QStringList{"spline", "--designation", "DIN 5480 W 50x2x24", "--upper-deviation", "-0.04", "--lower-deviation", "-0.1",
                       "--effective-variation", "-0.01"} << 1 << "^$" << "λ 不能为负数";
    QTest::newRow("one deviation alone") << QStringList{"spline", "--designation", "DIN 5480 W 50x2x24", "--upper-deviation", "-0.04"}
                                         << 2 << "" << "--lower-deviation";
    QTest::newRow("measured within the limits")
        << QStringList{"spline", "--designation", "EXT 25z × 1m × 30R × 6e", "--spline-length", "15", "--measured", "27.45", "--fail-exit"}
        << 0 << "实际齿厚 S = 1\\.4838，合格" << "";
    QTest::newRow("measured hub too wide, for a script")
        << QStringList{"--lang", "en", "spline", "--designation", "INT 25z × 1m × 30P × 5H", "--spline-length", "15", "--measured", "22.35", "--fail-exit"}
        << 4 << "Actual space width E = 1\\.6392" << "";
    QTest::newRow("measured impossible") << QStringList{"spline", "--designation", "EXT 24z × 2m × 30P", "--measured", "40"} << 1 << ""
                                         << "实测值不可能";
    QTest::newRow("unknown format") << QStringList{"spline", "--designation", "DIN 5480 W 50x2x24", "--format", "xml"} << 2 << ""
                                    << "xml";
}

void TestSplineCommand::answers()
{
    QFETCH(QStringList, arguments);
    const Run run = runGeardim(arguments);
    QVERIFY(run.finished);
    QTEST(run.status, "status");
    QFETCH(QString, out);
    QFETCH(QString, err);
    // The output as a pattern (the table's columns are aligned with spaces).
    QVERIFY2(QString::fromUtf8(run.out).contains(QRegularExpression(out)), run.out.constData());
    QVERIFY2(QString::fromUtf8(run.err).contains(err), run.err.constData());
}

void TestSplineCommand::jsonNamesTheLimits()
{
    const Run run = runGeardim({"spline", "--designation", "EXT 25z × 1m × 30R × 6e ISO 4156", "--spline-length", "15", "--format", "json"});
    QCOMPARE(run.status, 0);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(run.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(o["standard"].toString(), QString("ISO 4156"));
    QCOMPARE(o["internal"].toBool(true), false);
    QCOMPARE(o["class"].toInt(), 6);
    QCOMPARE(o["fit"].toString(), QString("e"));
    const QJsonObject s = o["toothThickness"].toObject();
    QCOMPARE(std::round(s["effectiveMax"].toDouble() * 1000) / 1000, 1.531);
    QCOMPARE(std::round(s["actualMin"].toDouble() * 1000) / 1000, 1.445);
    const QJsonObject pins = o["pins"].toObject();
    QVERIFY(pins["dimension"].toObject()["actualMax"].toDouble() > pins["dimension"].toObject()["actualMin"].toDouble());
    QVERIFY(pins["diameter"].toDouble() > 0);
    QVERIFY(o.contains("span") && o["warningCodes"].toArray().isEmpty());
}

// The picture as SVG and PNG; a size below the least is a usage error, and a pin that fits
// no space leaves nothing to draw.
void TestSplineCommand::picturesAreWritten()
{
    QTemporaryDir dir;
    const QString svg = dir.filePath("hub.svg"), png = dir.filePath("hub.png");
    const QStringList hub{"spline", "--designation", "INT 25z x 1m x 30P x 5H"};
    QCOMPARE(runGeardim(hub + QStringList{"--picture", svg}).status, 0);
    QFile drawn(svg);
    QVERIFY(drawn.open(QIODevice::ReadOnly));
    const QByteArray text = drawn.readAll();
    QVERIFY(text.startsWith("<?xml") && text.contains("<polyline") && text.contains("M = 22.2162"));
    QCOMPARE(runGeardim(hub + QStringList{"--picture", png, "--picture-size", "100x100"}).status, 0);
    QVERIFY(QImage(png).size() == QSize(100, 100));
    const Run small = runGeardim(hub + QStringList{"--picture", png, "--picture-size", "99x100"});
    QCOMPARE(small.status, 2);
    QVERIFY(small.err.contains("99x100"));
    const Run noFit = runGeardim({"spline", "--designation", "INT 24z × 2m × 30P × 6H", "--pin-diameter", "6", "--picture", svg});
    QCOMPARE(noFit.status, 1);
}

// What a script reads from the exit status, for every command: 4 only with --fail-exit and a
// part that fails (thick or thin), 2 for options that cannot be used, 0 for a result.
void TestSplineCommand::scriptsGetTheirStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err");
    const QStringList gear{"sheet", "--module", "2", "--teeth", "30", "--allowance-upper", "-0.05", "--allowance-lower", "-0.1"};
    QTest::newRow("thin gear, for a script") << gear + QStringList{"--measured-over-gauges", "64.8", "--fail-exit"} << 4 << "";
    QTest::newRow("thick gear, for a script") << gear + QStringList{"--measured-over-gauges", "65.3", "--fail-exit"} << 4 << "";
    QTest::newRow("gear within, for a script") << gear + QStringList{"--measured-over-gauges", "65.0", "--fail-exit"} << 0 << "";
    QTest::newRow("thin gear is a result") << gear + QStringList{"--measured-over-gauges", "64.8"} << 0 << "";
    QTest::newRow("nothing measured, for a script") << gear + QStringList{"--fail-exit"} << 0 << "";
    QTest::newRow("nothing measured on a spline, for a script")
        << QStringList{"spline", "--designation", "EXT 25z x 1m x 30R x 6e", "--fail-exit"} << 0 << "";
    QTest::newRow("thin spline is a result")
        << QStringList{"spline", "--designation", "EXT 25z x 1m x 30R x 6e", "--measured", "27.2"} << 0 << "";
    QTest::newRow("thin spline, for a script")
        << QStringList{"spline", "--designation", "EXT 25z x 1m x 30R x 6e", "--measured", "27.2", "--fail-exit"} << 4 << "";
    QTest::newRow("a blank shift") << gear + QStringList{"--shift", " "} << 2 << "--shift";
    QTest::newRow("a measured value with a spline batch")
        << QStringList{"spline", "--batch", "/dev/null", "--measured", "5"} << 2 << "--measured";
    QTest::newRow("the least picture") << gear + QStringList{"--picture", "PICTURE.png", "--picture-size", "100x100"} << 0 << "";
    QTest::newRow("below the least picture") << gear + QStringList{"--picture", "PICTURE.png", "--picture-size", "100x99"} << 2
                                             << "100x99";
    QTest::newRow("a data table named in capitals") << gear + QStringList{"--data-table", "TABLE.DXF"} << 0 << "";
}

void TestSplineCommand::scriptsGetTheirStatus()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    for (QString &a : arguments) {
        if (a == "PICTURE.png" || a == "TABLE.DXF")
            a = dir.filePath(a);
    }
    const Run run = runGeardim(arguments);
    QTEST(run.status, "status");
    QFETCH(QString, err);
    QVERIFY2(QString::fromUtf8(run.err).contains(err), run.err.constData());
    // A data table named X.DXF is a DXF, whatever the case of its suffix.
    if (arguments.contains(dir.filePath("TABLE.DXF"))) {
        QFile table(dir.filePath("TABLE.DXF"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        QVERIFY(table.readAll().contains("SECTION"));
    }
}

// An allowance typed (as an option, in a gear file, or in a batch column) wins over the code's;
// the code fills only what was not typed. The helical gear picks its row by d = z·mn/cos β.
void TestSplineCommand::typedAllowancesWinOverTheCode()
{
    QTemporaryDir dir;
    const QString table = dir.filePath("allowances.csv"), gear = dir.filePath("coded.gear"), batch = dir.filePath("gears.csv");
    QFile t(table);
    QVERIFY(t.open(QIODevice::WriteOnly));
    // z 30 × mn 2: d 60 (spur) in the first row, 63.85 at β 20° in the second.
    t.write("code,diameterFrom,diameterTo,upper,lower\nh7,0,62,-40,-90\nh7,62,100,-50,-110\n");
    t.close();
    const auto allowances = [](const Run &run) {
        const QJsonObject a = QJsonDocument::fromJson(run.out).object()["allowances"].toObject();
        return QStringLiteral("%1/%2").arg(a["upper"].toDouble()).arg(a["lower"].toDouble());
    };
    const QStringList coded{"sheet", "--module", "2", "--teeth", "30", "--allowance-code", "h7", "--allowance-table", table, "--format", "json"};
    QCOMPARE(allowances(runGeardim(coded)), QString("-0.04/-0.09"));
    QCOMPARE(allowances(runGeardim(coded + QStringList{"--helix-angle", "20"})), QString("-0.05/-0.11"));
    QCOMPARE(allowances(runGeardim(coded + QStringList{"--allowance-upper", "-0.02"})), QString("-0.02/-0.09"));
    // A gear file holding the code and Esns: --load keeps the file's Esns, the code gives Esni.
    QCOMPARE(runGeardim({"sheet", "--module", "2", "--teeth", "30", "--allowance-code", "h7", "--allowance-table", table,
                         "--allowance-upper", "-0.03", "--save", gear}).status, 0);
    QCOMPARE(allowances(runGeardim({"sheet", "--load", gear, "--allowance-table", table, "--format", "json"})), QString("-0.03/-0.09"));
    // A batch: the code column with a typed upper column.
    QFile b(batch);
    QVERIFY(b.open(QIODevice::WriteOnly));
    b.write("module,teeth,allowance-code,allowance-upper\n2,30,h7,-0.01\n2,30,h7,\n");
    b.close();
    const Run lines = runGeardim({"sheet", "--batch", batch, "--allowance-table", table});
    QCOMPARE(lines.status, 0);
    const QStringList out = QString::fromUtf8(lines.out).split(u'\n', Qt::SkipEmptyParts);
    const QStringList header = out[0].split(u',');
    const int upper = int(header.indexOf("allowances.upper")), lower = int(header.indexOf("allowances.lower"));
    QVERIFY(upper > 0 && lower > 0);
    QCOMPARE(out[1].split(u',')[upper] + "/" + out[1].split(u',')[lower], QString("-0.01/-0.09"));
    QCOMPARE(out[2].split(u',')[upper] + "/" + out[2].split(u',')[lower], QString("-0.04/-0.09"));
}

// A batch whose results cannot be written (a full disk) says so and fails.
void TestSplineCommand::batchToAFullDiskFails()
{
#if defined(Q_OS_UNIX)
    QTemporaryDir dir;
    QFile in(dir.filePath("gears.csv"));
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write("module,teeth\n2,30\n");
    in.close();
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(GEARDIM_EXE), {"sheet", "--batch", in.fileName()});
    QVERIFY(process.waitForFinished(30000));
    QVERIFY(process.exitCode() != 0);
    QVERIFY(!process.readAllStandardError().isEmpty());
#else
    QSKIP("/dev/full is Linux's");
#endif
}

void TestSplineCommand::helpFitsATerminalAndLosesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("complete"); // a description that must come out whole, its lines joined
    QTest::newRow("sheet") << QStringList{"--help"} << "批量计算后给出各实测尺寸的汇总：件数、合格数、平均、最小、最大、s、Cp、Cpk";
    // Each option's value named as it is typed.
    QTest::newRow("sheet, value names") << QStringList{"--help"} << "--gauge <ball|pin>";
    QTest::newRow("sheet, hand") << QStringList{"--help"} << "--hand <left|right>";
    QTest::newRow("sheet, code") << QStringList{"--help"} << "--allowance-code <text>";
    QTest::newRow("sheet, flag") << QStringList{"--help"} << "--internal 内齿轮";
    QTest::newRow("pair") << QStringList{"pair", "--help"} << "--centre-distance <value>";
    QTest::newRow("sheet, english") << QStringList{"--lang", "en", "--help"} << "s, Cp, Cpk";
    QTest::newRow("spline") << QStringList{"spline", "--help"} << "DIN 5480：从齿厚偏差表按标记中的公差代号（如 8f）和参考直径 dB 取上下偏差";
    QTest::newRow("spline, english") << QStringList{"--lang", "en", "spline", "--help"} << "--allowance-table";
}

// Every line of the help fits 80 terminal columns (a Chinese character takes two), and a long
// description comes out whole.
void TestSplineCommand::helpFitsATerminalAndLosesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, complete);
    const Run run = runGeardim(arguments);
    QCOMPARE(run.status, 0);
    const QStringList lines = QString::fromUtf8(run.out).split(u'\n');
    QString joined;
    for (const QString &line : lines) {
        int columns = 0;
        for (const uint c : line.toUcs4())
            columns += c >= 0x1100 ? 2 : 1;
        QVERIFY2(columns <= 80, qPrintable(line));
        joined += line;
    }
    // Blank lines only between the help's parts (before the options and the arguments).
    QVERIFY2(lines.count(QString()) <= 3, run.out.constData());
    const QRegularExpression space(QStringLiteral("\\s+"));
    QVERIFY2(joined.remove(space).contains(QString(complete).remove(space)), qPrintable(complete));
}

void TestSplineCommand::splineFilesReadBackWhatTheyWrite()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("hub.spline");
    const QStringList inputs{"--designation", "DIN 5480 - N 50 x 2 x 24 x 9H", "--pin-diameter", "3.5", "--upper-deviation", "0.08",
                             "--lower-deviation", "0.02", "--effective-variation", "0.025", "--format", "json"};
    const Run saved = runGeardim(QStringList{"spline"} + inputs + QStringList{"--save", file});
    QCOMPARE(saved.status, 0);
    const Run loaded = runGeardim({"spline", "--load", file, "--format", "json"});
    QCOMPARE(loaded.status, 0);
    QCOMPARE(loaded.out, saved.out);
    // An option overrides the file's value.
    const Run overridden = runGeardim({"spline", "--load", file, "--pin-diameter", "4", "--format", "json"});
    QCOMPARE(QJsonDocument::fromJson(overridden.out).object()["pins"].toObject()["diameter"].toDouble(), 4.0);
}

void TestSplineCommand::splineFilesRefuseWhatTheyCannotHold_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("gear file") << QByteArray(R"({"format": "geardim-gear", "version": 1})") << "geardim-spline";
    QTest::newRow("newer version") << QByteArray(R"({"format": "geardim-spline", "version": 2, "designation": "EXT 24z x 2m x 30P"})") << "版本 2";
    QTest::newRow("misspelt key") << QByteArray(R"({"format": "geardim-spline", "version": 1, "designation": "EXT 24z x 2m x 30P", "pinDiamter": 4})")
                                  << "pinDiamter";
    QTest::newRow("number as text") << QByteArray(R"({"format": "geardim-spline", "version": 1, "designation": "EXT 24z x 2m x 30P", "pinDiameter": "4"})")
                                    << "pinDiameter";
    QTest::newRow("bad designation") << QByteArray(R"({"format": "geardim-spline", "version": 1, "designation": "EXT 24z x 2m x 31P"})")
                                     << "31P";
    QTest::newRow("one deviation") << QByteArray(R"({"format": "geardim-spline", "version": 1, "designation": "DIN 5480 W 50x2x24", "upperDeviation": 0.1})")
                                   << "上偏差和下偏差";
    QTest::newRow("cut short") << QByteArray(R"({"format": "geardim-spline", "vers)") << "JSON";
}

void TestSplineCommand::splineFilesRefuseWhatTheyCannotHold()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString file = dir.filePath("x.spline");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    const Run run = runGeardim({"spline", "--load", file});
    QCOMPARE(run.status, 1);
    QVERIFY2(QString::fromUtf8(run.err).contains(reason), run.err.constData());
}

QTEST_GUILESS_MAIN(TestSplineCommand)
#include "tst_splinecommand.moc"
