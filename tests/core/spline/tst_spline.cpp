#include <QtTest>

#include <cmath>
#include <string>

#include "core/common/angle.h"
#include "core/spline/spline.h"
#include "core/spline/splinebatch.h"
#include "core/spline/splinereport.h"

#include <sstream>

using namespace geardim;

namespace {

SplineDesignation designation(const char *text)
{
    const auto parsed = parseSplineDesignation(text);
    if (const auto *error = std::get_if<DesignationError>(&parsed))
        qFatal("designation not read: %s (at %s)", text, error->part.c_str());
    return std::get<SplineDesignation>(parsed);
}

SplineResult computed(const SplineInput &input)
{
    const SplineOutcome out = computeSpline(input);
    if (!out.ok())
        qFatal("no result: failure %d", int(out.failure()));
    return out.value();
}

double rounded(double v, int decimals)
{
    const double f = std::pow(10.0, decimals);
    return std::round(v * f) / f;
}

} // namespace

class TestSpline : public QObject {
    Q_OBJECT
private slots:
    void readsDesignations_data();
    void readsDesignations();
    void namesThePartItCannotRead_data();
    void namesThePartItCannotRead();
    void isoLimitsMatchTheStandardsExamples_data();
    void isoLimitsMatchTheStandardsExamples();
    void dinShaftOverPinsAndSpan();
    void fitsOrderTheShaftsSize();
    void hubAndShaftPinDimensionsMoveWithTheirLimits_data();
    void hubAndShaftPinDimensionsMoveWithTheirLimits();
    void refusesWhatCannotBeMeasured();
    void shaftFitsMoveTheirDiameters_data();
    void shaftFitsMoveTheirDiameters();
    void smallHubsKeepTheirLimits();
    void totalToleranceTakesTheDiameterFactorOfItsRange_data();
    void totalToleranceTakesTheDiameterFactorOfItsRange();
    void batchLinesSayWhatIsWrong_data();
    void batchLinesSayWhatIsWrong();
    void reportNamesWhatIsMeasured();
    void csvColumnsSayWhatTheSplineIs_data();
    void csvColumnsSayWhatTheSplineIs();
    void tableRowsFollowTheTolerance_data();
    void tableRowsFollowTheTolerance();
    void fitFFollowsIso286ByDiameter_data();
    void fitFFollowsIso286ByDiameter();
    void splineTeethAreDrawnAsSplines_data();
    void splineTeethAreDrawnAsSplines();
    void spanTiesGoUp_data();
    void spanTiesGoUp();
    void nothingIsJudgedWithoutLimits();
    void refusesAbsurdInput_data();
    void refusesAbsurdInput();
    void batchWritesALineForEveryLine_data();
    void batchWritesALineForEveryLine();
};

void TestSpline::readsDesignations_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("din");
    QTest::addColumn<bool>("internal");
    QTest::addColumn<double>("module");
    QTest::addColumn<int>("teeth");
    QTest::addColumn<double>("angle");
    QTest::addColumn<int>("toleranceClass");
    QTest::addColumn<QString>("fit");
    QTest::addColumn<double>("dB");
    QTest::newRow("iso internal") << "INT 25z × 1m × 30P × 5H ISO 4156" << false << true << 1.0 << 25 << 30.0 << 5 << "H" << 0.0;
    QTest::newRow("iso external, x") << "EXT 24z x 2.5m x 30R x 6f ISO 4156" << false << false << 2.5 << 24 << 30.0 << 6 << "f" << 0.0;
    QTest::newRow("no spaces, no standard") << "EXT24zx2.5mx37.5x7js" << false << false << 2.5 << 24 << 37.5 << 7 << "js" << 0.0;
    QTest::newRow("gb, chinese, 45°") << "外花键 18z × 0.5m × 45° × 4k GB/T 3478.1" << false << false << 0.5 << 18 << 45.0 << 4 << "k" << 0.0;
    QTest::newRow("chinese hub, no tolerance") << "内花键 31z×2m×30R" << false << true << 2.0 << 31 << 30.0 << 0 << "" << 0.0;
    QTest::newRow("din shaft") << "DIN 5480 - W 50 x 2 x 24 x 8f" << true << false << 2.0 << 24 << 30.0 << 8 << "f" << 50.0;
    QTest::newRow("din hub, no tolerance") << "DIN 5480-N 120x3x38" << true << true << 3.0 << 38 << 30.0 << 0 << "" << 120.0;
}

void TestSpline::readsDesignations()
{
    QFETCH(QString, text);
    const SplineDesignation d = designation(text.toUtf8().constData());
    QCOMPARE(d.standard == SplineStandard::Din5480, QTest::currentDataTag() == QByteArray("din shaft") || QTest::currentDataTag() == QByteArray("din hub, no tolerance"));
    QTEST(d.standard == SplineStandard::Din5480, "din");
    QTEST(d.internal, "internal");
    QTEST(d.module, "module");
    QTEST(d.teeth, "teeth");
    QTEST(d.pressureAngle, "angle");
    QTEST(d.toleranceClass, "toleranceClass");
    QTEST(QString::fromStdString(d.fit), "fit");
    QTEST(d.referenceDiameter, "dB");
}

void TestSpline::namesThePartItCannotRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("part");
    QTest::newRow("teeth") << "INT 25q × 1m × 30P × 5H" << "25q";
    QTest::newRow("fractional teeth") << "INT 25.5z × 1m × 30P" << "25.5z";
    QTest::newRow("module") << "EXT 24z × 0m × 30P × 5h" << "0m";
    QTest::newRow("root form") << "EXT 24z × 1m × 20P × 5h" << "20P";
    QTest::newRow("class") << "EXT 24z × 1m × 30P × 8h" << "8h";
    QTest::newRow("hub fit") << "INT 24z × 1m × 30P × 5h" << "5h";
    QTest::newRow("shaft fit") << "EXT 24z × 1m × 30P × 5g" << "5g";
    QTest::newRow("standard") << "EXT 24z × 1m × 30P × 5h ISO 4165" << "ISO 4165";
    QTest::newRow("standard without its number") << "EXT 24z × 1m × 30P ISO" << "ISO";
    QTest::newRow("GB/T without its number") << "EXT 24z × 1m × 30P × 5h GB/T" << "GB/T";
    QTest::newRow("kind") << "SHAFT 24z × 1m × 30P" << "SHAFT";
    QTest::newRow("din kind") << "DIN 5480 - X 50 x 2 x 24" << "X";
    QTest::newRow("din teeth") << "DIN 5480 W 50 x 2 x 24.5" << "24.5";
    QTest::newRow("din module zero") << "DIN 5480 W 50 x 0 x 24" << "0";
    QTest::newRow("din dB zero") << "DIN 5480 W 0 x 2 x 24" << "0";
    QTest::newRow("din shaft deviation in capitals") << "DIN 5480 W 50 x 2 x 24 x 8H" << "8H";
    QTest::newRow("empty") << "  " << "";
}

void TestSpline::namesThePartItCannotRead()
{
    QFETCH(QString, text);
    const auto parsed = parseSplineDesignation(text.toUtf8().constData());
    QVERIFY(std::holds_alternative<DesignationError>(parsed));
    QTEST(QString::fromStdString(std::get<DesignationError>(parsed).part), "part");
}

// ISO 4156-1's annex examples, as quoted in public material, both for a spline length of 15 mm.
void TestSpline::isoLimitsMatchTheStandardsExamples_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("effectiveMax");
    QTest::addColumn<double>("actualMax");
    QTest::addColumn<double>("actualMin");
    QTest::addColumn<double>("effectiveMin");
    QTest::newRow("INT 25z 1m 30P 5H") << "INT 25z × 1m × 30P × 5H ISO 4156" << 1.603 << 1.626 << 1.593 << 1.571;
    QTest::newRow("EXT 25z 1m 30R 6e") << "EXT 25z × 1m × 30R × 6e ISO 4156" << 1.531 << 1.498 << 1.445 << 1.477;
}

void TestSpline::isoLimitsMatchTheStandardsExamples()
{
    QFETCH(QString, text);
    const SplineResult r = computed({.designation = designation(text.toUtf8().constData()), .splineLength = 15});
    QCOMPARE(r.referenceDiameter, 25.0);
    // The hub's minor diameter cF = 0.1·m above an h shaft's form diameter, worked by hand:
    // 2·√(10.8253² + (6.25 − 0.6/0.5)²) + 0.2 = 24.0906; the shaft's diameters move with e.
    QCOMPARE(rounded(r.minorDiameter, 4), r.input.designation.internal ? 24.0906 : rounded(23.2 - 0.04 / std::tan(M_PI / 6), 4));
    QCOMPARE(rounded(r.thickness.nominal, 4), 1.5708);
    QTEST(rounded(*r.thickness.effectiveMax, 3), "effectiveMax");
    QTEST(rounded(*r.thickness.actualMax, 3), "actualMax");
    QTEST(rounded(*r.thickness.actualMin, 3), "actualMin");
    QTEST(rounded(*r.thickness.effectiveMin, 3), "effectiveMin");
    QVERIFY(r.warnings.empty() || r.warnings.front() != SplineWarning::LengthAssumed);
    // Without the length, λ is taken for g = D and a warning says so.
    const SplineResult assumed = computed({.designation = designation(text.toUtf8().constData())});
    QVERIFY(std::find(assumed.warnings.begin(), assumed.warnings.end(), SplineWarning::LengthAssumed) != assumed.warnings.end());
    QVERIFY(assumed.effectiveVariation > r.effectiveVariation);
}

// DIN 5480's worked example: W 50 x 2 x 24 over 4 mm pins M 54.218, over 4 teeth W 21.179.
void TestSpline::dinShaftOverPinsAndSpan()
{
    const SplineResult r = computed({.designation = designation("DIN 5480 - W 50 x 2 x 24 x 8f"), .pinDiameter = 4});
    QCOMPARE(rounded(r.profileShift / 2, 3), -0.05);
    QCOMPARE(r.majorDiameter, 49.6);
    QCOMPARE(rounded(r.dimension->nominal, 3), 54.218);
    QCOMPARE(r.spanTeeth, 4);
    QCOMPARE(rounded(*r.span, 3), 21.179);
    QVERIFY(!r.dimension->actualMax); // no deviations typed: nominal only, and the tolerance named as not applied
    QVERIFY(!r.spanMax && !r.spanMin);
    // Typed deviations move W by the thickness's part along the base tangent, Δs·cos 30°.
    const SplineResult limited = computed({.designation = designation("DIN 5480 - W 50 x 2 x 24 x 8f"), .pinDiameter = 4,
                                           .upperDeviation = -0.05, .lowerDeviation = -0.1, .effectiveVariation = 0.02});
    QCOMPARE(rounded(*limited.spanMax, 4), rounded(*r.span - 0.05 * std::sqrt(3.0) / 2, 4));
    QCOMPARE(rounded(*limited.spanMin, 4), rounded(*r.span - 0.1 * std::sqrt(3.0) / 2, 4));
    QCOMPARE(r.warnings, std::vector{SplineWarning::ToleranceNotApplied});
    // Its hub has the opposite shift and a space as wide as the shaft's tooth.
    const SplineResult hub = computed({.designation = designation("DIN 5480 - N 50 x 2 x 24 x 9H")});
    QCOMPARE(hub.profileShift, -r.profileShift);
    QCOMPARE(hub.thickness.nominal, r.thickness.nominal);
    QCOMPARE(hub.minorDiameter, 46.0);
    // With typed deviations the limits follow; the mate sees the shaft thicker by λ.
    const SplineResult t = computed({.designation = designation("DIN 5480 - W 50 x 2 x 24 x 8f"), .pinDiameter = 4,
                                     .upperDeviation = -0.04, .lowerDeviation = -0.1, .effectiveVariation = 0.03});
    QCOMPARE(rounded(*t.thickness.actualMax - t.thickness.nominal, 6), -0.04);
    QCOMPARE(rounded(*t.thickness.effectiveMin - *t.thickness.actualMin, 6), 0.03);
    QVERIFY(*t.dimension->actualMin < *t.dimension->actualMax && *t.dimension->actualMax < t.dimension->nominal);
    QVERIFY(t.warnings.empty());
    // The shop's table gives the same deviations for 8f by dB; a typed pair wins over it, and a
    // diameter the table does not hold is refused.
    const AllowanceTable table{{{"8f", 30, 50, -40, -100}, {"8f", 50, 80, -50, -120}}};
    const SplineResult fromTable = computed({.designation = designation("DIN 5480 - W 50 x 2 x 24 x 8f"), .pinDiameter = 4,
                                             .effectiveVariation = 0.03, .allowances = &table});
    QCOMPARE(*fromTable.dimension->actualMin, *t.dimension->actualMin);
    QCOMPARE(*fromTable.thickness.effectiveMax, *t.thickness.effectiveMax);
    const SplineResult typed = computed({.designation = designation("DIN 5480 - W 50 x 2 x 24 x 8f"), .upperDeviation = 0,
                                         .lowerDeviation = -0.01, .allowances = &table});
    QCOMPARE(*typed.thickness.actualMax, typed.thickness.nominal);
    QCOMPARE(computeSpline({.designation = designation("DIN 5480 - W 100 x 3 x 32 x 8f"), .allowances = &table}).failure(),
             SplineFailure::ToleranceNotInTable);
}

// An external spline's size grows through the fits d, e, f, h, js, k, at every class.
void TestSpline::fitsOrderTheShaftsSize()
{
    for (const char *cls : {"4", "5", "6", "7"}) {
        double last = 0;
        for (const char *fit : {"d", "e", "f", "h", "js", "k"}) {
            const std::string text = std::string("EXT 24z × 2m × 30P × ") + cls + fit;
            const SplineResult r = computed({.designation = designation(text.c_str()), .splineLength = 20});
            QVERIFY2(*r.thickness.actualMax > last, text.c_str());
            QVERIFY(*r.dimension->actualMax > *r.dimension->actualMin);
            last = *r.thickness.actualMax;
        }
    }
}

// Over pins a thicker tooth reads larger, between pins a wider space; odd and
// even counts alike, every pressure angle, with the proposed pin touching within the flank.
void TestSpline::hubAndShaftPinDimensionsMoveWithTheirLimits_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("hub, even") << "INT 24z × 2m × 30P × 6H";
    QTest::newRow("hub, odd") << "INT 25z × 1m × 30R × 5H";
    QTest::newRow("shaft, odd") << "EXT 25z × 1m × 30R × 6e";
    QTest::newRow("shaft 37.5°") << "EXT 30z × 1.25m × 37.5 × 5h";
    QTest::newRow("hub 45°") << "INT 41z × 0.5m × 45 × 7H";
    QTest::newRow("din hub") << "DIN 5480 N 50 x 2 x 24 x 9H";
}

void TestSpline::hubAndShaftPinDimensionsMoveWithTheirLimits()
{
    QFETCH(QString, text);
    SplineInput input{.designation = designation(text.toUtf8().constData()), .splineLength = 25};
    if (input.designation.standard == SplineStandard::Din5480) {
        input.upperDeviation = 0.08;
        input.lowerDeviation = 0.02;
        input.effectiveVariation = 0.025;
    }
    const SplineResult r = computed(input);
    const SplineLimits &w = r.thickness, &m = *r.dimension;
    QVERIFY(*w.actualMax > *w.actualMin);
    if (input.designation.internal) {
        QVERIFY(m.nominal < r.minorDiameter);
        QVERIFY(*m.actualMax > *m.actualMin && *m.effectiveMax > *m.effectiveMin);
    } else {
        QVERIFY(m.nominal > r.majorDiameter);
    }
    QCOMPARE(*m.actualMax, *splinePinDimension(r, *w.actualMax, r.pinDiameter));
    // The mate sees a hub's space narrower and a shaft's tooth thicker than one space or tooth.
    QCOMPARE(*m.effectiveMax > *m.actualMax, !input.designation.internal);
    // The involute's form diameter between the root and the reference circle of a shaft, between
    // the reference circle and the root of a hub; none for DIN 5480, which does not give it.
    if (input.designation.standard == SplineStandard::Iso4156) {
        const double form = *r.formDiameter, D = r.referenceDiameter;
        QVERIFY(input.designation.internal ? D < form && form < r.majorDiameter : r.minorDiameter < form && form < D);
    } else {
        QVERIFY(!r.formDiameter);
    }
    QVERIFY2(*r.contactDiameter > std::min(r.minorDiameter, r.majorDiameter) && *r.contactDiameter < std::max(r.minorDiameter, r.majorDiameter),
             qPrintable(QString::number(*r.contactDiameter)));
    QVERIFY(std::find(r.warnings.begin(), r.warnings.end(), SplineWarning::ContactOffFlank) == r.warnings.end());
    // The inspection sheet, given the spline as a gear, measures the same pins to the same M.
    const auto sheet = computeSheet(splineAsGear(r));
    QVERIFY(sheet.ok());
    QVERIFY2(std::fabs(sheet.value().overGauges.nominal - m.nominal) < 1e-9,
             qPrintable(QString::number(sheet.value().overGauges.nominal, 'f', 10) + " " + QString::number(m.nominal, 'f', 10)));
    // A measured dimension reads back its size, and is judged against the actual limits:
    // a shaft's thicker tooth and a hub's narrower space are thick.
    QVERIFY(std::fabs(*splineSizeFromDimension(r, *m.actualMin, r.pinDiameter) - *w.actualMin) < 1e-12);
    const bool hub = input.designation.internal;
    for (const auto &[measured, verdict] : {std::pair{*m.actualMax, Verdict::Pass}, {*m.actualMin, Verdict::Pass},
                                            {*m.actualMax + 1e-6, hub ? Verdict::Thin : Verdict::Thick},
                                            {*m.actualMin - 1e-6, hub ? Verdict::Thick : Verdict::Thin}}) {
        SplineInput judged = input;
        judged.measured = measured;
        const SplineResult j = computed(judged);
        QCOMPARE(j.measured->verdict, verdict);
    }
    // Odd counts measure across half a pitch off the diameter: a hair less than even counts.
    if (input.designation.teeth % 2 == 1) {
        SplineResult even = r;
        even.input.designation.teeth += 1;
        QVERIFY(splinePinDimension(r, w.nominal, r.pinDiameter) != splinePinDimension(even, w.nominal, r.pinDiameter));
    }
}

void TestSpline::refusesWhatCannotBeMeasured()
{
    const SplineDesignation d = designation("EXT 24z × 2m × 30P × 6h");
    QCOMPARE(computeSpline({.designation = d, .pinDiameter = -1}).failure(), SplineFailure::PinNotPositive);
    const SplineOutcome huge = computeSpline({.designation = d, .pinDiameter = 40});
    QVERIFY(huge.ok() && huge.value().warnings.back() == SplineWarning::ContactOffFlank);
    // A pin that cannot stand in the space leaves every limit, and says why M is missing.
    const SplineResult wide = computed({.designation = designation("INT 24z × 2m × 30P × 6H"), .pinDiameter = 6});
    QVERIFY(!wide.dimension && !wide.contactDiameter && wide.thickness.actualMax);
    QCOMPARE(wide.warnings.back(), SplineWarning::PinDoesNotFit);
    QCOMPARE(computeSpline({.designation = d, .splineLength = 0}).failure(), SplineFailure::LengthNotPositive);
    // A measured M smaller than the pins' own diameter over the base circle cannot be.
    QCOMPARE(computeSpline({.designation = d, .measured = 40}).failure(), SplineFailure::MeasuredNotPossible);
    QCOMPARE(computeSpline({.designation = d, .measured = -1}).failure(), SplineFailure::MeasuredNotPossible);
    // Pin centres exactly on the base circle (an even count: across the base diameter) are
    // no contact either; just outside it they are.
    const SplineResult even = computed({.designation = d});
    const double onBase = even.baseDiameter + 2;
    QCOMPARE(onBase - 2, even.baseDiameter); // the sum is exact, so the boundary is met to the bit
    QVERIFY(!splineSizeFromDimension(even, onBase, 2));
    QVERIFY(splineSizeFromDimension(even, onBase + 1e-9, 2));
    // Without limits the size is read back but not judged.
    const SplineResult plain = computed({.designation = designation("EXT 24z × 2m × 30P"), .measured = 53.1});
    QVERIFY(plain.measured && plain.measured->size && plain.measured->verdict == Verdict::NotJudged);
    SplineDesignation few = d;
    few.teeth = 5;
    QCOMPARE(computeSpline({.designation = few}).failure(), SplineFailure::TooFewTeeth);
    QCOMPARE(computeSpline({.designation = designation("EXT 240z × 3m × 30P × 6f")}).failure(), SplineFailure::FitOutsideTable);
    QCOMPARE(computeSpline({.designation = designation("DIN 5480 W 40 x 2 x 24")}).failure(), SplineFailure::ReferenceDiameterTooSmall);
    const SplineDesignation din = designation("DIN 5480 W 50 x 2 x 24");
    QCOMPARE(computeSpline({.designation = din, .upperDeviation = -0.1, .lowerDeviation = -0.04}).failure(),
             SplineFailure::DeviationsReversed);
    // Equal deviations are a size without tolerance, not reversed ones.
    QVERIFY(computeSpline({.designation = din, .upperDeviation = -0.05, .lowerDeviation = -0.05}).ok());
    // A λ of 0 is typed on purpose (no effective variation); below 0 it is refused.
    QVERIFY(computeSpline({.designation = din, .upperDeviation = -0.04, .lowerDeviation = -0.1, .effectiveVariation = 0}).ok());
    QCOMPARE(computeSpline({.designation = din, .upperDeviation = -0.04, .lowerDeviation = -0.1, .effectiveVariation = -1e-9}).failure(),
             SplineFailure::VariationNegative);
}

// ISO 4156-1, A.6 (EXT 25z × 1m × 30P × 5js, g 15 mm): s_v,max 1.599, s_min 1.544 with es_v
// (T + λ)/2 to the whole micrometre, 28 µm; major diameter 26.00. The major diameter moves with
// es_v/tan αD only for d, e and f; the minor diameter for every fit.
void TestSpline::shaftFitsMoveTheirDiameters_data()
{
    QTest::addColumn<QString>("fit");
    QTest::addColumn<bool>("majorMoves");
    QTest::newRow("d") << "d" << true;
    QTest::newRow("e") << "e" << true;
    QTest::newRow("f") << "f" << true;
    QTest::newRow("h") << "h" << false;
    QTest::newRow("js") << "js" << false;
    QTest::newRow("k") << "k" << false;
}

void TestSpline::shaftFitsMoveTheirDiameters()
{
    QFETCH(QString, fit);
    QFETCH(bool, majorMoves);
    const std::string text = "EXT 25z × 1m × 30P × 5" + fit.toStdString();
    const SplineResult r = computed({.designation = designation(text.c_str()), .splineLength = 15});
    const double esv = *r.thickness.effectiveMax - r.thickness.nominal;
    const double moved = esv / std::tan(M_PI / 6);
    QCOMPARE(rounded(r.majorDiameter, 9), rounded(26.0 + (majorMoves ? moved : 0), 9));
    QCOMPARE(rounded(r.minorDiameter, 9), rounded(25 - 1.5 + moved, 9));
    if (fit == "js") {
        QCOMPARE(rounded(esv, 9), 0.028);
        QCOMPARE(rounded(*r.thickness.effectiveMax, 3), 1.599);
        QCOMPARE(rounded(*r.thickness.actualMin, 3), 1.544);
        QCOMPARE(rounded(r.majorDiameter, 2), 26.00);
    }
    if (fit == "k") // the whole total tolerance, unrounded
        QCOMPARE(esv, r.totalTolerance);
}

// T + λ = K·i(D) + K′·i(E), µm; i(D) = 0.45·∛D + 0.001·D up to D = 500 mm, 0.004·D + 2.1 above.
void TestSpline::totalToleranceTakesTheDiameterFactorOfItsRange_data()
{
    QTest::addColumn<QString>("designation");
    QTest::addColumn<double>("iD");
    QTest::newRow("D 500, the last of the small") << "INT 50z × 10m × 30P × 4H" << 0.45 * std::cbrt(500.0) + 0.5;
    QTest::newRow("D 510") << "INT 51z × 10m × 30P × 4H" << 0.004 * 510 + 2.1;
}

void TestSpline::totalToleranceTakesTheDiameterFactorOfItsRange()
{
    QFETCH(QString, designation);
    QFETCH(double, iD);
    const std::string text = designation.toStdString();
    const SplineResult r = computed({.designation = ::designation(text.c_str()), .splineLength = 50});
    const double E = M_PI * 10 / 2, iE = 0.45 * std::cbrt(E) + 0.001 * E;
    QVERIFY2(std::fabs(r.totalTolerance - (10 * iD + 40 * iE) / 1000) < 1e-12, qPrintable(QString::number(r.totalTolerance, 'g', 17)));
}

// A 30° hub of few teeth has no room for 1.732·m: the pin touching on the pitch circle is
// proposed instead; a pin that fits nowhere leaves every limit and says why M is missing.
void TestSpline::smallHubsKeepTheirLimits()
{
    const SplineResult small = computed({.designation = designation("INT 8z × 1m × 30P × 5H"), .splineLength = 8});
    QCOMPARE(small.proposedPin, 1.7); // R40 above the touching pin, below 1.8 = R40(1.732)
    QVERIFY(small.dimension && small.contactDiameter);
    QVERIFY(std::fabs(*small.contactDiameter - 8) < 0.5);
    QVERIFY(std::find(small.warnings.begin(), small.warnings.end(), SplineWarning::ContactOffFlank) == small.warnings.end());
    const SplineResult usual = computed({.designation = designation("INT 24z × 1m × 30P × 5H"), .splineLength = 8});
    QCOMPARE(usual.proposedPin, 1.8);
    const SplineResult none = computed({.designation = designation("INT 8z × 1m × 30P × 5H"), .pinDiameter = 3, .measured = 5.5});
    QVERIFY(!none.dimension && none.thickness.actualMax && none.thickness.effectiveMin);
    QCOMPARE(none.warnings.back(), SplineWarning::PinDoesNotFit);
    QVERIFY(none.measured && !none.measured->size);
    QCOMPARE(none.measured->verdict, Verdict::NotJudged);
    const std::string json = splineJson(none);
    QVERIFY(json.find("\"dimension\": null") != std::string::npos && json.find("pinDoesNotFit") != std::string::npos);
    QVERIFY(json.find("\"verdict\": \"notJudged\"") != std::string::npos);
}

// At an exact tie (z·αD/180 + 0.5 a half) the span goes up, as on the gear sheet.
void TestSpline::spanTiesGoUp_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("teeth");
    QTest::newRow("30° z 24") << "EXT 24z × 1m × 30P" << 5;
    QTest::newRow("30° z 36") << "EXT 36z × 2m × 30R" << 7;
    QTest::newRow("37.5° z 24") << "EXT 24z × 1m × 37.5" << 6;
    QTest::newRow("45° z 24") << "EXT 24z × 1m × 45" << 7;
    QTest::newRow("45° z 8") << "EXT 8z × 3m × 45" << 3;
    QTest::newRow("30° z 25, below the tie") << "EXT 25z × 1m × 30P" << 5;
    QTest::newRow("30° z 23, above the tie") << "EXT 23z × 1m × 30P" << 4;
}

void TestSpline::spanTiesGoUp()
{
    QFETCH(QString, text);
    QTEST(computed({.designation = designation(text.toUtf8().constData())}).spanTeeth, "teeth");
}

// A verdict needs limits: a DIN 5480 tolerance with no deviations, or a designation without
// a tolerance, is never a pass.
void TestSpline::nothingIsJudgedWithoutLimits()
{
    const SplineResult din = computed({.designation = designation("DIN 5480 - W 50 x 2 x 24 x 8f"), .measured = 50});
    QCOMPARE(din.measured->verdict, Verdict::NotJudged);
    QVERIFY(din.measured->size && *din.measured->size < din.thickness.nominal - 1);
    QCOMPARE(din.warnings, std::vector{SplineWarning::ToleranceNotApplied});
    QVERIFY(splineMeasuredLine(din).find("未判定") != std::string::npos);
    QVERIFY(splineWarningMessages(din).front().find("8f") != std::string::npos);
    const auto columns = splineColumns(din);
    QVERIFY(std::find(columns.begin(), columns.end(), std::pair<std::string, std::string>{"measured.verdict", "notJudged"}) != columns.end());
    // The batch takes the deviations from the shop's table, and counts what it judged.
    const AllowanceTable table{{{"8f", 30, 50, -40, -100}}};
    for (const AllowanceTable *given : {static_cast<const AllowanceTable *>(nullptr), &table}) {
        std::istringstream in("designation,measured\nDIN 5480 - W 50 x 2 x 24 x 8f,50\n");
        std::ostringstream out;
        const SplineBatchSummary summary = runSplineBatch(in, out, {}, given);
        QCOMPARE(summary.partsNotJudged, given ? 0L : 1L);
        QCOMPARE(summary.partsFailing, given ? 1L : 0L);
        QVERIFY(out.str().find(given ? ",thin," : ",notJudged,") != std::string::npos);
    }
    // A λ larger than the whole tolerance is said, not hidden.
    const SplineResult longOne = computed({.designation = designation("EXT 6z × 0.5m × 45 × 4h"), .splineLength = 5000});
    QVERIFY(std::find(longOne.warnings.begin(), longOne.warnings.end(), SplineWarning::VariationExceedsTolerance) != longOne.warnings.end());
}

void TestSpline::refusesAbsurdInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("variation");
    QTest::addColumn<double>("measured");
    QTest::addColumn<int>("failure");
    QTest::newRow("module 1e200") << "EXT 24z × 1e200m × 30P" << 0.0 << 0.0 << int(SplineFailure::ModuleNotPositive);
    QTest::newRow("module below 0.001") << "EXT 24z × 0.0009m × 30P" << 0.0 << 0.0 << int(SplineFailure::ModuleNotPositive);
    QTest::newRow("module above 10000") << "EXT 24z × 10001m × 30P" << 0.0 << 0.0 << int(SplineFailure::ModuleNotPositive);
    QTest::newRow("negative λ") << "DIN 5480 W 50 x 2 x 24" << -0.001 << 0.0 << int(SplineFailure::VariationNegative);
    QTest::newRow("measured infinite") << "EXT 24z × 1m × 30P" << 0.0 << HUGE_VAL << int(SplineFailure::ResultOutOfRange);
    QTest::newRow("dB beyond every number") << "DIN 5480 W 1e300 x 2 x 24" << 0.0 << 0.0 << int(SplineFailure::ReferenceDiameterMismatch);
    QTest::newRow("dB two modules too large") << "DIN 5480 W 55.3 x 2 x 24" << 0.0 << 0.0 << int(SplineFailure::ReferenceDiameterMismatch);
}

void TestSpline::refusesAbsurdInput()
{
    QFETCH(QString, text);
    QFETCH(double, variation);
    QFETCH(double, measured);
    SplineInput in{.designation = designation(text.toUtf8().constData())};
    if (variation != 0) {
        in.upperDeviation = -0.04;
        in.lowerDeviation = -0.1;
        in.effectiveVariation = variation;
    }
    if (measured != 0)
        in.measured = measured;
    const SplineOutcome out = computeSpline(in);
    QVERIFY(!out.ok());
    QTEST(int(out.failure()), "failure");
    // The edges of the range compute.
    QVERIFY(computeSpline({.designation = designation("EXT 24z × 0.001m × 30P")}).ok());
    QVERIFY(computeSpline({.designation = designation("EXT 24z × 10000m × 30P")}).ok());
}

void TestSpline::batchWritesALineForEveryLine_data()
{
    QTest::addColumn<QString>("csv");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("withoutResult");
    QTest::addColumn<QString>("problem");
    QTest::newRow("good and bad lines") << "designation,pin-diameter\n\"INT 25z × 1m × 30P × 5H\",\nDIN 5480 W 50x2x24,4\nEXT 24q x 2m,\n\n"
                                           "EXT 25z x 1m x 30R,x\nEXT 25z x 1m x 30R,1.8,extra\n"
                                        << 5 << 3 << "";
    QTest::newRow("quote left open") << "designation\n\"EXT 25z x 1m x 30R\n" << 1 << 1 << "";
    QTest::newRow("byte-order mark, carriage returns") << "\xEF\xBB\xBF" "designation,spline-length\r\nEXT 25z x 1m x 30R x 6e,15\r\n" << 1 << 0 << "";
    QTest::newRow("unknown column") << "designation,teeth\nEXT 25z x 1m x 30R,25\n" << 0 << 0 << "“teeth”";
    QTest::newRow("no designation column") << "pin-diameter\n4\n" << 0 << 0 << "designation";
    QTest::newRow("column twice") << "designation,designation\na,b\n" << 0 << 0 << "两列“designation”";
    QTest::newRow("a line shorter than the header") << "designation,pin-diameter\nEXT 25z x 1m x 30R\n" << 1 << 1 << "";
    QTest::newRow("empty") << "" << 0 << 0 << "表头";
}

void TestSpline::batchWritesALineForEveryLine()
{
    QFETCH(QString, csv);
    std::istringstream in(csv.toStdString());
    std::ostringstream out;
    const SplineBatchSummary summary = runSplineBatch(in, out);
    QTEST(int(summary.splines), "lines");
    QTEST(int(summary.withoutResult), "withoutResult");
    QFETCH(QString, problem);
    QVERIFY2(problem.isEmpty() ? summary.problem.empty() : QString::fromStdString(summary.problem).contains(problem), summary.problem.c_str());
    if (!summary.problem.empty()) {
        QVERIFY(out.str().empty());
        return;
    }
    // A header and one line a spline, every line as wide as the header.
    std::istringstream written(out.str());
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(written, line))
        lines.push_back(line);
    QCOMPARE(int(lines.size()), summary.splines + 1);
    QVERIFY(QString::fromStdString(lines.front()).endsWith(",error"));
    for (const std::string &l : lines) {
        if (l.find('"') == std::string::npos)
            QCOMPARE(std::count(l.begin(), l.end(), ','), std::count(lines.front().begin(), lines.front().end(), ','));
    }
}

QTEST_APPLESS_MAIN(TestSpline)
// Each line of a spline batch: its result, or the reason it has none in its error column.
void TestSpline::batchLinesSayWhatIsWrong_data()
{
    QTest::addColumn<QString>("line");   // designation,upper-deviation,lower-deviation,effective-variation,pin-diameter
    QTest::addColumn<QString>("error");  // empty: a result
    QTest::newRow("both deviations") << "DIN 5480 W 50x2x24,-0.04,-0.1,0.02," << "";
    QTest::newRow("upper alone") << "DIN 5480 W 50x2x24,-0.04,,," << "upper-deviation 和 lower-deviation 要一起给出";
    QTest::newRow("lower alone") << "DIN 5480 W 50x2x24,,-0.1,," << "upper-deviation 和 lower-deviation 要一起给出";
    QTest::newRow("blanks are no value") << "DIN 5480 W 50x2x24,  ,  ,  ,  " << "";
    QTest::newRow("not a number") << "DIN 5480 W 50x2x24,,,,4x" << "pin-diameter 列的值不是数";
    QTest::newRow("unreadable designation") << "DIN 5480 W 50y2x24,,,," << "50y2";
}

void TestSpline::batchLinesSayWhatIsWrong()
{
    QFETCH(QString, line);
    QFETCH(QString, error);
    std::istringstream in("designation,upper-deviation,lower-deviation,effective-variation,pin-diameter\n" + line.toStdString() + "\n");
    std::ostringstream out;
    const SplineBatchSummary summary = runSplineBatch(in, out);
    QCOMPARE(summary.splines, 1L);
    QCOMPARE(summary.withoutResult, error.isEmpty() ? 0L : 1L);
    const QString written = QString::fromStdString(out.str());
    QVERIFY2(error.isEmpty() ? written.trimmed().endsWith(u',') : written.contains(error), qPrintable(written));
}

// The report's words and columns: a hub's measured line is between pins, a DIN profile shift is
// the coefficient x (not x·m), W's limits are in their columns.
void TestSpline::reportNamesWhatIsMeasured()
{
    const SplineResult hub = computed({.designation = designation("INT 25z × 1m × 30P × 5H"), .splineLength = 15, .measured = 22.3});
    QVERIFY(splineMeasuredLine(hub).find("棒间距") != std::string::npos);
    const SplineResult shaft = computed({.designation = designation("EXT 25z × 1m × 30R × 6e"), .splineLength = 15, .measured = 27.45});
    QVERIFY(splineMeasuredLine(shaft).find("跨棒距") != std::string::npos);
    const SplineResult din = computed({.designation = designation("DIN 5480 - W 50 x 2 x 24 x 8f"), .upperDeviation = -0.04,
                                       .lowerDeviation = -0.1, .effectiveVariation = 0.02});
    const auto columns = splineColumns(din);
    const auto column = [&](const char *name) {
        for (const auto &[n, v] : columns) {
            if (n == name)
                return QString::fromStdString(v);
        }
        return QStringLiteral("<none>");
    };
    QCOMPARE(column("profileShift").toDouble(), -0.05);
    QCOMPARE(column("span.actualMax").toDouble(), *din.spanMax);
    QVERIFY(*din.spanMax > *din.spanMin && *din.span > *din.spanMax);
    // Only a DIN 5480 spline has dB and a profile shift in its JSON.
    QVERIFY(splineJson(din).find("\"dB\": 50,\n \"profileShift\": -0.0500") != std::string::npos);
    QVERIFY(splineJson(shaft).find("\"dB\"") == std::string::npos);
    QVERIFY(splineJson(shaft).find("\"profileShift\"") == std::string::npos);
}

// The CSV's descriptive columns, by kind of spline ("<none>": no such column).
void TestSpline::csvColumnsSayWhatTheSplineIs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    const QString hub = "INT 25z × 1m × 30P × 5H", shaft = "EXT 25z × 1m × 30R × 6e", din = "DIN 5480 - W 50 x 2 x 24 x 8f";
    QTest::newRow("a hub is internal") << hub << "internal" << "true";
    QTest::newRow("a shaft is not") << shaft << "internal" << "false";
    QTest::newRow("ISO") << hub << "standard" << "ISO 4156";
    QTest::newRow("DIN") << din << "standard" << "DIN 5480";
    QTest::newRow("DIN's dB") << din << "dB" << "50";
    QTest::newRow("no dB in ISO") << shaft << "dB" << "";
    QTest::newRow("no ISO tolerance in DIN") << din << "totalTolerance" << "";
    QTest::newRow("a hub's space width") << hub << "toothThickness.actualMax" << "<none>";
    QTest::newRow("a shaft's tooth thickness") << shaft << "spaceWidth.actualMax" << "<none>";
}

void TestSpline::csvColumnsSayWhatTheSplineIs()
{
    QFETCH(QString, text);
    QFETCH(QString, column);
    const std::string designated = text.toStdString();
    const SplineResult r = computed({.designation = designation(designated.c_str()), .splineLength = 15, .upperDeviation = -0.04,
                                     .lowerDeviation = -0.1});
    QString found = "<none>";
    for (const auto &[name, value] : splineColumns(r)) {
        if (name == column.toStdString())
            found = QString::fromStdString(value);
    }
    QTEST(found, "value");
    // The ISO tolerance and the size's own columns are there for every ISO spline.
    if (r.input.designation.standard == SplineStandard::Iso4156) {
        bool tolerance = false, size = false;
        for (const auto &[name, value] : splineColumns(r)) {
            tolerance = tolerance || (name == "totalTolerance" && std::stod(value) > 0);
            size = size || name == (r.input.designation.internal ? "spaceWidth.actualMax" : "toothThickness.actualMax");
        }
        QVERIFY(tolerance && size);
    }
}

// The table's rows of the tolerance: T + λ only where ISO 4156 gives it, λ wherever it is not zero.
void TestSpline::tableRowsFollowTheTolerance_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("lambda"); // typed λ of a DIN spline
    QTest::addColumn<QString>("rows");  // the rows expected, | between
    QTest::addColumn<QString>("absent");
    QTest::newRow("ISO with a class") << "EXT 25z × 1m × 30R × 6e" << 0.0 << "总公差 T+λ|综合公差 λ|渐开线起始圆直径 DF" << "变位系数 x";
    QTest::newRow("DIN without λ") << "DIN 5480 - W 50 x 2 x 24 x 8f" << 0.0 << "变位系数 x" << "总公差 T+λ|综合公差 λ";
    QTest::newRow("DIN with λ") << "DIN 5480 - W 50 x 2 x 24 x 8f" << 0.02 << "综合公差 λ|变位系数 x" << "总公差 T+λ";
}

void TestSpline::tableRowsFollowTheTolerance()
{
    QFETCH(QString, text);
    QFETCH(double, lambda);
    QFETCH(QString, rows);
    QFETCH(QString, absent);
    const std::string designated = text.toStdString();
    const SplineResult r = computed({.designation = designation(designated.c_str()), .splineLength = 15, .upperDeviation = -0.04,
                                     .lowerDeviation = -0.1, .effectiveVariation = lambda});
    QStringList names;
    for (const SplineRow &row : splineRows(r))
        names << QString::fromStdString(row.name);
    for (const QString &row : rows.split('|'))
        QVERIFY2(names.contains(row), qPrintable(row));
    for (const QString &row : absent.split('|'))
        QVERIFY2(!names.contains(row), qPrintable(row));
}

// ISO 286's fundamental deviation of f by the reference diameter D, a diameter on a row's
// upper bound in that row (10 < D ≤ 18: −16 µm); the major diameter moves by es_v/tan αD.
void TestSpline::fitFFollowsIso286ByDiameter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("es"); // µm
    QTest::newRow("D 10, upper bound of 6-10") << "EXT 10z x 1m x 30P x 5f" << -13.0;
    QTest::newRow("D 12") << "EXT 12z x 1m x 30P x 5f" << -16.0;
    QTest::newRow("D 18, upper bound of 10-18") << "EXT 18z x 1m x 30P x 5f" << -16.0;
    QTest::newRow("D 19") << "EXT 19z x 1m x 30P x 5f" << -20.0;
    QTest::newRow("D 20 by module 2") << "EXT 10z x 2m x 30P x 5f" << -20.0;
}

void TestSpline::fitFFollowsIso286ByDiameter()
{
    QFETCH(QString, text);
    QFETCH(double, es);
    const SplineResult r = computed({.designation = designation(text.toUtf8().constData()), .splineLength = 10});
    QCOMPARE(rounded((*r.thickness.effectiveMax - r.thickness.nominal) * 1000, 6), es);
    const double m = r.input.designation.module;
    QCOMPARE(rounded(r.majorDiameter, 9), rounded(m * (r.input.designation.teeth + 1) + es / 1000 / std::tan(kPi / 6), 9));
}

// The picture draws the spline's own teeth: between its root and tip circles, no two flanks
// crossing anywhere, the pins touching the drawn flanks, a hub in its ring.
void TestSpline::splineTeethAreDrawnAsSplines_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("hub, flat root") << "INT 25z x 1m x 30P x 5H";
    QTest::newRow("shaft, fillet root") << "EXT 30z x 1m x 30R x 6e";
    QTest::newRow("shaft, flat root, coarse") << "EXT 24z x 2.5m x 30P x 6f";
    QTest::newRow("hub, 37.5") << "INT 30z x 2m x 37.5 x 5H";
    QTest::newRow("shaft, 45") << "EXT 24z x 2.5m x 45 x 5h";
    QTest::newRow("hub, 45") << "INT 24z x 2.5m x 45 x 5H";
    QTest::newRow("DIN shaft") << "DIN 5480 - W 50 x 2 x 24 x 8f";
    QTest::newRow("DIN hub") << "DIN 5480 - N 50 x 2 x 24 x 9H";
    QTest::newRow("six teeth") << "EXT 6z x 1m x 30R";
}

void TestSpline::splineTeethAreDrawnAsSplines()
{
    QFETCH(QString, text);
    const SplineResult r = computed({.designation = designation(text.toUtf8().constData())});
    const std::optional<MeasurementDrawing> d = splineDrawing(r);
    QVERIFY(d);
    const std::vector<Point> &p = d->outline.points;
    QCOMPARE(d->outline.closed, true);
    const double m = r.input.designation.module, slack = 1e-9 * m;
    for (const Point &q : p) {
        const double radius = std::hypot(q.x, q.y);
        QVERIFY2(radius >= r.minorDiameter / 2 - slack && radius <= r.majorDiameter / 2 + slack, qPrintable(QString::number(radius)));
    }
    // No two segments of the closed outline cross (neighbours share their end point only).
    const auto side = [](Point a, Point b, Point c) { return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x); };
    const std::size_t n = p.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = p[i], b = p[(i + 1) % n];
        for (std::size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1)
                continue;
            const Point c = p[j], e = p[(j + 1) % n];
            if (std::max(a.x, b.x) < std::min(c.x, e.x) || std::max(c.x, e.x) < std::min(a.x, b.x)
                || std::max(a.y, b.y) < std::min(c.y, e.y) || std::max(c.y, e.y) < std::min(a.y, b.y))
                continue;
            const bool crosses = side(a, b, c) * side(a, b, e) < 0 && side(c, e, a) * side(c, e, b) < 0;
            QVERIFY2(!crosses, qPrintable(QStringLiteral("segments %1 and %2 cross").arg(i).arg(j)));
        }
    }
    // The teeth are symmetric: the outline is its own mirror image across the measured
    // space's centre line (the y axis), root forms and all.
    for (const Point &q : p) {
        double nearest = INFINITY;
        for (const Point &o : p)
            nearest = std::min(nearest, (o.x + q.x) * (o.x + q.x) + (o.y - q.y) * (o.y - q.y));
        QVERIFY2(std::sqrt(nearest) < 1e-7 * m, qPrintable(QStringLiteral("(%1, %2) has no mirror image").arg(q.x).arg(q.y)));
    }
    // The pins touch the flanks where the outline is drawn.
    for (const Point &contact : d->gaugeContacts) {
        double nearest = INFINITY;
        for (const Point &q : p)
            nearest = std::min(nearest, std::hypot(q.x - contact.x, q.y - contact.y));
        QVERIFY2(nearest < 1e-6 * m, qPrintable(QString::number(nearest)));
    }
    // A hub is drawn in its ring, outside its major diameter; a shaft has none.
    const bool ring = std::any_of(d->circles.begin(), d->circles.end(), [&](const Circle &c) {
        return c.stroke == Stroke::Outline && c.radius > r.majorDiameter / 2;
    });
    QCOMPARE(ring, r.input.designation.internal);
    // The root circle drawn is the spline's own: the minor diameter of a shaft, the major of a hub.
    const double root = (r.input.designation.internal ? r.majorDiameter : r.minorDiameter) / 2;
    QVERIFY(std::any_of(d->circles.begin(), d->circles.end(), [&](const Circle &c) { return std::fabs(c.radius - root) < slack; }));
}

#include "tst_spline.moc"

