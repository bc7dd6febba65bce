#include <QtTest>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "tests/support/program.h"

// `geardim pair` from outside: the published examples to their printed digits, the JSON
// names, gear and pair files, the batch and the reasons it gives.
class TestPairCommand : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void jsonNamesEveryQuantity();
    void gearFilesMakeAPairAndPairFilesReadBack();
    void batchLinesAndTheirErrors();
    void pdfsCarryTheTables();
};

void TestPairCommand::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // a regular expression
    QTest::addColumn<QString>("err");
    // A published profile-shift example: a 56.500 (56.49987), αw 26.0886°.
    QTest::newRow("published shifted pair")
        << QStringList{"pair", "--module", "3", "--teeth1", "12", "--teeth2", "24", "--shift1", "0.6", "--shift2", "0.36"} << 0
        << "无侧隙中心距 a0（公称齿厚） +mm +56\\.4999\n(.|\n)*端面啮合角 αwt +° +26\\.0886\n" << "";
    // ISO 21771's example: Σx 0.651877 for a 116.5.
    QTest::newRow("iso shift for a centre distance")
        << QStringList{"pair", "--module", "3.5", "--helix-angle", "21", "--teeth1", "31", "--teeth2", "30", "--shift1", "0.2",
                       "--centre-distance", "116.5"}
        << 0 << "变位系数 x（齿轮 2 由中心距求得） +0\\.200000 +0\\.451877\n(.|\n)*变位系数和 Σx（齿厚偏差时 ΣxE） +0\\.651877" << "";
    QTest::newRow("english") << QStringList{"--lang", "en", "pair", "--module", "2", "--teeth1", "20", "--teeth2", "40",
                                            "--centre-distance", "60.3", "--allowance-upper1", "-0.05", "--allowance-lower1", "-0.1"}
                             << 0 << "Normal backlash jbn +mm +0\\.[0-9]{4} +0\\.[0-9]{4}" << "";
    // Both shifts given: a centre distance below the tight mesh leaves negative backlash.
    QTest::newRow("gears that jam")
        << QStringList{"pair", "--module", "2", "--teeth1", "20", "--teeth2", "40", "--shift2", "0", "--centre-distance", "59.98"} << 0
        << "! 最小法向侧隙为 -0\\.0[0-9]+ mm" << "";
    QTest::newRow("centre distance inside the base circles")
        << QStringList{"pair", "--module", "2", "--teeth1", "20", "--teeth2", "40", "--centre-distance", "50"} << 1 << "^$"
        << "中心距 a 须大于";
    QTest::newRow("a gear's own fault names the gear")
        << QStringList{"pair", "--module", "2", "--teeth1", "20", "--teeth2", "40.5"} << 1 << "^$" << "齿轮 2：";
    QTest::newRow("no module") << QStringList{"pair", "--teeth1", "20", "--teeth2", "40"} << 2 << "^$" << "--module";
    QTest::newRow("no teeth") << QStringList{"pair", "--module", "2", "--teeth1", "20"} << 2 << "^$" << "--teeth2";
    QTest::newRow("module and pitch") << QStringList{"pair", "--module", "2", "--diametral-pitch", "10", "--teeth1", "20", "--teeth2", "40"}
                                      << 1 << "^$" << "";
    QTest::newRow("not a number") << QStringList{"pair", "--module", "2", "--teeth1", "20", "--teeth2", "4O"} << 2 << "^$" << "4O";
    QTest::newRow("reversed deviations")
        << QStringList{"pair", "--module", "2", "--teeth1", "20", "--teeth2", "40", "--centre-distance-upper", "-0.01",
                       "--centre-distance-lower", "0.02"} << 1 << "^$" << "上偏差小于下偏差";
    QTest::newRow("inches") << QStringList{"pair", "--diametral-pitch", "10", "--teeth1", "20", "--teeth2", "40"} << 0
                            << "中心距 a（= a0） +in +3\\.00000" << "";
}

void TestPairCommand::answers()
{
    QFETCH(QStringList, arguments);
    const Run run = runGeardim(arguments);
    QVERIFY(run.finished);
    QTEST(run.status, "status");
    QFETCH(QString, out);
    QFETCH(QString, err);
    QVERIFY2(QString::fromUtf8(run.out).contains(QRegularExpression(out)), run.out.constData());
    QVERIFY2(QString::fromUtf8(run.err).contains(err), run.err.constData());
}

void TestPairCommand::jsonNamesEveryQuantity()
{
    const Run run = runGeardim({"pair", "--module", "2", "--helix-angle", "15", "--teeth1", "20", "--teeth2", "40", "--centre-distance",
                                "62.5", "--centre-distance-upper", "0.03", "--centre-distance-lower", "-0.01", "--allowance-upper1",
                                "-0.04", "--allowance-lower1", "-0.08", "--face-width", "25", "--format", "json"});
    QCOMPARE(run.status, 0);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(run.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    for (const char *key : {"gear1", "gear2", "sumShift", "referenceCentreDistance", "centreDistance", "tightMeshCentreDistance",
                            "workingPressureAngle", "backlash", "contactRatio", "tipClearance", "warnings", "warningCodes"})
        QVERIFY2(o.contains(key), key);
    QCOMPARE(o["centreDistance"].toObject()["max"].toDouble(), 62.53);
    QCOMPARE(o["centreDistance"].toObject()["min"].toDouble(), 62.49);
    QCOMPARE(o["gear2"].toObject()["shiftSolved"].toBool(), true);
    QCOMPARE(o["gear1"].toObject()["allowances"].toObject()["lower"].toDouble(), -0.08);
    const QJsonObject backlash = o["backlash"].toObject();
    QVERIFY(backlash["normal"].toObject()["max"].toDouble() > backlash["normal"].toObject()["min"].toDouble());
    QVERIFY(backlash["circumferential"].toObject()["min"].toDouble() > backlash["normal"].toObject()["min"].toDouble());
    const QJsonObject ratio = o["contactRatio"].toObject();
    QCOMPARE(ratio["total"].toDouble(), ratio["transverse"].toDouble() + ratio["overlap"].toDouble());
}

void TestPairCommand::gearFilesMakeAPairAndPairFilesReadBack()
{
    QTemporaryDir dir;
    const QString pinion = dir.filePath("pinion.gear"), wheel = dir.filePath("wheel.gear"), other = dir.filePath("other.gear");
    const QString pair = dir.filePath("drive.pair"), internal = dir.filePath("ring.gear");
    QCOMPARE(runGeardim({"sheet", "--module", "2.5", "--teeth", "19", "--shift", "0.25", "--allowance-upper", "-0.05",
                         "--allowance-lower", "-0.1", "--save", pinion}).status, 0);
    QCOMPARE(runGeardim({"sheet", "--module", "2.5", "--teeth", "52", "--allowance-upper", "-0.07", "--allowance-lower", "-0.13",
                         "--save", wheel}).status, 0);
    QCOMPARE(runGeardim({"sheet", "--module", "3", "--teeth", "52", "--save", other}).status, 0);
    QCOMPARE(runGeardim({"sheet", "--module", "2.5", "--teeth", "80", "--internal", "--save", internal}).status, 0);
    const QStringList fromGears{"pair", "--load1", pinion, "--load2", wheel, "--centre-distance", "89.4", "--format", "json"};
    const Run typed = runGeardim({"pair", "--module", "2.5", "--teeth1", "19", "--shift1", "0.25", "--allowance-upper1", "-0.05",
                                  "--allowance-lower1", "-0.1", "--teeth2", "52", "--allowance-upper2", "-0.07", "--allowance-lower2",
                                  "-0.13", "--centre-distance", "89.4", "--format", "json"});
    const Run loaded = runGeardim(fromGears);
    QCOMPARE(loaded.status, 0);
    QCOMPARE(loaded.out, typed.out);
    // Saved as a pair file and read back: the same pair; an option overrides the file.
    QCOMPARE(runGeardim(fromGears + QStringList{"--save", pair}).status, 0);
    QCOMPARE(runGeardim({"pair", "--load", pair, "--format", "json"}).out, typed.out);
    const Run overridden = runGeardim({"pair", "--load", pair, "--centre-distance", "90", "--format", "json"});
    QCOMPARE(QJsonDocument::fromJson(overridden.out).object()["centreDistance"].toObject()["nominal"].toDouble(), 90.0);
    // Gears that cannot mesh, and an internal gear, are refused with the reason.
    const Run mismatch = runGeardim({"pair", "--load1", pinion, "--load2", other});
    QCOMPARE(mismatch.status, 1);
    QVERIFY2(mismatch.err.contains("模数"), mismatch.err.constData());
    const Run ring = runGeardim({"pair", "--load1", pinion, "--load2", internal});
    QCOMPARE(ring.status, 1);
    QVERIFY2(ring.err.contains("内齿轮"), ring.err.constData());
    // A gear file is not a pair file.
    const Run wrong = runGeardim({"pair", "--load", pinion});
    QCOMPARE(wrong.status, 1);
    QVERIFY2(wrong.err.contains("geardim-pair"), wrong.err.constData());
}

void TestPairCommand::batchLinesAndTheirErrors()
{
    QTemporaryDir dir;
    const QString in = dir.filePath("pairs.csv"), out = dir.filePath("out.csv");
    QFile f(in);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("module,teeth1,teeth2,shift1,centre-distance\n3,12,24,0.6,56.5\n2,20,40,,50\n2,20,x,,\n");
    f.close();
    const Run run = runGeardim({"pair", "--batch", in, "--out", out});
    QCOMPARE(run.status, 3);
    QFile result(out);
    QVERIFY(result.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(result.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].startsWith("module,teeth1,teeth2,shift1,centre-distance,module,") && lines[0].endsWith(",error"));
    QVERIFY2(lines[1].contains(",0.36") && lines[1].endsWith(","), qPrintable(lines[1])); // x2 solved: 0.36
    QVERIFY2(lines[2].contains("中心距 a 须大于"), qPrintable(lines[2]));
    QVERIFY2(lines[3].contains("teeth2 列的值不是数"), qPrintable(lines[3]));
    const Run refused = runGeardim({"pair", "--batch", in, "--teeth1", "20"});
    QCOMPARE(refused.status, 2);
}

// The pair's PDF and the spline's read back: the tables as text, the spline's W with its limits
// and the measured verdict with the part's conclusion.
void TestPairCommand::pdfsCarryTheTables()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    QTemporaryDir dir;
    const auto text = [](const QString &pdf) {
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const QString pair = dir.filePath("pair.pdf"), spline = dir.filePath("spline.pdf");
    QCOMPARE(runGeardim({"pair", "--module", "3", "--teeth1", "12", "--teeth2", "24", "--shift1", "0.6", "--shift2", "0.36", "--pdf", pair}).status, 0);
    const QString page = text(pair);
    for (const char *expected : {"齿轮副", "无侧隙中心距", "56.4999", "26.0886", "法向侧隙 jbn", "签字"})
        QVERIFY2(page.contains(QString::fromUtf8(expected)), expected);
    QCOMPARE(runGeardim({"spline", "--designation", "EXT 25z x 1m x 30R x 6e", "--spline-length", "15", "--measured", "27.2", "--pdf", spline}).status, 0);
    const QString sheet = text(spline);
    QVERIFY2(sheet.contains(QRegularExpression("公法线长度 W（k = 5）\\s+mm\\s+13\\.4069\\s+13\\.3440\\s+13\\.2978")), qPrintable(sheet));
    for (const char *expected : {"偏薄", "结论：不合格", "签字"})
        QVERIFY2(sheet.contains(QString::fromUtf8(expected)), expected);
}

QTEST_GUILESS_MAIN(TestPairCommand)
#include "tst_paircommand.moc"
