#include <QtTest>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "io/gearfile.h"
#include "io/pairfile.h"
#include "io/splinefile.h"
#include "io/geardatatable.h"
#include "io/workpiecelog.h"

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>
#include "core/sheet/sheetreport.h"

using namespace geardim;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A folder nobody may write into, as far as this machine allows; false when it cannot be made.
bool makeReadOnly(const QString &dir, bool readOnly)
{
#if defined(Q_OS_UNIX)
    const bool root = geteuid() == 0;
#else
    const bool root = false;
#endif
    if (!root)
        return QFile::setPermissions(dir, readOnly ? QFile::ReadOwner | QFile::ExeOwner
                                                   : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Root writes anywhere permissions say no; the immutable attribute stops it.
    return QProcess::execute(QStringLiteral("chattr"), {readOnly ? "+i" : "-i", dir}) == 0;
}

const SheetInput kGear{.module = 2.5, .teeth = 41, .pressureAngleDeg = 25, .helixAngleDeg = -12.5,
                       .internal = true, .thickness = 3.9, .tipDiameter = 99.5, .allowanceUpper = -0.05,
                       .allowanceLower = -0.12, .gauge = GaugeKind::Pin, .gaugeDiameter = 4.25, .faceWidth = 30};

} // namespace

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void gearFileRoundTrip();
    void refusesWhatIsNotAGearFile_data();
    void refusesWhatIsNotAGearFile();
    void acceptsEveryBound_data();
    void acceptsEveryBound();
    void aMebibyteIsTheLimit();
    void keepsKeysOfANewerMinorVersion();
    void failedSaveLeavesTheOldFile();
    void twoProgramsLogToOneFile();
    void logOfTheEarlierColumnsGoesOn();
    void logLineHoldsTheGearAsGiven_data();
    void logLineHoldsTheGearAsGiven();
    void filesReadWhatTheyMean_data();
    void filesReadWhatTheyMean();
    void newLogIsWholeAndReadable();
    void drawingNumberTravelsWithTheGear();
    void gearFileTakesTheOldestVersionThatHoldsIt_data();
    void gearFileTakesTheOldestVersionThatHoldsIt();
    void gearDataTableReadsBack();
    void gearFileIntoAPairTakesItsHand();
    void splineFileKeepsNoMeasuredValue();

private:
    QTemporaryDir dir;
};

void TestRecords::gearFileRoundTrip()
{
    const QString path = dir.filePath("round.gear");
    QVERIFY(writeGearFile(path, kGear).ok());
    const FileOutcome<GearDocument> read = readGearFile(path);
    QVERIFY2(read.ok(), qPrintable(read.problem()));
    const SheetInput &in = read.value().input;
    QCOMPARE(in.module, kGear.module);
    QVERIFY(!in.diametralPitch);
    QCOMPARE(in.teeth, kGear.teeth);
    QCOMPARE(in.pressureAngleDeg, kGear.pressureAngleDeg);
    QCOMPARE(in.helixAngleDeg, kGear.helixAngleDeg);
    QCOMPARE(in.internal, true);
    QVERIFY(!in.shift);
    QCOMPARE(in.thickness, kGear.thickness);
    QCOMPARE(in.tipDiameter, kGear.tipDiameter);
    QCOMPARE(in.allowanceUpper, kGear.allowanceUpper);
    QCOMPARE(in.allowanceLower, kGear.allowanceLower);
    QCOMPARE(in.gauge, GaugeKind::Pin);
    QCOMPARE(in.gaugeDiameter, kGear.gaugeDiameter);
    QCOMPARE(in.faceWidth, kGear.faceWidth);
    // The same sheet from the file as from the inputs.
    QCOMPARE(sheetJson(computeSheet(in).value()), sheetJson(computeSheet(kGear).value()));
    const QJsonObject root = QJsonDocument::fromJson(readAll(path)).object();
    QCOMPARE(root["format"].toString(), QString("geardim-gear"));
    QCOMPARE(root["version"].toInt(), 1);
}

void TestRecords::refusesWhatIsNotAGearFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("problem");
    const QByteArray good = R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30}})";
    QTest::newRow("not_json") << QByteArray("module=2\nteeth=30\n") << "JSON";
    QTest::newRow("truncated") << good.left(good.size() - 9) << "不完整";
    QTest::newRow("other_json") << QByteArray(R"({"name": "a gear"})") << "不是齿轮文件";
    QTest::newRow("array") << QByteArray("[1, 2]") << "不是齿轮文件";
    QTest::newRow("wrong_type") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"teeth": "30"}})")
                                << "gear.teeth";
    QTest::newRow("section_wrong_type") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": 5})")
                                        << "gear";
    QTest::newRow("teeth_out_of_range")
        << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 0.5}})") << "超出范围";
    QTest::newRow("angle_out_of_range")
        << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"teeth": 30, "pressureAngle": 95}})")
        << "gear.pressureAngle";
    QTest::newRow("newer_version") << QByteArray(R"({"format": "geardim-gear", "version": 2, "gear": {"teeth": 30}})")
                                   << "较新的版本";
    QTest::newRow("bad_gauge_kind")
        << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"teeth": 30}, "gauge": {"kind": "cone"}})")
        << "gauge.kind";
    QTest::newRow("too_large") << QByteArray(kMaxGearFileBytes + 1, ' ') << "1 MiB";
    // Every range just beyond its bound (the bound itself is read: acceptsEveryBound).
    const auto gear = [](const char *section, const char *value) {
        return QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30}, )") + section
               + value + "}";
    };
    QTest::newRow("teeth_zero") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 0}})") << "gear.teeth";
    QTest::newRow("teeth_above_million") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 1000001}})") << "gear.teeth";
    QTest::newRow("pressure_angle_90") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30, "pressureAngle": 90}})") << "gear.pressureAngle";
    QTest::newRow("pressure_angle_0") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30, "pressureAngle": 0}})") << "gear.pressureAngle";
    QTest::newRow("helix_90") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30, "helixAngle": 90}})") << "gear.helixAngle";
    QTest::newRow("helix_minus_90") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30, "helixAngle": -90}})") << "gear.helixAngle";
    QTest::newRow("module_zero") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 0, "teeth": 30}})") << "gear.module";
    QTest::newRow("module_underflows") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 0.00099, "teeth": 30}})") << "gear.module";
    QTest::newRow("module_overflows") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 1e308, "teeth": 30}})") << "gear.module";
    QTest::newRow("pitch_beyond") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"diametralPitch": 25401, "teeth": 30}})") << "gear.diametralPitch";
    QTest::newRow("pitch_zero") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"diametralPitch": 0, "teeth": 30}})") << "gear.diametralPitch";
    QTest::newRow("thickness_zero") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30, "thickness": 0}})") << "gear.thickness";
    QTest::newRow("addendum_negative") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30, "addendum": -1e-9}})") << "gear.addendum";
    QTest::newRow("tip_zero") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30, "tipDiameter": 0}})") << "gear.tipDiameter";
    QTest::newRow("face_zero") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30, "faceWidth": 0}})") << "gear.faceWidth";
    QTest::newRow("span_zero") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30, "spanTeeth": 0}})") << "gear.spanTeeth";
    QTest::newRow("gauge_zero") << gear("\"gauge\": ", R"({"diameter": 0})") << "gauge.diameter";
    QTest::newRow("accuracy_class_12") << gear("\"tolerances\": ", R"({"accuracyClass": 12})") << "tolerances.accuracyClass";
    QTest::newRow("accuracy_class_0") << gear("\"tolerances\": ", R"({"accuracyClass": 0})") << "tolerances.accuracyClass";
    // Version 1.2 is this program's own, known whole: a misspelt key there is a slip too.
    QTest::newRow("misspelt_in_1_2") << QByteArray(R"({"format": "geardim-gear", "version": 1.2, "gear": {"module": 2, "teeth": 30, "helixAngel": 15}})")
                                     << "helixAngel";
    QTest::newRow("master_of_two_teeth") << gear("\"gauge\": ", R"({"masterTeeth": 2})") << "gauge.masterTeeth";
}

void TestRecords::refusesWhatIsNotAGearFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    const QString path = dir.filePath(QStringLiteral("refused-%1.gear").arg(QTest::currentDataTag()));
    writeAll(path, content);
    const FileOutcome<GearDocument> read = readGearFile(path);
    QVERIFY(!read.ok());
    QVERIFY2(read.problem().contains(QFileInfo(path).fileName()), qPrintable(read.problem()));
    QVERIFY2(read.problem().contains(problem), qPrintable(read.problem()));
}

void TestRecords::acceptsEveryBound_data()
{
    QTest::addColumn<QByteArray>("gear");
    QTest::newRow("teeth_one") << QByteArray(R"("module": 2, "teeth": 1)");
    QTest::newRow("teeth_million") << QByteArray(R"("module": 2, "teeth": 1000000)");
    QTest::newRow("pressure_angle_near_90") << QByteArray(R"("module": 2, "teeth": 30, "pressureAngle": 89.999)");
    QTest::newRow("pressure_angle_near_0") << QByteArray(R"("module": 2, "teeth": 30, "pressureAngle": 0.001)");
    QTest::newRow("helix_near_minus_90") << QByteArray(R"("module": 2, "teeth": 30, "helixAngle": -89.999)");
    QTest::newRow("module_least") << QByteArray(R"("module": 0.001, "teeth": 30)");
    QTest::newRow("module_greatest") << QByteArray(R"("module": 10000, "teeth": 30)");
    QTest::newRow("pitch_greatest") << QByteArray(R"("diametralPitch": 25400, "teeth": 30)");
    QTest::newRow("addendum_zero") << QByteArray(R"("module": 2, "teeth": 30, "addendum": 0)");
    QTest::newRow("span_one") << QByteArray(R"("module": 2, "teeth": 30, "spanTeeth": 1)");
    QTest::newRow("shift_any") << QByteArray(R"("module": 2, "teeth": 30, "shift": -40)");
    // The accuracy classes of ISO 1328-1, 1 to 11, both ends.
    QTest::newRow("accuracy_class_1") << QByteArray(R"("module": 2, "teeth": 30}, "tolerances": {"accuracyClass": 1)");
    QTest::newRow("accuracy_class_11") << QByteArray(R"("module": 2, "teeth": 30}, "tolerances": {"accuracyClass": 11)");
    QTest::newRow("master_of_three_teeth") << QByteArray(R"("module": 2, "teeth": 30}, "gauge": {"masterTeeth": 3)");
}

void TestRecords::acceptsEveryBound()
{
    QFETCH(QByteArray, gear);
    const QString path = dir.filePath(QStringLiteral("bound-%1.gear").arg(QTest::currentDataTag()));
    writeAll(path, R"({"format": "geardim-gear", "version": 1, "gear": {)" + gear + "}}");
    const auto read = readGearFile(path);
    QVERIFY2(read.ok(), qPrintable(read.problem()));
}

// A file of exactly 1 MiB is read; one byte more is refused unread.
void TestRecords::aMebibyteIsTheLimit()
{
    const QByteArray good = R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30}})";
    const QString path = dir.filePath("mebibyte.gear");
    writeAll(path, good + QByteArray(kMaxGearFileBytes - good.size(), ' '));
    QVERIFY(readGearFile(path).ok());
    writeAll(path, good + QByteArray(kMaxGearFileBytes - good.size() + 1, ' '));
    QVERIFY(readGearFile(path).problem().contains("1 MiB"));
}

void TestRecords::keepsKeysOfANewerMinorVersion()
{
    const QString path = dir.filePath("newer.gear");
    writeAll(path, R"({"format": "geardim-gear", "version": 1.3, "notes": "from the drawing",
                       "gear": {"module": 2, "teeth": 30, "profileCrowning": 0.01},
                       "gauge": {"kind": "ball", "diameter": 3.5, "grade": "G10"}})");
    const FileOutcome<GearDocument> read = readGearFile(path);
    QVERIFY2(read.ok(), qPrintable(read.problem()));
    SheetInput changed = read.value().input;
    changed.teeth = 31;
    QVERIFY(writeGearFile(path, changed, read.value().document).ok());
    const QJsonObject root = QJsonDocument::fromJson(readAll(path)).object();
    QCOMPARE(root["notes"].toString(), QString("from the drawing"));
    QCOMPARE(root["gear"]["profileCrowning"].toDouble(), 0.01);
    QCOMPARE(root["gauge"]["grade"].toString(), QString("G10"));
    QCOMPARE(root["gear"]["teeth"].toDouble(), 31.0);
    QCOMPARE(root["version"].toDouble(), 1.3);
}

void TestRecords::failedSaveLeavesTheOldFile()
{
    // A path that is a folder.
    QVERIFY(QDir(dir.path()).mkpath("a-folder.gear"));
    const QString problem = writeGearFile(dir.filePath("a-folder.gear"), kGear).problem();
    QVERIFY(problem.contains("a-folder.gear") && problem.contains("文件夹"));
    // A folder nobody may write into: the old file stays as it was.
    const QString locked = dir.filePath("locked");
    QVERIFY(QDir(dir.path()).mkpath("locked"));
    const QString path = locked + "/old.gear";
    QVERIFY(writeGearFile(path, kGear).ok());
    const QByteArray before = readAll(path);
    if (!makeReadOnly(locked, true))
        QSKIP("this machine cannot make a folder read-only for this user");
    SheetInput other = kGear;
    other.teeth = 77;
    const QString refused = writeGearFile(path, other).problem();
    makeReadOnly(locked, false);
#if defined(Q_OS_WIN)
    if (refused.isEmpty())
        QSKIP("under wine, run by root, a folder's permissions stop no write: the read-only folder cannot be made");
#endif
    QVERIFY2(refused.contains("old.gear"), qPrintable(refused));
    QCOMPARE(readAll(path), before);
}

// Two programs append 1,000 parts each to one log: every line whole, one header.
void TestRecords::twoProgramsLogToOneFile()
{
#if defined(Q_OS_UNIX)
    const QString log = dir.filePath("inspections.csv");
    SheetInput in = kGear;
    in.measuredOverGauges = computeSheet(kGear).value().overGauges.nominal;
    const SheetResult sheet = computeSheet(in).value();
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        QVERIFY(children[c] >= 0);
        if (children[c] == 0) {
            int failed = 0;
            for (int i = 0; i < 1000; ++i) {
                const InspectionRecord record{"D-7", QStringLiteral("P%1-%2").arg(c).arg(i), "inspector", "G"};
                failed += appendInspection(log, record, sheet).ok() ? 0 : 1;
            }
            _exit(failed ? 1 : 0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const QList<QByteArray> lines = readAll(log).split('\n');
    QCOMPARE(lines.size(), 2002); // header, 2,000 parts and the empty rest after the last break
    QCOMPARE(lines[0], "\xEF\xBB\xBF" + inspectionLogHeader()); // one mark, for a spreadsheet
    const int columns = int(inspectionLogHeader().count(',')) + 1;
    QSet<QByteArray> parts;
    for (const QByteArray &line : lines.mid(1, 2000)) {
        QCOMPARE(int(line.count(',')) + 1, columns);
        parts.insert(line.split(',')[2]);
    }
    QCOMPARE(parts.size(), 2000);
#else
    QSKIP("fork() is POSIX: under wine the two logging programs would need CreateProcess");
#endif
}

// A log made before the double-flank test's columns takes new parts in its own columns; a new
// log has them, last.
void TestRecords::logOfTheEarlierColumnsGoesOn()
{
    const QByteArray header = inspectionLogHeader();
    QVERIFY(header.endsWith(",master-teeth,master-shift,measured.testCentreDistance.value,measured.testCentreDistance.allowance,"
                            "measured.testCentreDistance.verdict"));
    QByteArray earlier = header;
    earlier.replace(",master-teeth,master-shift,measured.testCentreDistance.value,measured.testCentreDistance.allowance,"
                    "measured.testCentreDistance.verdict", "");
    const QString log = dir.filePath("earlier.csv");
    writeAll(log, "\xEF\xBB\xBF" + earlier + "\n");
    SheetInput in = kGear;
    in.measuredOverGauges = computeSheet(kGear).value().overGauges.nominal;
    in.masterTeeth = 40;
    const SheetResult sheet = computeSheet(in).value();
    const FileDone appended = appendInspection(log, {"D-7", "P1", "Li", "G"}, sheet);
    QVERIFY2(appended.ok(), qPrintable(appended.problem()));
    const QList<QByteArray> lines = readAll(log).split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[1].count(','), earlier.count(','));
    QVERIFY2(lines[1].contains(",thick,"), lines[1].constData()); // M judged, in the earlier columns
    // A fresh log: every column, the master's teeth among them.
    const QString fresh = dir.filePath("fresh.csv");
    QVERIFY(appendInspection(fresh, {"D-7", "P2", "Li", "G"}, sheet).ok());
    const QList<QByteArray> freshLines = readAll(fresh).split('\n');
    QCOMPARE(freshLines[1].count(','), header.count(','));
    QVERIFY(freshLines[1].endsWith(",40,,,,"));
}

// Every input column of a log line holds what was given, in the words a batch column takes.
void TestRecords::logLineHoldsTheGearAsGiven_data()
{
    QTest::addColumn<bool>("internal");
    QTest::addColumn<int>("hand");
    QTest::addColumn<QString>("words"); // column=value …
    QTest::newRow("external, balls, no hand") << false << int(SheetInput::Hand::None)
                                           << "internal=false gauge=ball hand= mating-drawing= allowance-code= teeth=41";
    QTest::newRow("internal, pins, left") << true << int(SheetInput::Hand::Left)
                                          << "internal=true gauge=pin hand=left mating-drawing=ZG-2 allowance-code=c helix-angle=-12.5";
    QTest::newRow("right") << false << int(SheetInput::Hand::Right) << "hand=right module=2.5 gauge-diameter=4.25";
}

void TestRecords::logLineHoldsTheGearAsGiven()
{
    QFETCH(bool, internal);
    QFETCH(int, hand);
    QFETCH(QString, words);
    SheetInput in = kGear;
    in.internal = internal;
    in.gauge = internal ? GaugeKind::Pin : GaugeKind::Ball;
    in.hand = SheetInput::Hand(hand);
    if (internal) {
        in.matingDrawing = "ZG-2";
        in.allowanceCode = "c";
    }
    const QList<QByteArray> names = inspectionLogHeader().split(',');
    const QList<QByteArray> fields = inspectionLogLine({"D", "P", "I", "G"}, computeSheet(in).value(), QDateTime::currentDateTime()).split(',');
    QCOMPARE(fields.size(), names.size());
    for (const QString &word : words.split(' ')) {
        const QStringList pair = word.split('=');
        const qsizetype at = names.indexOf(pair[0].toUtf8());
        QVERIFY2(at >= 0, qPrintable(pair[0]));
        QCOMPARE(QString::fromUtf8(fields[at]), pair[1]);
    }
}

// Gear and spline files: a null is a value left out; a version below 1 is no version.
void TestRecords::filesReadWhatTheyMean_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("problem"); // empty: read
    QTest::newRow("gear: a null shift is no shift")
        << "gear" << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30, "shift": null}})") << "";
    QTest::newRow("gear: a null drawing number is none")
        << "gear" << QByteArray(R"({"format": "geardim-gear", "version": 1.1, "gear": {"module": 2, "teeth": 30}, "record": {"drawing": null}})")
        << "";
    QTest::newRow("gear: version 0.9") << "gear" << QByteArray(R"({"format": "geardim-gear", "version": 0.9, "gear": {"module": 2, "teeth": 30}})")
                                       << "version";
    QTest::newRow("spline: version 0.5")
        << "spline" << QByteArray(R"({"format": "geardim-spline", "version": 0.5, "designation": "INT 25z x 1m x 30P"})") << "version";
    QTest::newRow("spline: version 1")
        << "spline" << QByteArray(R"({"format": "geardim-spline", "version": 1, "designation": "INT 25z x 1m x 30P"})") << "";
    QTest::newRow("spline: a pin written as text")
        << "spline" << QByteArray(R"({"format": "geardim-spline", "version": 1, "designation": "INT 25z x 1m x 30P", "pinDiameter": "1.8"})")
        << "pinDiameter";
    const QByteArray gears = R"("gear1": {"format": "geardim-gear", "version": 1, "gear": {"module": 3, "teeth": 12}},
                                "gear2": {"format": "geardim-gear", "version": 1, "gear": {"module": 3, "teeth": 24}})";
    QTest::newRow("pair: a centre distance")
        << "pair" << QByteArray(R"({"format": "geardim-pair", "version": 1, "pair": {"centreDistance": 56.5}, )" + gears + "}") << "";
    QTest::newRow("pair: a centre distance written as text")
        << "pair" << QByteArray(R"({"format": "geardim-pair", "version": 1, "pair": {"centreDistance": "56.5"}, )" + gears + "}")
        << "centreDistance";
    QTest::newRow("spline: a designation written as a number")
        << "spline" << QByteArray(R"({"format": "geardim-spline", "version": 1, "designation": 25})") << "designation”应为文字";
    QTest::newRow("spline: one deviation")
        << "spline" << QByteArray(R"({"format": "geardim-spline", "version": 1, "designation": "DIN 5480 W 50x2x24", "upperDeviation": -0.04})")
        << "上偏差和下偏差要一起给出";
}

void TestRecords::filesReadWhatTheyMean()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, json);
    QFETCH(QString, problem);
    const QString path = dir.filePath("file." + kind);
    writeAll(path, json);
    if (kind == "gear") {
        const auto read = readGearFile(path);
        QCOMPARE(read.ok(), problem.isEmpty());
        if (read.ok())
            QVERIFY(!read.value().input.shift);
        else
            QVERIFY2(read.problem().contains(problem), qPrintable(read.problem()));
    } else if (kind == "pair") {
        const auto read = readPairFile(path);
        QCOMPARE(read.ok(), problem.isEmpty());
        if (read.ok())
            QCOMPARE(read.value().centreDistance, std::optional(56.5));
        else
            QVERIFY2(read.problem().contains(problem), qPrintable(read.problem()));
    } else {
        const auto read = readSplineFile(path);
        QCOMPARE(read.ok(), problem.isEmpty());
        if (!read.ok())
            QVERIFY2(read.problem().contains(problem), qPrintable(read.problem()));
    }
}

// A new log appears whole, readable by everyone (0644 under umask 022), and leaves no file of
// its making behind.
void TestRecords::newLogIsWholeAndReadable()
{
#if defined(Q_OS_UNIX)
    QTemporaryDir folder;
    const mode_t previous = ::umask(022);
    const QString log = folder.filePath("log.csv");
    const bool ok = appendInspection(log, {"D", "P", "I", "G"}, computeSheet(kGear).value()).ok();
    ::umask(previous);
    QVERIFY(ok);
    QCOMPARE(QFileInfo(log).permissions() & (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
                                             | QFile::ReadOther | QFile::WriteOther),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"log.csv"});
#else
    QSKIP("file modes are POSIX");
#endif
}

// A file says the oldest version whose readers know all its keys: 1.1 brought the hand, the
// code, the tolerances and the record, 1.2 the master gear.
void TestRecords::gearFileTakesTheOldestVersionThatHoldsIt_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<double>("version");
    QTest::newRow("the gear alone") << "" << 1.0;
    QTest::newRow("a hand") << "hand" << 1.1;
    QTest::newRow("an allowance code") << "code" << 1.1;
    QTest::newRow("an accuracy class") << "class" << 1.1;
    QTest::newRow("a drawing number") << "drawing" << 1.1;
    QTest::newRow("a master gear") << "master" << 1.2;
}

void TestRecords::gearFileTakesTheOldestVersionThatHoldsIt()
{
    QFETCH(QString, given);
    QFETCH(double, version);
    SheetInput in{.module = 2, .teeth = 30, .helixAngleDeg = 10};
    if (given == "hand")
        in.hand = SheetInput::Hand::Left;
    if (given == "code")
        in.allowanceCode = "c";
    if (given == "class") {
        in.accuracyClass = 6;
        in.faceWidth = 20;
    }
    if (given == "master")
        in.masterTeeth = 40;
    const QString path = dir.filePath("versioned.gear");
    QVERIFY(writeGearFile(path, in, QJsonObject(), given == "drawing" ? "ZG-1" : "").ok());
    QCOMPARE(QJsonDocument::fromJson(readAll(path)).object()["version"].toDouble(), version);
    QVERIFY(readGearFile(path).ok());
}

void TestRecords::drawingNumberTravelsWithTheGear()
{
    const QString path = dir.filePath("drawn.gear");
    QVERIFY(writeGearFile(path, kGear, QJsonObject(), "ZG-1234").ok());
    const QJsonObject root = QJsonDocument::fromJson(readAll(path)).object();
    QCOMPARE(root["version"].toDouble(), 1.1);
    QCOMPARE(root["record"]["drawing"].toString(), QString("ZG-1234"));
    const auto read = readGearFile(path);
    QVERIFY2(read.ok(), qPrintable(read.problem()));
    QCOMPARE(read.value().drawing, QString("ZG-1234"));
    // Version 1.1 is known whole: a misspelt key there is refused too.
    writeAll(path, R"({"format": "geardim-gear", "version": 1.1, "gear": {"teeth": 30, "module": 2}, "record": {"drawng": "x"}})");
    QVERIFY(readGearFile(path).problem().contains("record.drawng"));
}

namespace {

// The texts of a DXF as dxflib reads them, their \U+XXXX escapes turned back into characters.
class TextCollector : public DL_CreationAdapter {
public:
    QStringList texts;
    bool inBlock = false;
    void addText(const DL_TextData &data) override
    {
        QString text = QString::fromStdString(data.text);
        static const QRegularExpression escape(R"(\\U\+([0-9A-Fa-f]{4}))");
        for (auto m = escape.match(text); m.hasMatch(); m = escape.match(text))
            text.replace(m.capturedStart(), m.capturedLength(), QChar(char16_t(m.captured(1).toUShort(nullptr, 16))));
        texts << text;
        textStarts << data.ipx;
    }
    void addTextStyle(const DL_StyleData &data) override { styles << QString::fromStdString(data.primaryFontFile + "|" + data.bigFontFile); }
    void addLine(const DL_LineData &data) override
    {
        rightmost = std::max({rightmost, data.x1, data.x2});
        if (data.x1 == data.x2)
            verticals << data.x1;
    }
    QList<double> textStarts, verticals;
    QStringList styles;
    double rightmost = 0;
};

} // namespace

// The gear data table as DXF, read back by dxflib: the block holds every caption and value.
void TestRecords::gearDataTableReadsBack()
{
    SheetInput in{.module = 2, .teeth = 30, .helixAngleDeg = 15, .faceWidth = 20};
    in.accuracyClass = 6;
    in.hand = SheetInput::Hand::Right;
    in.matingDrawing = "ZG-2";
    const SheetResult sheet = computeSheet(in).value();
    const QString path = dir.filePath("table.dxf");
    QVERIFY(writeGearDataTable(path, sheet).ok());
    TextCollector collector;
    DL_Dxf dxf;
    QVERIFY(dxf.in(QFile::encodeName(path).toStdString(), &collector));
    for (const char *expected : {"法向模数 mn", "2 mm", "精度等级", "6 ISO 1328-1:2013", "螺旋角 β", "15° 右旋", "配对齿轮图号", "ZG-2",
                                 "跨棒（球）距 M", "齿厚上偏差 Esns", "齿厚下偏差 Esni", "单个齿距公差 fpT", "齿距累积总公差 FpT",
                                 "齿廓总公差 FαT", "螺旋线总公差 FβT", "径向跳动公差 FrT", "8.5 µm", "23.0 µm"})
        QVERIFY2(collector.texts.contains(QString::fromUtf8(expected)), qPrintable(collector.texts.join('|')));
    // The style names the Chinese drafting fonts, Latin and big font, and every text ends
    // inside the table's right border (set in those fonts: 0.7 of the height a Latin
    // character, the whole height a Chinese one).
    QCOMPARE(collector.styles, QStringList{"gbenor.shx|gbcbig.shx"});
    for (int i = 0; i < collector.texts.size(); ++i) {
        double width = 0;
        for (const char32_t c : collector.texts[i].toUcs4())
            width += (c >= 0x2E80 ? 1.0 : 0.7) * 3.5;
        QVERIFY2(collector.textStarts[i] + width < collector.rightmost, qPrintable(collector.texts[i]));
        // Nor does any text cross the line between the captions and the values.
        for (double x : collector.verticals)
            QVERIFY2(!(collector.textStarts[i] < x && collector.textStarts[i] + width > x), qPrintable(collector.texts[i]));
    }
    // SVG and CSV from the same rows; any other suffix is refused.
    QVERIFY(writeGearDataTable(dir.filePath("table.csv"), sheet).ok());
    QVERIFY(readAll(dir.filePath("table.csv")).contains("精度等级,6 ISO 1328-1:2013"));
    QVERIFY(readAll(dir.filePath("table.csv")).startsWith("\xEF\xBB\xBF项目,")); // the mark a spreadsheet reads UTF-8 by
    QVERIFY(writeGearDataTable(dir.filePath("table.svg"), sheet).ok());
    QVERIFY(!writeGearDataTable(dir.filePath("table.pdf"), sheet).ok());
    // The drawing's data travel with the gear (file version 1.1).
    QVERIFY(writeGearFile(dir.filePath("drawn2.gear"), in).ok());
    const auto back = readGearFile(dir.filePath("drawn2.gear"));
    QVERIFY2(back.ok(), qPrintable(back.problem()));
    QCOMPARE(back.value().input.accuracyClass, in.accuracyClass);
    QCOMPARE(back.value().input.hand, SheetInput::Hand::Right);
    QCOMPARE(back.value().input.matingDrawing, std::string("ZG-2"));
    QCOMPARE(QJsonDocument::fromJson(readAll(dir.filePath("drawn2.gear"))).object()["version"].toDouble(), 1.1);
}

// A gear file taken as either gear of a pair brings the shared data; the pair's helix angle
// is gear 1's, so a gear 2 of β = 15° makes the pair's −15°.
void TestRecords::gearFileIntoAPairTakesItsHand()
{
    const SheetInput helical{.module = 2, .teeth = 40, .helixAngleDeg = 15};
    for (const int which : {1, 2}) {
        PairInput pair;
        const FileOutcome<PairGear> taken = pairGearOf(helical, pair, which, false);
        QVERIFY2(taken.ok(), qPrintable(taken.problem()));
        QCOMPARE(pair.helixAngleDeg, which == 1 ? 15.0 : -15.0);
        QCOMPARE(*pair.module, 2.0);
        QCOMPARE(taken.value().teeth, 40.0);
    }
}

// A spline file holds the spline, not the part: a measured value typed with it is not saved.
void TestRecords::splineFileKeepsNoMeasuredValue()
{
    const QString path = dir.filePath("measured.spline");
    SplineFields fields{.designation = "EXT 25z x 1m x 30R x 6e", .splineLength = 15};
    fields.measured = 27.1;
    const FileDone written = writeSplineFile(path, fields);
    QVERIFY2(written.ok(), qPrintable(written.problem()));
    const QJsonObject root = QJsonDocument::fromJson(readAll(path)).object();
    QCOMPARE(root.keys(), (QStringList{"designation", "format", "splineLength", "version"}));
    const FileOutcome<SplineFields> back = readSplineFile(path);
    QVERIFY(back.ok() && !back.value().measured && back.value().splineLength == 15.0);
}

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
