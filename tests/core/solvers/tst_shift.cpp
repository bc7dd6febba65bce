#include <QtTest>

#include <cmath>

#include "core/calc/mvalue.h"
#include "core/calc/pinestimate.h"
#include "core/common/numberparse.h"
#include "core/common/resulttext.h"
#include "core/solvers/shiftfrommvalue.h"
#include "core/solvers/shiftfromspan.h"
#include "core/solvers/shiftfromthickness.h"

using namespace geardim;

Q_DECLARE_METATYPE(geardim::Failure)

namespace {
QString text(double v) { return QString::fromStdString(resultText(v)); }
QString fourDecimals(double v) { return QString::number(std::fabs(v) < 5e-5 ? 0.0 : v, 'f', 4); }
// What a user types after reading a result label.
float typedBack(double v) { return *parseSingle(resultText(v)); }

const SpanMeasurement kSpanDefaults{.m = 2, .z = 50, .betaDeg = 30, .alphaDeg = 20, .k = 7, .L = 38.979};
} // namespace

class TestShift : public QObject {
    Q_OBJECT
private slots:
    void pinOfNoDiameterIsNotNegative();
    void fromMValue_data();
    void fromMValue();
    void spanEstimate_data();
    void spanEstimate();
    void fromSpan_data();
    void fromSpan();
    void fromThickness_data();
    void fromThickness();
    void roundTrip_data();
    void roundTrip();
    void noResult_data();
    void noResult();
};

void TestShift::fromMValue_data()
{
    QTest::addColumn<float>("M");
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("beta");
    QTest::addColumn<float>("d");
    QTest::addColumn<bool>("external");
    QTest::addColumn<int>("decimals"); // 0: the text shown; otherwise x to this many decimals
    QTest::addColumn<QString>("x");
    QTest::newRow("defaults") << 115.2817f << 50.f << 30.f << 3.36f << true << 0 << "-1.100001";
    QTest::newRow("ext_spur_z50") << 104.5049f << 50.f << 0.f << 3.36f << true << 4 << "0.0000";
    QTest::newRow("ext_spur_z51") << 106.4568f << 51.f << 0.f << 3.36f << true << 4 << "0.0000";
    QTest::newRow("ext_helical_z51") << 122.2441f << 51.f << 30.f << 3.36f << true << 4 << "0.0000";
    QTest::newRow("int_spur_z50") << 96.8593f << 50.f << 0.f << 3.f << false << 4 << "0.0000";
    QTest::newRow("int_spur_z51") << 98.8110f << 51.f << 0.f << 3.f << false << 4 << "0.0000";
    QTest::newRow("int_helical_z50") << 112.3296f << 50.f << 30.f << 3.f << false << 4 << "0.0000";
    QTest::newRow("int_helical_z51") << 114.5832f << 51.f << 30.f << 3.f << false << 4 << "0.0000";
    QTest::newRow("ext_helical_x0p5") << 121.8183f << 50.f << 30.f << 3.36f << true << 4 << "0.5000";
    QTest::newRow("int_helical_defaults") << 104.8913f << 50.f << 30.f << 3.36f << false << 4 << "-1.1000";
    QTest::newRow("z50p5_counts_odd") << 115.2817f << 50.5f << 30.f << 3.36f << true << 4 << "-1.3104";
}

void TestShift::fromMValue()
{
    QFETCH(float, M);
    QFETCH(float, z);
    QFETCH(float, beta);
    QFETCH(float, d);
    QFETCH(bool, external);
    QFETCH(int, decimals);
    QFETCH(QString, x);
    const auto out = shiftFromMValue({.M = M, .m = 2, .z = z, .alphaDeg = 20, .betaDeg = beta, .d = d, .external = external});
    QVERIFY(out.ok());
    QCOMPARE(decimals ? fourDecimals(out.value()) : text(out.value()), x);
}

void TestShift::spanEstimate_data()
{
    QTest::addColumn<double>("L");
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("beta");
    QTest::addColumn<float>("k");
    QTest::addColumn<QString>("estimate"); // empty: no result, L too short for one tooth
    QTest::newRow("defaults") << 38.979 << 50.f << 30.f << 7.f << "7";
    QTest::newRow("typed_k_ignored") << 38.979 << 50.f << 30.f << 3.f << "7";
    QTest::newRow("L60") << 60.0 << 50.f << 30.f << 7.f << "10";
    QTest::newRow("L46") << 46.0 << 50.f << 30.f << 7.f << "8";
    QTest::newRow("L20") << 20.0 << 50.f << 30.f << 7.f << "4";
    QTest::newRow("L10") << 10.0 << 50.f << 30.f << 7.f << "2";
    QTest::newRow("spur") << 38.979 << 50.f << 0.f << 7.f << "7";
    // Unshifted gears measured over their own spans: each extra tooth adds a base pitch.
    QTest::newRow("default_gear_over_9") << 50.787 << 50.f << 30.f << 7.f << "9";
    QTest::newRow("spur_z20_over_3") << 15.321 << 20.f << 0.f << 7.f << "3";
    QTest::newRow("spur_z20_over_2") << 9.42 << 20.f << 0.f << 7.f << "2";
    QTest::newRow("spur_z20_over_1") << 3.512 << 20.f << 0.f << 7.f << "1"; // m 2: 2·cos 20°·(π/2 + 20·inv 20°)
    QTest::newRow("below_one_tooth") << 1.0 << 50.f << 30.f << 7.f << "";
    QTest::newRow("far_below") << -1000.0 << 50.f << 30.f << 7.f << "";
}

void TestShift::spanEstimate()
{
    QFETCH(double, L);
    QFETCH(float, z);
    QFETCH(float, beta);
    QFETCH(float, k);
    QFETCH(QString, estimate);
    SpanMeasurement in = kSpanDefaults;
    in.L = L;
    in.z = z;
    in.betaDeg = beta;
    in.k = k;
    const auto out = spanFromLength(in);
    if (estimate.isEmpty()) {
        QVERIFY(!out.ok());
        QCOMPARE(out.failure(), Failure::SpanLengthTooShort);
        return;
    }
    QVERIFY(out.ok());
    QCOMPARE(text(out.value()), estimate);
}

void TestShift::fromSpan_data()
{
    QTest::addColumn<float>("k");
    QTest::addColumn<int>("decimals"); // 0: the text shown; otherwise x to this many decimals
    QTest::addColumn<QString>("x");
    QTest::newRow("defaults") << 7.f << 0 << "-1.100001";
    QTest::newRow("k8") << 8.f << 5 << "-5.41573";
    QTest::newRow("k6") << 6.f << 5 << "3.21573";
    QTest::newRow("k7p5_not_rounded") << 7.5f << 5 << "-3.25786";
}

void TestShift::fromSpan()
{
    QFETCH(float, k);
    QFETCH(int, decimals);
    QFETCH(QString, x);
    SpanMeasurement in = kSpanDefaults;
    in.k = k;
    const auto out = shiftFromSpan(in);
    QVERIFY(out.ok());
    QCOMPARE(decimals ? QString::number(out.value(), 'f', decimals) : text(out.value()), x);
}

void TestShift::fromThickness_data()
{
    QTest::addColumn<float>("s");
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("alpha");
    QTest::addColumn<float>("beta");
    QTest::addColumn<QString>("external");
    QTest::addColumn<QString>("internal");
    QTest::newRow("defaults") << 1.540402f << 2.f << 50.f << 20.f << 30.f << "-1.1" << "1.1";
    // The pressure angle enters through 2·tan α away from 20°.
    QTest::newRow("alpha25") << 1.540402f << 2.f << 50.f << 25.f << 30.f << "-0.8584273" << "0.8584273";
    QTest::newRow("beta_negative") << 1.540402f << 2.f << 50.f << 20.f << -30.f << "-1.1" << "1.1";
    // 1e-45° is 0 in single-precision radians: the spur formula, not the chord.
    QTest::newRow("beta_1em45_is_spur") << 3.2f << 2.f << 50.f << 20.f << 1e-45f << "0.04011825" << "-0.04011825";
    QTest::newRow("spur_reads_arc") << 1.540402f << 2.f << 50.f << 20.f << 0.f << "-1.099809" << "1.099809";
    QTest::newRow("spur_ignores_z") << 1.540402f << 2.f << 0.f << 20.f << 0.f << "-1.099809" << "1.099809";
    QTest::newRow("spur_forward_fed_back") << 1.540124f << 2.f << 50.f << 20.f << 0.f << "-1.1" << "1.1";
    QTest::newRow("spur_3p2") << 3.2f << 2.f << 50.f << 20.f << 0.f << "0.04011825" << "-0.04011825";
    QTest::newRow("helical_zero_thickness") << 0.f << 2.f << 50.f << 20.f << 30.f << "-2.158273" << "2.158273";
    QTest::newRow("helical_m3_z20_b15") << 1.5f << 3.f << 20.f << 20.f << 15.f << "-1.471215" << "1.471215";
}

void TestShift::fromThickness()
{
    QFETCH(float, s);
    QFETCH(float, m);
    QFETCH(float, z);
    QFETCH(float, alpha);
    QFETCH(float, beta);
    QFETCH(QString, external);
    QFETCH(QString, internal);
    const auto ext = shiftFromThickness({.s = s, .m = m, .z = z, .alphaDeg = alpha, .betaDeg = beta, .external = true});
    const auto in = shiftFromThickness({.s = s, .m = m, .z = z, .alphaDeg = alpha, .betaDeg = beta, .external = false});
    QVERIFY(ext.ok() && in.ok());
    QCOMPARE(text(ext.value()), external);
    QCOMPARE(text(in.value()), internal);
}

// What the M-value window shows for a gear, typed into each solver with the same
// data, gives back the gear's x to four decimals: on all eight branches and at
// several pressure angles.
void TestShift::roundTrip_data()
{
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("alpha");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("beta");
    QTest::addColumn<bool>("external");
    for (const float beta : {0.f, 30.f, 12.f})
        for (const bool external : {true, false})
            for (const float z : {50.f, 51.f, 24.f})
                for (const float alpha : {20.f, 25.f, 14.5f})
                    // A small internal spur gear with negative shift has no M value for
                    // the proposed pin, so internal gears take a positive shift instead.
                    for (const float x : {external ? -0.3f : 0.2f, 0.f, 0.45f}) {
                        const QString tag = QString("%1_%2_z%3_a%4_x%5")
                                                .arg(beta == 0 ? "spur" : "helical" + QString::number(beta))
                                                .arg(external ? "ext" : "int")
                                                .arg(z)
                                                .arg(alpha)
                                                .arg(x)
                                                .replace('.', 'p')
                                                .replace('-', 'm');
                        QTest::newRow(qPrintable(tag)) << 2.5f << z << alpha << x << beta << external;
                    }
}

void TestShift::roundTrip()
{
    QFETCH(float, m);
    QFETCH(float, z);
    QFETCH(float, alpha);
    QFETCH(float, x);
    QFETCH(float, beta);
    QFETCH(bool, external);
    const auto pin = estimatePin({.m = m, .z = z, .alphaDeg = alpha, .x = x, .betaDeg = beta, .external = external});
    QVERIFY(pin.ok());
    const float d = typedBack(pin.value().d);
    const auto forward = computeMValue({.m = m, .z = z, .alphaDeg = alpha, .x = x, .betaDeg = double(beta), .dp = d, .external = external});
    QVERIFY(forward.ok());
    const MValueResult &r = forward.value();
    const QString expected = fourDecimals(x);

    const auto fromM = shiftFromMValue({.M = typedBack(r.M), .m = m, .z = z, .alphaDeg = alpha, .betaDeg = beta, .d = d, .external = external});
    QVERIFY(fromM.ok());
    QCOMPARE(fourDecimals(fromM.value()), expected);

    const auto fromS = shiftFromThickness({.s = typedBack(r.s), .m = m, .z = z, .alphaDeg = alpha, .betaDeg = beta, .external = external});
    QVERIFY(fromS.ok());
    QCOMPARE(fourDecimals(fromS.value()), expected);

    if (external) {
        const auto typedL = parseDouble(resultText(*r.L));
        const auto fromL = shiftFromSpan({.m = m, .z = z, .betaDeg = beta, .alphaDeg = alpha, .k = float(*r.k), .L = *typedL});
        QVERIFY(fromL.ok());
        QCOMPARE(fourDecimals(fromL.value()), expected);
    }
}

void TestShift::noResult_data()
{
    QTest::addColumn<int>("solver"); // 0 M value, 1 span estimate, 2 span, 3 thickness
    QTest::addColumn<Failure>("reason");
    QTest::addColumn<float>("a"); // M, L or s
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("alpha");
    QTest::addColumn<float>("beta");
    QTest::addColumn<bool>("external");
    QTest::newRow("m_pins_inside_base") << 0 << Failure::PinCentresInsideBase << 90.f << 2.f << 50.f << 20.f << 30.f << true;
    QTest::newRow("m_pins_inside_base_spur") << 0 << Failure::PinCentresInsideBase << 95.f << 2.f << 50.f << 20.f << 0.f << true;
    QTest::newRow("m_equals_pin") << 0 << Failure::PinCentresInsideBase << 3.36f << 2.f << 50.f << 20.f << 0.f << true;
    QTest::newRow("m_zero_module") << 0 << Failure::ModuleNotPositive << 115.f << 0.f << 50.f << 20.f << 30.f << true;
    QTest::newRow("m_zero_teeth") << 0 << Failure::TeethNotPositive << 115.f << 2.f << 0.f << 20.f << 30.f << true;
    QTest::newRow("m_zero_alpha") << 0 << Failure::PressureAngleOutOfRange << 115.f << 2.f << 50.f << 0.f << 30.f << true;
    QTest::newRow("m_beta_90") << 0 << Failure::HelixAngleOutOfRange << 115.f << 2.f << 50.f << 20.f << 90.f << false;
    QTest::newRow("est_zero_module") << 1 << Failure::ModuleNotPositive << 38.979f << 0.f << 50.f << 20.f << 30.f << true;
    QTest::newRow("est_zero_alpha") << 1 << Failure::PressureAngleOutOfRange << 38.979f << 2.f << 50.f << 0.f << 30.f << true;
    QTest::newRow("est_tiny_module_overflows") << 1 << Failure::ResultOutOfRange << 3e38f << 1e-30f << 50.f << 20.f << 30.f << true;
    QTest::newRow("span_zero_alpha") << 2 << Failure::PressureAngleOutOfRange << 38.979f << 2.f << 50.f << 0.f << 30.f << true;
    QTest::newRow("span_zero_teeth") << 2 << Failure::TeethNotPositive << 38.979f << 2.f << 0.f << 20.f << 30.f << true;
    QTest::newRow("span_beta_minus_90") << 2 << Failure::HelixAngleOutOfRange << 38.979f << 2.f << 50.f << 20.f << -90.f << true;
    QTest::newRow("s_chord_too_long") << 3 << Failure::ChordNotShorterThanDiameter << 200.f << 2.f << 50.f << 20.f << 30.f << true;
    QTest::newRow("s_chord_equal_diameter") << 3 << Failure::ChordNotShorterThanDiameter << -1000.f << 2.f << 3.f << 20.f << 60.f << false;
    // A chord within a millionth of the virtual diameter (zv·m of z 100, β 10°,
    // m 2 is 209.39949…): no tooth, not a shift in the hundreds.
    QTest::newRow("s_chord_as_typed_diameter") << 3 << Failure::ChordNotShorterThanDiameter << 209.3993f << 2.f << 100.f << 20.f << 10.f << true;
    QTest::newRow("s_zero_module") << 3 << Failure::ModuleNotPositive << 1.5f << 0.f << 50.f << 20.f << 0.f << true;
    QTest::newRow("s_zero_alpha_spur") << 3 << Failure::PressureAngleOutOfRange << 1.5f << 2.f << 50.f << 0.f << 0.f << true;
    QTest::newRow("s_zero_alpha_helical") << 3 << Failure::PressureAngleOutOfRange << 1.5f << 2.f << 50.f << 0.f << 30.f << true;
    QTest::newRow("s_zero_teeth_helical") << 3 << Failure::TeethNotPositive << 1.5f << 2.f << 0.f << 20.f << 30.f << true;
}

void TestShift::noResult()
{
    QFETCH(int, solver);
    QFETCH(Failure, reason);
    QFETCH(float, a);
    QFETCH(float, m);
    QFETCH(float, z);
    QFETCH(float, alpha);
    QFETCH(float, beta);
    QFETCH(bool, external);
    Outcome<float> out = 0.f;
    switch (solver) {
    case 0: out = shiftFromMValue({.M = a, .m = m, .z = z, .alphaDeg = alpha, .betaDeg = beta, .d = 3.36f, .external = external}); break;
    case 1: out = spanFromLength({.m = m, .z = z, .betaDeg = beta, .alphaDeg = alpha, .k = 7, .L = a}); break;
    case 2: out = shiftFromSpan({.m = m, .z = z, .betaDeg = beta, .alphaDeg = alpha, .k = 7, .L = a}); break;
    default: out = shiftFromThickness({.s = a, .m = m, .z = z, .alphaDeg = alpha, .betaDeg = beta, .external = external}); break;
    }
    QVERIFY(!out.ok());
    QCOMPARE(out.failure(), reason);
}

// A pin of no diameter is a value like any other (the centres on the reference circle); only a
// negative one is refused.
void TestShift::pinOfNoDiameterIsNotNegative()
{
    const MValueMeasurement zero{.M = 60, .m = 2, .z = 30, .alphaDeg = 20, .betaDeg = 0, .d = 0};
    const auto out = shiftFromMValue(zero);
    QVERIFY(out.ok() || out.failure() != Failure::PinNegative);
    MValueMeasurement negative = zero;
    negative.d = -0.001f;
    QCOMPARE(shiftFromMValue(negative).failure(), Failure::PinNegative);
}

QTEST_APPLESS_MAIN(TestShift)
#include "tst_shift.moc"
