#include <QtTest>

#include <cmath>

#include "core/common/angle.h"
#include "core/common/resulttext.h"
#include "core/geometry/involute.h"
#include "core/geometry/teeth.h"

using namespace geardim;

namespace {
const float kStart = radiansSingle(20.0f); // 0.3490658 rad
QString text(double v) { return QString::fromStdString(resultText(v)); }
} // namespace

class TestInvolute : public QObject {
    Q_OBJECT
private slots:
    void converges_data();
    void converges();
    void stopsAtTheCapWhenItRunsAway_data();
    void stopsAtTheCapWhenItRunsAway();
    void pinCentreMustLieOnTheInvolute();
    void toothParity_data();
    void toothParity();
    void chordalFactor();
};

void TestInvolute::converges_data()
{
    QTest::addColumn<float>("target");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<int>("iterations");
    QTest::newRow("inv20") << 0.01490438f << "0.3490658" << 1;
    QTest::newRow("default_helical") << 0.01073926f << "0.3139586" << 4;
    QTest::newRow("t0p02") << 0.02f << "0.3836426" << 4;
    QTest::newRow("t0p1") << 0.1f << "0.6316594" << 7;
    QTest::newRow("t0p15") << 0.15f << "0.7106372" << 9;
    QTest::newRow("t0p003") << 0.003f << "0.206815" << 6;
    // A stop test in double instead of on the single iterates would change the count.
    QTest::newRow("t0p000952_single_stop") << 0.000952f << "0.1414996" << 6;
    QTest::newRow("negative_odd") << -0.001f << "-0.143826" << 13;
    QTest::newRow("spurious_root") << 1.0f << "7.740061" << -1;
}

void TestInvolute::converges()
{
    QFETCH(float, target);
    QFETCH(QString, angle);
    QFETCH(int, iterations);
    float a = kStart;
    int steps = 0;
    const auto result = InverseInvolute(a, target, &steps);
    QVERIFY(result.has_value());
    QCOMPARE(text(*result), angle);
    QCOMPARE(a, *result); // the by-reference angle holds the returned value
    if (iterations > 0)
        QCOMPARE(steps, iterations);
}

void TestInvolute::stopsAtTheCapWhenItRunsAway_data()
{
    QTest::addColumn<float>("start");
    QTest::addColumn<float>("target");
    QTest::newRow("t0p2") << kStart << 0.2f;
    QTest::newRow("t_minus_0p004") << kStart << -0.004f;
    QTest::newRow("zero_start_divides_by_zero") << 0.0f << 0.01f;
    QTest::newRow("nan_target") << kStart << std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("infinite_target") << kStart << std::numeric_limits<float>::infinity();
}

void TestInvolute::stopsAtTheCapWhenItRunsAway()
{
    QFETCH(float, start);
    QFETCH(float, target);
    float a = start;
    int steps = 0;
    QVERIFY(!InverseInvolute(a, target, &steps).has_value());
    QCOMPARE(steps, kMaxInvoluteIterations);
}

void TestInvolute::pinCentreMustLieOnTheInvolute()
{
    // Target 0: the slope vanishes at the root, about thirty steps to about 1.9e-6.
    float a = kStart;
    int steps = 0;
    const auto nearZero = InverseInvolute(a, 0.0f, &steps);
    QVERIFY(nearZero.has_value());
    QVERIFY(steps >= 28 && steps <= 32);
    QVERIFY(*nearZero > 1.5e-6f && *nearZero < 2.5e-6f);

    QCOMPARE(text(*pinCentreAngle(kStart, 0.01073926f)), QString("0.3139586"));
    QVERIFY(!pinCentreAngle(kStart, 1.0f));    // converges far outside (0, π/2)
    QVERIFY(!pinCentreAngle(kStart, -0.001f)); // negative pressure angle
    QVERIFY(!pinCentreAngle(kStart, 0.2f));    // runs away
}

void TestInvolute::toothParity_data()
{
    QTest::addColumn<float>("z");
    QTest::addColumn<bool>("odd");
    QTest::newRow("z50") << 50.0f << false;
    QTest::newRow("z51") << 51.0f << true;
    QTest::newRow("z50p5") << 50.5f << true;
    QTest::newRow("z1") << 1.0f << true;
    QTest::newRow("z2") << 2.0f << false;
    QTest::newRow("z0p25") << 0.25f << true;
    QTest::newRow("z_huge_even") << 1e30f << false;
}

void TestInvolute::toothParity()
{
    QFETCH(float, z);
    QFETCH(bool, odd);
    QCOMPARE(isOddTeeth(z), odd);
}

void TestInvolute::chordalFactor()
{
    QCOMPARE(chordalThicknessFactor(radiansSingle(20.0f)), 41.7 * kPi / 180);
    QCOMPARE(chordalThicknessFactor(radiansSingle(25.0f)), 2 * std::tan(double(radiansSingle(25.0f))));
    QCOMPARE(chordalThicknessFactor(radiansSingle(19.9f)), 2 * std::tan(double(radiansSingle(19.9f))));
}

QTEST_APPLESS_MAIN(TestInvolute)
#include "tst_involute.moc"
