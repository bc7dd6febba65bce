#include <QtTest>

#include <cmath>

#include "core/calc/mvalue.h"
#include "core/calc/pincheck.h"
#include "core/calc/pinestimate.h"
#include "core/common/resulttext.h"

using namespace geardim;

Q_DECLARE_METATYPE(geardim::Failure)

namespace {
QString text(double v) { return QString::fromStdString(resultText(v)); }
} // namespace

class TestPins : public QObject {
    Q_OBJECT
private slots:
    void pinDataBounds();
    void estimate_data();
    void estimate();
    void estimateToFourDecimals_data();
    void estimateToFourDecimals();
    void estimatedBallSitsWhereTheMValuePutsIt_data();
    void estimatedBallSitsWhereTheMValuePutsIt();
    void noEstimate_data();
    void noEstimate();
    void verdict_data();
    void verdict();
    void noVerdict_data();
    void noVerdict();
};

void TestPins::estimate_data()
{
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("beta");
    QTest::addColumn<bool>("external");
    QTest::addColumn<QString>("d");
    QTest::addColumn<int>("steps");
    QTest::newRow("defaults_external") << 50.f << -1.1f << 30.f << true << "3.36912" << 3;
    QTest::newRow("defaults_internal") << 50.f << -1.1f << 30.f << false << "2.94064" << -1;
    QTest::newRow("z50_x0_external") << 50.f << 0.f << 30.f << true << "3.368638" << 3;
    // Started from the transverse pressure angle this ball would take 3 steps, not 6.
    QTest::newRow("z50_x0_b75_newton_start") << 50.f << 0.f << 75.f << true << "3.34389" << 6;
    QTest::newRow("spur_z50") << 50.f << -1.1f << 0.f << true << "3.343213" << 0;
    QTest::newRow("spur_z17_internal") << 17.f << 0.7f << 0.f << false << "3.343213" << 0;
    QTest::newRow("spur_z333_x0") << 333.f << 0.f << 0.f << true << "3.343213" << 0;
}

void TestPins::estimate()
{
    QFETCH(float, z);
    QFETCH(float, x);
    QFETCH(float, beta);
    QFETCH(bool, external);
    QFETCH(QString, d);
    QFETCH(int, steps);
    const auto out = estimatePin({.m = 2, .z = z, .alphaDeg = 20, .x = x, .betaDeg = beta, .external = external});
    QVERIFY(out.ok());
    QCOMPARE(text(out.value().d), d);
    if (steps >= 0)
        QCOMPARE(out.value().steps, steps);
}

void TestPins::estimateToFourDecimals_data()
{
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("x");
    QTest::addColumn<QString>("d");
    QTest::addColumn<int>("steps");
    QTest::newRow("z50_x0") << 50.f << 0.f << "3.3686" << -1;
    QTest::newRow("z20_x0") << 20.f << 0.f << "3.4090" << -1;
    QTest::newRow("z20_x0p5") << 20.f << 0.5f << "3.7390" << 4;
}

void TestPins::estimateToFourDecimals()
{
    QFETCH(float, z);
    QFETCH(float, x);
    QFETCH(QString, d);
    QFETCH(int, steps);
    const auto out = estimatePin({.m = 2, .z = z, .alphaDeg = 20, .x = x, .betaDeg = 30, .external = true});
    QVERIFY(out.ok());
    QCOMPARE(QString::number(out.value().d, 'f', 4), d);
    if (steps >= 0)
        QCOMPARE(out.value().steps, steps);
}

// The proposed ball, used for the M value of the same gear, has its centre at the
// transverse pressure angle the estimate solved for.
void TestPins::estimatedBallSitsWhereTheMValuePutsIt_data()
{
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("alpha");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("beta");
    QTest::addColumn<bool>("external");
    QTest::newRow("defaults_ext") << 2.f << 50.f << 20.f << -1.1f << 30.f << true;
    QTest::newRow("defaults_int") << 2.f << 50.f << 20.f << -1.1f << 30.f << false;
    QTest::newRow("z20_x0p5_ext") << 2.f << 20.f << 20.f << 0.5f << 30.f << true;
    QTest::newRow("z23_b12_ext") << 3.f << 23.f << 20.f << 0.3f << 12.f << true;
    QTest::newRow("z31_b15_a25_int") << 4.f << 31.f << 25.f << 0.2f << 15.f << false;
    QTest::newRow("z17_bm20_ext") << 1.5f << 17.f << 20.f << 0.4f << -20.f << true;
    QTest::newRow("z101_b8_a14p5_ext") << 5.f << 101.f << 14.5f << -0.3f << 8.f << true;
    QTest::newRow("z60_b35_int") << 2.5f << 60.f << 20.f << 0.f << 35.f << false;
}

void TestPins::estimatedBallSitsWhereTheMValuePutsIt()
{
    QFETCH(float, m);
    QFETCH(float, z);
    QFETCH(float, alpha);
    QFETCH(float, x);
    QFETCH(float, beta);
    QFETCH(bool, external);
    const auto ball = estimatePin({.m = m, .z = z, .alphaDeg = alpha, .x = x, .betaDeg = beta, .external = external});
    QVERIFY(ball.ok());
    const auto mValue = computeMValue({.m = m, .z = z, .alphaDeg = alpha, .x = x, .betaDeg = double(beta), .dp = ball.value().d, .external = external});
    QVERIFY(mValue.ok());
    QVERIFY2(std::fabs(double(mValue.value().alphaM) - ball.value().phi) < 2e-5,
             qPrintable(QString("%1 vs %2").arg(mValue.value().alphaM).arg(ball.value().phi)));
}

void TestPins::noEstimate_data()
{
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("alpha");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("beta");
    QTest::addColumn<Failure>("reason");
    QTest::newRow("contact_inside_base") << 2.f << 20.f << 20.f << -1.1f << 30.f << Failure::ContactCircleInsideBase;
    QTest::newRow("contact_behind_centre") << 2.f << 20.f << 20.f << -30.f << 30.f << Failure::ContactCircleInsideBase;
    QTest::newRow("zero_module") << 0.f << 50.f << 20.f << 0.f << 0.f << Failure::ModuleNotPositive;
    QTest::newRow("zero_teeth") << 2.f << 0.f << 20.f << 0.f << 30.f << Failure::TeethNotPositive;
    QTest::newRow("zero_alpha") << 2.f << 50.f << 0.f << 0.f << 30.f << Failure::PressureAngleOutOfRange;
    QTest::newRow("alpha_90") << 2.f << 50.f << 90.f << 0.f << 0.f << Failure::PressureAngleOutOfRange;
    QTest::newRow("beta_90") << 2.f << 50.f << 20.f << 0.f << 90.f << Failure::HelixAngleOutOfRange;
}

void TestPins::noEstimate()
{
    QFETCH(float, m);
    QFETCH(float, z);
    QFETCH(float, alpha);
    QFETCH(float, x);
    QFETCH(float, beta);
    QFETCH(Failure, reason);
    const auto out = estimatePin({.m = m, .z = z, .alphaDeg = alpha, .x = x, .betaDeg = beta, .external = true});
    QVERIFY(!out.ok());
    QCOMPARE(out.failure(), reason);
}

void TestPins::verdict_data()
{
    QTest::addColumn<float>("M");
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("df");
    QTest::addColumn<bool>("external");
    QTest::addColumn<QString>("testValue"); // to four decimals
    QTest::addColumn<bool>("usable");
    // M − 2d = 108.5617 in single precision; the comparison is strict.
    QTest::newRow("ext_even_below") << 115.2817f << 50.f << 108.5616f << true << "108.5617" << true;
    QTest::newRow("ext_even_equal") << 115.2817f << 50.f << 108.5617f << true << "108.5617" << false;
    QTest::newRow("ext_even_above") << 115.2817f << 50.f << 108.5618f << true << "108.5617" << false;
    QTest::newRow("ext_odd") << 117.5462f << 51.f << 110.f << true << "110.8804" << true;
    QTest::newRow("ext_odd_above") << 117.5462f << 51.f << 111.f << true << "110.8804" << false;
    QTest::newRow("int_even_usable") << 104.8913f << 50.f << 112.f << false << "111.6113" << true;
    QTest::newRow("int_even_not") << 104.8913f << 50.f << 111.f << false << "111.6113" << false;
    QTest::newRow("int_odd") << 104.8913f << 51.f << 112.f << false << "111.6627" << true;
}

void TestPins::verdict()
{
    QFETCH(float, M);
    QFETCH(float, z);
    QFETCH(float, df);
    QFETCH(bool, external);
    QFETCH(QString, testValue);
    QFETCH(bool, usable);
    const auto out = checkPin({.M = M, .z = z, .d = 3.36f, .df = df, .external = external});
    QVERIFY(out.ok());
    QCOMPARE(QString::number(out.value().testValue, 'f', 4), testValue);
    QCOMPARE(out.value().usable, usable);
}

void TestPins::noVerdict_data()
{
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("d");
    QTest::addColumn<float>("df");
    QTest::addColumn<Failure>("reason");
    QTest::newRow("no_teeth") << 0.f << 3.36f << 100.f << Failure::TeethBelowOne;
    QTest::newRow("half_tooth") << 0.5f << 3.36f << 100.f << Failure::TeethBelowOne;
    QTest::newRow("negative_pin") << 50.f << -1.f << 100.f << Failure::PinNegative;
    QTest::newRow("zero_root") << 50.f << 3.36f << 0.f << Failure::RootDiameterNotPositive;
    QTest::newRow("negative_root") << 50.f << 3.36f << -5.f << Failure::RootDiameterNotPositive;
}

void TestPins::noVerdict()
{
    QFETCH(float, z);
    QFETCH(float, d);
    QFETCH(float, df);
    QFETCH(Failure, reason);
    const auto out = checkPin({.M = 115.2817f, .z = z, .d = d, .df = df, .external = true});
    QVERIFY(!out.ok());
    QCOMPARE(out.failure(), reason);
}

QTEST_APPLESS_MAIN(TestPins)
// The pin check takes one tooth or more and a pin of no diameter or more.
void TestPins::pinDataBounds()
{
    QVERIFY(!checkPinData(1, 0));
    QCOMPARE(checkPinData(0.99f, 0), std::optional(Failure::TeethBelowOne));
    QCOMPARE(checkPinData(30, -0.001f), std::optional(Failure::PinNegative));
}

#include "tst_pins.moc"
