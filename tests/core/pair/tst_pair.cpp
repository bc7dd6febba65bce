#include <QtTest>

#include <cmath>
#include <sstream>

#include "core/common/angle.h"
#include "core/geometry/involute.h"
#include "core/geometry/mesh.h"
#include "core/pair/pair.h"
#include "core/pair/pairbatch.h"
#include "core/pair/pairdrawing.h"
#include "core/pair/pairreport.h"

using namespace geardim;

namespace {

PairResult computed(const PairInput &in)
{
    const auto out = computePair(in);
    if (!out.ok())
        qFatal("no pair: %s (gear %d)", failureText(out.failure().failure), out.failure().gear);
    return out.value();
}

double rounded(double v, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(v * scale) / scale;
}

} // namespace

class TestPair : public QObject {
    Q_OBJECT
private slots:
    void publishedShiftedSpurPair();
    void isoHelicalPairShiftForCentreDistance();
    void backlashAgreesWithTheSheetsThicknesses_data();
    void backlashAgreesWithTheSheetsThicknesses();
    void limitsFollowTheirAllowancesAndDistances();
    void contactRatioAndClearances();
    void warningsAndFailures_data();
    void warningsAndFailures();
    void doubleFlankTestOnTheSheet();
    void meshEndsAtTheBaseCircles();
    void drawingHoldsBothGears();
    void batchNeedsBothTeethColumns_data();
    void batchNeedsBothTeethColumns();
    void doubleFlankTestJudgesThickAndThin_data();
    void doubleFlankTestJudgesThickAndThin();
};

// A published profile-shift example: m 3, z 12/24, x 0.6/0.36: inv αw 0.034316,
// αw 26.0886°, a 56.49987 (56.500).
void TestPair::publishedShiftedSpurPair()
{
    const PairResult r = computed({.module = 3, .gear1 = {.teeth = 12, .shift = 0.6}, .gear2 = {.teeth = 24, .shift = 0.36}});
    QCOMPARE(rounded(r.tightMeshCentreDistance, 5), 56.49987);
    QCOMPARE(r.centreDistance.nominal, r.tightMeshCentreDistance);
    QCOMPARE(rounded(r.workingPressureAngleDeg, 4), 26.0886);
    QCOMPARE(rounded(inv(radians(r.workingPressureAngleDeg)), 6), 0.034316);
    QCOMPARE(rounded(r.referenceCentreDistance, 6), 54.0);
    // At the tight mesh with no allowances there is no backlash at all.
    QVERIFY(std::fabs(r.normal.min) < 1e-12 && std::fabs(r.normal.max) < 1e-12);
    QCOMPARE(r.gear2.shiftSolved, false);
}

// ISO 21771's example: mn 3.5, z 31/30, αn 20°, β 21°, a 116.5: Σx 0.651877, inv αwt 0.0259052;
// with a normal backlash of 0.030 mm the generating sum is 0.639347.
void TestPair::isoHelicalPairShiftForCentreDistance()
{
    PairInput in{.module = 3.5, .helixAngleDeg = 21, .gear1 = {.teeth = 31, .shift = 0.2}, .gear2 = {.teeth = 30},
                 .centreDistance = 116.5};
    const PairResult r = computed(in);
    QCOMPARE(rounded(r.sumShift, 6), 0.651877);
    QCOMPARE(rounded(r.gear2.shift, 6), 0.451877);
    QVERIFY(r.gear2.shiftSolved);
    QCOMPARE(rounded(inv(radians(r.workingPressureAngleDeg)), 7), 0.0259052);
    QCOMPARE(rounded(r.workingPressureAngleDeg, 4), 23.8708);
    QVERIFY(std::fabs(r.tightMeshCentreDistance - 116.5) < 1e-9);
    // Allowances that together thin the teeth by 0.030/cos αn leave exactly 0.030 of normal backlash.
    const double each = -0.030 / std::cos(radians(20)) / 2;
    in.gear1.allowanceUpper = in.gear2.allowanceUpper = each;
    in.gear1.allowanceLower = in.gear2.allowanceLower = 2 * each;
    const PairResult thinned = computed(in);
    QCOMPARE(rounded(thinned.gear1.sheet.shiftAtUpper + thinned.gear2.sheet.shiftAtUpper, 6), 0.639347);
    QCOMPARE(rounded(thinned.normal.min, 9), 0.030);
    QCOMPARE(rounded(thinned.normal.max, 9), 0.060);
}

// Meshing two sheets' gears: the backlash is what the sheets' thicknesses leave. Transverse
// thicknesses on the working circle, computed here from each sheet's thickness limits, fill
// the working pitch less the circumferential backlash.
void TestPair::backlashAgreesWithTheSheetsThicknesses_data()
{
    QTest::addColumn<double>("module");
    QTest::addColumn<double>("helix");
    QTest::addColumn<double>("z1");
    QTest::addColumn<double>("z2");
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<double>("distance");
    QTest::newRow("spur, spread") << 2.0 << 0.0 << 20.0 << 41.0 << 0.1 << -0.05 << 61.3;
    QTest::newRow("helical, close") << 4.0 << 17.0 << 19.0 << 57.0 << 0.3 << 0.0 << 160.2;
    QTest::newRow("pinion and rack-like wheel") << 1.25 << 8.0 << 13.0 << 120.0 << 0.45 << -0.2 << 84.1;
}

void TestPair::backlashAgreesWithTheSheetsThicknesses()
{
    QFETCH(double, module);
    QFETCH(double, helix);
    QFETCH(double, z1);
    QFETCH(double, z2);
    QFETCH(double, x1);
    QFETCH(double, x2);
    QFETCH(double, distance);
    const PairResult r = computed({.module = module, .helixAngleDeg = helix,
                                   .gear1 = {.teeth = z1, .shift = x1, .allowanceUpper = -0.04, .allowanceLower = -0.09},
                                   .gear2 = {.teeth = z2, .shift = x2, .allowanceUpper = -0.06, .allowanceLower = -0.12},
                                   .centreDistance = distance, .centreDistanceUpper = 0.03, .centreDistanceLower = -0.02});
    const double alphaN = radians(20), beta = radians(helix);
    const double alphaT = std::atan(std::tan(alphaN) / std::cos(beta));
    const auto transverseOnWorking = [&](const SheetResult &g, double sn, double a) {
        const double d = g.referenceDiameter, st = sn / std::cos(beta);
        const double working = std::acos(r.referenceCentreDistance * std::cos(alphaT) / a);
        const double dw = 2 * a * g.teeth / (z1 + z2);
        return dw * (st / d + inv(alphaT) - inv(working));
    };
    for (const auto &[a, s1, s2, jwt] :
         {std::tuple{r.centreDistance.min, r.gear1.sheet.thickness.max, r.gear2.sheet.thickness.max, r.circumferential.min},
          std::tuple{r.centreDistance.max, r.gear1.sheet.thickness.min, r.gear2.sheet.thickness.min, r.circumferential.max}}) {
        const double pitch = kPi * 2 * a / (z1 + z2);
        const double expected = pitch - transverseOnWorking(r.gear1.sheet, s1, a) - transverseOnWorking(r.gear2.sheet, s2, a);
        QVERIFY2(std::fabs(jwt - expected) < 1e-9, qPrintable(QStringLiteral("%1 %2").arg(jwt, 0, 'g', 12).arg(expected, 0, 'g', 12)));
    }
    QVERIFY(r.circumferential.max > r.circumferential.min);
}

// The least backlash takes the upper allowances with the smallest distance, the most the
// lower allowances with the largest; the centre distance's limits are a plus its deviations.
void TestPair::limitsFollowTheirAllowancesAndDistances()
{
    const PairInput base{.module = 2, .gear1 = {.teeth = 20, .shift = 0, .allowanceUpper = -0.05, .allowanceLower = -0.1},
                         .gear2 = {.teeth = 40, .shift = 0, .allowanceUpper = -0.05, .allowanceLower = -0.1},
                         .centreDistance = 60, .centreDistanceUpper = 0.04, .centreDistanceLower = -0.01};
    const PairResult r = computed(base);
    QCOMPARE(r.centreDistance.max, 60.04);
    QCOMPARE(r.centreDistance.min, 59.99);
    PairInput wider = base;
    wider.centreDistanceLower = 0;
    QVERIFY(computed(wider).normal.min > r.normal.min); // the smaller distance took backlash away
    PairInput thicker = base;
    thicker.gear1.allowanceUpper = -0.02;
    QVERIFY(computed(thicker).normal.min < r.normal.min);
    QCOMPARE(computed(thicker).normal.max, r.normal.max); // the lower allowance alone sets the most
    // jbn = jwt·cos αwt·cos βb; on spur gears cos βb = 1.
    const double working = std::acos(r.referenceCentreDistance * std::cos(radians(20)) / r.centreDistance.min);
    QCOMPARE(rounded(r.normal.min, 12), rounded(r.circumferential.min * std::cos(working), 12));
    // ISO/TR 10064-2: (2/3)(0.06 + 0.0005·60 + 0.03·2) = 0.1000.
    QCOMPARE(rounded(r.recommendedMinimum, 6), 0.1);
}

void TestPair::contactRatioAndClearances()
{
    // Standard spur gears at the reference distance: εα of 20/40 teeth, ha* 1:
    // (√(22² − 18.7939²) + √(42² − 37.5877²) − 60·sin 20°)/(π·2·cos 20°) = 1.6352;
    // each tip clearance is c*·m.
    const PairResult spur = computed({.module = 2, .gear1 = {.teeth = 20}, .gear2 = {.teeth = 40}});
    QCOMPARE(rounded(spur.transverseContactRatio, 4), 1.6352);
    QCOMPARE(*spur.overlapRatio, 0.0);
    QCOMPARE(rounded(spur.tipClearance1, 9), 0.5);
    QCOMPARE(rounded(spur.tipClearance2, 9), 0.5);
    // Helical: εβ = b·sin β/(π·mn) only with a face width.
    const PairResult helical = computed({.module = 2, .helixAngleDeg = 15, .gear1 = {.teeth = 20}, .gear2 = {.teeth = 40}, .faceWidth = 30});
    QCOMPARE(rounded(*helical.overlapRatio, 6), rounded(30 * std::sin(radians(15)) / (kPi * 2), 6));
    QCOMPARE(*helical.totalContactRatio, helical.transverseContactRatio + *helical.overlapRatio);
    QVERIFY(!computed({.module = 2, .helixAngleDeg = 15, .gear1 = {.teeth = 20}, .gear2 = {.teeth = 40}}).overlapRatio);
    // A left-hand gear 1 overlaps as much.
    const PairResult left = computed({.module = 2, .helixAngleDeg = -15, .gear1 = {.teeth = 20}, .gear2 = {.teeth = 40}, .faceWidth = 30});
    QCOMPARE(*left.overlapRatio, *helical.overlapRatio);
    // The pair keeps gear 1's hand as typed.
    QCOMPARE(helical.helixAngleDeg, 15.0);
    QCOMPARE(left.helixAngleDeg, -15.0);
    // In inches the recommended backlash is the millimetre formula's: P 12.7 is m 2, a 60 mm, 0.1 mm.
    const PairResult inches = computed({.diametralPitch = 12.7, .gear1 = {.teeth = 20}, .gear2 = {.teeth = 40}});
    QCOMPARE(rounded(inches.recommendedMinimum * 25.4, 6), 0.1);
}

void TestPair::warningsAndFailures_data()
{
    QTest::addColumn<double>("distance"); // 0: the tight mesh
    QTest::addColumn<double>("upper1");
    QTest::addColumn<double>("tip1");     // 0: from ha*
    QTest::addColumn<QString>("codes");   // warning codes, or failure:N
    QTest::newRow("jams") << 60.0 << 0.02 << 0.0 << "backlashNegative";
    QTest::newRow("tight but positive") << 60.0 << -0.05 << 0.0 << "backlashBelowRecommended";
    QTest::newRow("ample") << 60.3 << -0.05 << 0.0 << "";
    QTest::newRow("long tip") << 60.3 << -0.05 << 45.4 << "tipClearanceSmall";
    QTest::newRow("tip clearance of 0.15·m") << 60.3 << -0.05 << 45.0 << "";
    QTest::newRow("apart: no overlap") << 63.0 << -0.05 << 0.0 << "contactRatioBelowOne";
    QTest::newRow("inside the base circles") << 56.0 << -0.05 << 0.0 << "failure:0";
}

void TestPair::warningsAndFailures()
{
    QFETCH(double, distance);
    QFETCH(double, upper1);
    QFETCH(double, tip1);
    QFETCH(QString, codes);
    PairInput in{.module = 2, .gear1 = {.teeth = 20, .shift = 0, .allowanceUpper = upper1, .allowanceLower = -0.1},
                 .gear2 = {.teeth = 40, .shift = 0}, .centreDistance = distance};
    if (tip1 > 0)
        in.gear1.tipDiameter = tip1;
    const auto out = computePair(in);
    if (codes.startsWith("failure:")) {
        QVERIFY(!out.ok());
        QCOMPARE(out.failure().failure, Failure::CentreDistanceTooSmall);
        return;
    }
    QVERIFY(out.ok());
    QStringList got;
    for (PairWarning w : out.value().warnings)
        got << pairWarningCode(w);
    QCOMPARE(got.join(u' '), codes);
    // The tip clearance warned about is the smaller of the two.
    const PairResult &r = out.value();
    for (const std::string &message : pairWarningMessages(r))
        if (message.find("齿顶间隙") != std::string::npos)
            QVERIFY2(message.find(sheetNumber(std::min(r.tipClearance1, r.tipClearance2), 4)) != std::string::npos, message.c_str());
}

// A centre distance that only reaches the sum of the base radii gives no mesh.
void TestPair::meshEndsAtTheBaseCircles()
{
    const double alpha = radians(20);
    const double baseSum = 60 * std::cos(alpha); // z 20/40, m 2: a_ref·cos αt
    QVERIFY(!shiftSumForDistance(20, 40, 2, alpha, 0, baseSum));
    QVERIFY(shiftSumForDistance(20, 40, 2, alpha, 0, baseSum * (1 + 1e-12)));
    QVERIFY(!shiftSumForDistance(20, 40, 2, alpha, 0, 0));
    const auto out = computePair({.module = 2, .gear1 = {.teeth = 20, .shift = 0}, .gear2 = {.teeth = 40, .shift = 0}, .centreDistance = baseSum});
    QVERIFY(!out.ok());
    QCOMPARE(out.failure().failure, Failure::CentreDistanceTooSmall);
    // Equal deviations (none) are in order; reversed ones are not.
    QVERIFY(computePair({.module = 2, .gear1 = {.teeth = 20}, .gear2 = {.teeth = 40}, .centreDistanceUpper = 0.01, .centreDistanceLower = 0.01}).ok());
}

// The picture of the mesh: both gears inside the whole panel, the pitch point in the detail.
void TestPair::drawingHoldsBothGears()
{
    const PairResult r = computed({.module = 3, .gear1 = {.teeth = 12, .shift = 0.6}, .gear2 = {.teeth = 24, .shift = 0.36}});
    const MeasurementDrawing d = pairDrawing(r);
    QCOMPARE(d.mates.size(), std::size_t(1));
    for (const Polyline *line : {&d.outline, &d.mates.front()}) {
        for (const Point &p : line->points)
            QVERIFY(p.x >= d.whole.left && p.x <= d.whole.right && p.y >= d.whole.bottom && p.y <= d.whole.top);
    }
    const double pitch = r.gear1.workingDiameter / 2;
    QVERIFY(d.detail.bottom < pitch && d.detail.top > pitch && d.detail.left < 0 && d.detail.right > 0);
    // Gear 2 sits at the centre distance above gear 1.
    double top = -INFINITY;
    for (const Point &p : d.mates.front().points)
        top = std::max(top, p.y);
    QCOMPARE(rounded(top, 6), rounded(r.centreDistance.nominal + r.gear2.sheet.tipDiameter / 2, 6));
}

// The double-flank test's a″ on the sheet is the tight mesh of the gear with its master: the
// pair of the two has no backlash there, at the nominal thickness and at each allowance.
void TestPair::doubleFlankTestOnTheSheet()
{
    const SheetInput gear{.module = 2, .teeth = 30, .helixAngleDeg = 12, .shift = 0.15, .allowanceUpper = -0.05,
                          .allowanceLower = -0.1, .masterTeeth = 40, .masterShift = 0.1};
    const Outcome<SheetResult> sheet = computeSheet(gear);
    QVERIFY(sheet.ok());
    const Limits &a = *sheet.value().testCentreDistance;
    QVERIFY(a.max < a.nominal && a.min < a.max); // both allowances thin the teeth: the distance shrinks
    const PairInput pair{.module = 2, .helixAngleDeg = 12,
                         .gear1 = {.teeth = 30, .shift = 0.15, .allowanceUpper = -0.05, .allowanceLower = -0.1},
                         .gear2 = {.teeth = 40, .shift = 0.1}};
    QCOMPARE(rounded(computed(pair).tightMeshCentreDistance, 12), rounded(a.nominal, 12));
    PairInput atUpper = pair;
    atUpper.centreDistance = a.max;
    QVERIFY(std::fabs(computed(atUpper).normal.min) < 1e-12);
    PairInput atLower = pair;
    atLower.centreDistance = a.min;
    QVERIFY(std::fabs(computed(atLower).normal.max) < 1e-12);
    // Not for an internal gear; a master of too few teeth is refused.
    SheetInput internal = gear;
    internal.internal = true;
    internal.teeth = 80;
    internal.measuredTestDistance = 20;
    const Outcome<SheetResult> ring = computeSheet(internal);
    QVERIFY(ring.ok() && !ring.value().testCentreDistance);
    QCOMPARE(ring.value().measurements.front().outcome.failure, std::optional(Failure::MeasuredDimensionNotGiven));
    SheetInput tiny = gear;
    tiny.masterTeeth = 2;
    QCOMPARE(computeSheet(tiny).failure(), Failure::MasterTeethNotWhole);
    tiny.masterTeeth = 40.5;
    QCOMPARE(computeSheet(tiny).failure(), Failure::MasterTeethNotWhole);
}

// A measured a″ above the upper limit is thick, below the lower thin, on a limit a pass; the
// actual allowance read back is the allowance that gives that distance.
void TestPair::doubleFlankTestJudgesThickAndThin_data()
{
    QTest::addColumn<double>("offset"); // from the limit named by which
    QTest::addColumn<int>("which");     // 1: at Esns (max), 2: at Esni (min)
    QTest::addColumn<int>("verdict");
    QTest::newRow("on the upper limit") << 0.0 << 1 << int(Verdict::Pass);
    QTest::newRow("just above") << 1e-6 << 1 << int(Verdict::Thick);
    QTest::newRow("on the lower limit") << 0.0 << 2 << int(Verdict::Pass);
    QTest::newRow("just below") << -1e-6 << 2 << int(Verdict::Thin);
}

void TestPair::doubleFlankTestJudgesThickAndThin()
{
    QFETCH(double, offset);
    QFETCH(int, which);
    QFETCH(int, verdict);
    SheetInput gear{.module = 2.5, .teeth = 23, .shift = -0.1, .allowanceUpper = -0.04, .allowanceLower = -0.09, .masterTeeth = 50};
    const Limits a = *computeSheet(gear).value().testCentreDistance;
    gear.measuredTestDistance = (which == 1 ? a.max : a.min) + offset;
    const SheetResult sheet = computeSheet(gear).value();
    const Measured &m = *sheet.measurements.front().outcome.measured;
    QCOMPARE(int(m.verdict), verdict);
    if (offset == 0)
        QCOMPARE(rounded(m.allowance, 9), which == 1 ? -0.04 : -0.09);
}

// A pair batch's header must name both tooth counts; the rest may be left to their defaults.
void TestPair::batchNeedsBothTeethColumns_data()
{
    QTest::addColumn<QString>("csv");
    QTest::addColumn<QString>("problem");
    QTest::newRow("both") << "module,teeth1,teeth2\n2,20,40\n" << "";
    QTest::newRow("no teeth2") << "module,teeth1\n2,20\n" << "缺少 teeth2 列";
    QTest::newRow("no teeth1") << "module,teeth2\n2,40\n" << "缺少 teeth1 列";
}

void TestPair::batchNeedsBothTeethColumns()
{
    QFETCH(QString, csv);
    QFETCH(QString, problem);
    std::istringstream in(csv.toStdString());
    std::ostringstream out;
    const RecordBatchSummary summary = runPairBatch(in, out);
    QVERIFY2(problem.isEmpty() ? summary.problem.empty() : QString::fromStdString(summary.problem).contains(problem), summary.problem.c_str());
    QCOMPARE(summary.lines, problem.isEmpty() ? 1L : 0L);
}

QTEST_GUILESS_MAIN(TestPair)
#include "tst_pair.moc"
