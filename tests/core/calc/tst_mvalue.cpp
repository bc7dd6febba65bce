#include <QtTest>

#include <cmath>

#include "core/calc/mvalue.h"
#include "core/common/resulttext.h"

using namespace geardim;

Q_DECLARE_METATYPE(geardim::Failure)

namespace {
QString text(double v) { return QString::fromStdString(resultText(v)); }

GearData gear(float m, float z, float alphaDeg, float x, double betaDeg, float dp, bool external)
{
    return GearData{.m = m, .z = z, .alphaDeg = alphaDeg, .x = x, .betaDeg = betaDeg, .dp = dp, .external = external};
}
} // namespace

class TestMValue : public QObject {
    Q_OBJECT
private slots:
    void showsPublishedFigures_data();
    void showsPublishedFigures();
    void defaultHelicalIntermediates();
    void smallHelicalGearIntermediates();
    void helixSignDoesNotMatter();
    void chordalThicknessFollowsThePressureAngle_data();
    void chordalThicknessFollowsThePressureAngle();
    void spanOverOneToothIsASpan();
    void noResult_data();
    void noResult();
};

// A gear small enough for a span over one tooth still shows k = 1 and its L.
void TestMValue::spanOverOneToothIsASpan()
{
    const auto out = computeMValue(gear(2, 5, 20, 0, 0, 3.5f, true));
    QVERIFY(out.ok());
    QCOMPARE(out.value().k.value_or(0), 1.0f);
    QVERIFY(out.value().L && *out.value().L > 0);
}

void TestMValue::showsPublishedFigures_data()
{
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("alpha");
    QTest::addColumn<float>("x");
    QTest::addColumn<double>("beta");
    QTest::addColumn<float>("dp");
    QTest::addColumn<bool>("external");
    QTest::addColumn<QString>("M");
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("L"); // empty: none for an internal gear
    QTest::addColumn<QString>("k");

    // Spur gears, m 2, α 20°, d 3.36.
    QTest::newRow("spur_z50_x0_ext") << 2.f << 50.f << 20.f << 0.f << 0.0 << 3.36f << true
                                     << "104.5049" << "3.141593" << "33.874" << "6";
    QTest::newRow("spur_z50_x0p5_ext") << 2.f << 50.f << 20.f << 0.5f << 0.0 << 3.36f << true
                                       << "106.2625" << "3.869533" << "34.55804" << "6";
    QTest::newRow("spur_z50_xm1p1_ext") << 2.f << 50.f << 20.f << -1.1f << 0.0 << 3.36f << true
                                        << "99.47941" << "1.540124" << "14.65632" << "3";
    QTest::newRow("spur_z51_x0_ext") << 2.f << 51.f << 20.f << 0.f << 0.0 << 3.36f << true
                                     << "106.4568" << "3.141593" << "33.90201" << "6";
    // The span count depends on rounding the square-root term of the span rule to single.
    QTest::newRow("spur_z247_x1p223_single_root") << 2.f << 247.f << 20.f << 1.223f << 0.0 << 3.5f << true
                                                  << "503.7011" << "4.922135" << "176.8634" << "29";
    QTest::newRow("spur_z51_xm1p1_ext") << 2.f << 51.f << 20.f << -1.1f << 0.0 << 3.36f << true
                                        << "101.4584" << "1.540124" << "14.68433" << "3";
    QTest::newRow("spur_z50_x0_int") << 2.f << 50.f << 20.f << 0.f << 0.0 << 3.36f << false
                                     << "95.3852" << "3.141593" << "" << "";
    QTest::newRow("spur_z51_x0p5_int") << 2.f << 51.f << 20.f << 0.5f << 0.0 << 3.36f << false
                                       << "99.3765" << "2.413652" << "" << "";
    // Helical gears, m 2, α 20°, β 30°, d 3.36.
    QTest::newRow("helical_defaults") << 2.f << 50.f << 20.f << -1.1f << 30.0 << 3.36f << true
                                      << "115.2817" << "1.540402" << "38.979" << "7";
    QTest::newRow("helical_z50_int") << 2.f << 50.f << 20.f << -1.1f << 30.0 << 3.36f << false
                                     << "104.8913" << "4.742008" << "" << "";
    QTest::newRow("helical_z51_ext") << 2.f << 51.f << 20.f << -1.1f << 30.0 << 3.36f << true
                                     << "117.5462" << "1.540403" << "39.02113" << "7";
    QTest::newRow("helical_z50_x0_ext") << 2.f << 50.f << 20.f << 0.f << 30.0 << 3.36f << true
                                        << "119.9905" << "3.141375" << "46.38815" << "8";
    QTest::newRow("helical_z51_x0_int") << 2.f << 51.f << 20.f << 0.f << 30.0 << 3.36f << false
                                        << "113.1341" << "3.141383" << "" << "";
    QTest::newRow("helical_m3_z23_b12") << 3.f << 23.f << 20.f << 0.3f << 12.0 << 5.f << true
                                        << "78.42205" << "5.362671" << "32.64229" << "4";
}

void TestMValue::showsPublishedFigures()
{
    QFETCH(float, m);
    QFETCH(float, z);
    QFETCH(float, alpha);
    QFETCH(float, x);
    QFETCH(double, beta);
    QFETCH(float, dp);
    QFETCH(bool, external);
    const auto out = computeMValue(gear(m, z, alpha, x, beta, dp, external));
    QVERIFY(out.ok());
    const MValueResult &r = out.value();
    QFETCH(QString, M);
    QFETCH(QString, s);
    QFETCH(QString, L);
    QFETCH(QString, k);
    QCOMPARE(text(r.M), M);
    QCOMPARE(text(r.s), s);
    QCOMPARE(r.helical, beta != 0);
    QCOMPARE(r.L.has_value(), external);
    QCOMPARE(r.k.has_value(), external);
    if (external) {
        QCOMPARE(text(*r.L), L);
        QCOMPARE(text(*r.k), k);
    }
}

void TestMValue::defaultHelicalIntermediates()
{
    const auto out = computeMValue(gear(2, 50, 20, -1.1f, 30, 3.36f, true));
    QVERIFY(out.ok());
    const HelicalTrace &t = out.value().trace;
    QCOMPARE(text(t.alphaT), QString("0.3978631"));
    QCOMPARE(text(t.betaB), QString("0.4891167"));
    QCOMPARE(text(t.db), QString("106.4508"));
    QCOMPARE(text(t.target), QString("0.01073926"));
    QCOMPARE(text(t.alphaMt), QString("0.3139586"));
    QCOMPARE(t.iterations, 4);
    QCOMPARE(text(t.zv), QString("76.98004"));
    QCOMPARE(text(t.zPrime), QString("75.191"));
    // The span bracket is 6.101: adding 1 gives k = 7, adding 0.5 would give 6.
    QCOMPARE(QString::number(t.spanBracket, 'f', 3), QString("6.101"));
    QCOMPARE(*out.value().k, 7.0);
}

void TestMValue::smallHelicalGearIntermediates()
{
    const auto out = computeMValue(gear(3, 23, 20, 0.3f, 12, 5, true));
    QVERIFY(out.ok());
    QCOMPARE(QString::number(out.value().trace.spanBracket, 'f', 3), QString("3.201"));
}

void TestMValue::helixSignDoesNotMatter()
{
    for (bool external : {true, false}) {
        const auto plus = computeMValue(gear(2, 50, 20, -1.1f, 30, 3.36f, external));
        const auto minus = computeMValue(gear(2, 50, 20, -1.1f, -30, 3.36f, external));
        QVERIFY(plus.ok() && minus.ok());
        QCOMPARE(text(minus.value().M), text(plus.value().M));
        QCOMPARE(text(minus.value().s), text(plus.value().s));
    }
}

// The normal chordal thickness of a nearly spur helical gear must approach the spur
// arc thickness m·(π/2 ± 2x·tan α) at every pressure angle, not only at 20°.
void TestMValue::chordalThicknessFollowsThePressureAngle_data()
{
    QTest::addColumn<float>("alpha");
    QTest::addColumn<float>("x");
    QTest::addColumn<bool>("external");
    QTest::newRow("a20_x0p5_ext") << 20.f << 0.5f << true;
    QTest::newRow("a25_x0p5_ext") << 25.f << 0.5f << true;
    QTest::newRow("a25_x0p5_int") << 25.f << 0.5f << false;
    QTest::newRow("a14p5_xm0p4_ext") << 14.5f << -0.4f << true;
    QTest::newRow("a30_x0p8_int") << 30.f << 0.8f << false;
}

void TestMValue::chordalThicknessFollowsThePressureAngle()
{
    QFETCH(float, alpha);
    QFETCH(float, x);
    QFETCH(bool, external);
    const auto spur = computeMValue(gear(2, 200, alpha, x, 0, 3.5f, external));
    const auto helical = computeMValue(gear(2, 200, alpha, x, 0.001, 3.5f, external));
    QVERIFY(spur.ok() && helical.ok());
    QVERIFY2(std::fabs(double(helical.value().s) - spur.value().s) < 1e-3,
             qPrintable(text(helical.value().s) + " vs " + text(spur.value().s)));
}

void TestMValue::noResult_data()
{
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("alpha");
    QTest::addColumn<float>("x");
    QTest::addColumn<double>("beta");
    QTest::addColumn<float>("dp");
    QTest::addColumn<bool>("external");
    QTest::addColumn<Failure>("reason");

    QTest::newRow("zero_module") << 0.f << 50.f << 20.f << 0.f << 30.0 << 3.36f << true << Failure::ModuleNotPositive;
    QTest::newRow("negative_module") << -2.f << 50.f << 20.f << 0.f << 0.0 << 3.36f << true << Failure::ModuleNotPositive;
    QTest::newRow("zero_teeth") << 2.f << 0.f << 20.f << 0.f << 0.0 << 3.36f << true << Failure::TeethNotPositive;
    QTest::newRow("negative_teeth") << 2.f << -50.f << 20.f << 0.f << 30.0 << 3.36f << false << Failure::TeethNotPositive;
    QTest::newRow("zero_pressure_angle") << 2.f << 50.f << 0.f << 0.f << 0.0 << 3.36f << true
                                         << Failure::PressureAngleOutOfRange;
    QTest::newRow("right_pressure_angle") << 2.f << 50.f << 90.f << 0.f << 0.0 << 3.36f << true
                                          << Failure::PressureAngleOutOfRange;
    QTest::newRow("helix_90") << 2.f << 50.f << 20.f << 0.f << 90.0 << 3.36f << true << Failure::HelixAngleOutOfRange;
    QTest::newRow("helix_minus_90") << 2.f << 50.f << 20.f << 0.f << -90.0 << 3.36f << true
                                    << Failure::HelixAngleOutOfRange;
    QTest::newRow("zero_pin") << 2.f << 50.f << 20.f << 0.f << 0.0 << 0.f << true << Failure::PinNotPositive;
    QTest::newRow("negative_pin") << 2.f << 50.f << 20.f << 0.f << 30.0 << -3.f << true << Failure::PinNotPositive;
    // The internal spur gear with the default data: target −0.00545, the iteration runs away.
    QTest::newRow("internal_spur_defaults") << 2.f << 50.f << 20.f << -1.1f << 0.0 << 3.36f << false
                                            << Failure::PinCentreOffInvolute;
    QTest::newRow("huge_pin_spur") << 2.f << 50.f << 20.f << 0.f << 0.0 << 50.f << true
                                   << Failure::PinCentreOffInvolute;
    QTest::newRow("tiny_pin_spur") << 2.f << 50.f << 20.f << -1.1f << 0.0 << 0.001f << true
                                   << Failure::PinCentreOffInvolute;
    QTest::newRow("huge_ball_helical") << 2.f << 50.f << 20.f << 0.f << 30.0 << 60.f << true
                                       << Failure::PinCentreOffInvolute;
    QTest::newRow("span_root_negative_spur") << 2.f << 20.f << 20.f << -9.f << 0.0 << 3.36f << true
                                             << Failure::SpanCountUndefined;
    // Both module and teeth are wrong: the module, first in the window, is the reason.
    QTest::newRow("module_before_teeth") << 0.f << 0.f << 20.f << 0.f << 0.0 << 3.36f << true
                                         << Failure::ModuleNotPositive;
    // Near 90° of helix the equivalent tooth count makes L overflow while M and s stay finite.
    QTest::newRow("span_length_overflows") << 1e30f << 50.f << 20.f << -66739872.f << 89.99997915 << 1e30f << true
                                           << Failure::ResultOutOfRange;
    QTest::newRow("result_overflows") << 3e37f << 1e3f << 20.f << 0.f << 0.0 << 1e38f << true
                                      << Failure::ResultOutOfRange;
}

void TestMValue::noResult()
{
    QFETCH(float, m);
    QFETCH(float, z);
    QFETCH(float, alpha);
    QFETCH(float, x);
    QFETCH(double, beta);
    QFETCH(float, dp);
    QFETCH(bool, external);
    QFETCH(Failure, reason);
    const auto out = computeMValue(gear(m, z, alpha, x, beta, dp, external));
    QVERIFY(!out.ok());
    QCOMPARE(out.failure(), reason);
}

QTEST_APPLESS_MAIN(TestMValue)
#include "tst_mvalue.moc"
