#include <QtTest>

#include <cmath>
#include <limits>

#include "core/common/failure.h"
#include "core/common/numberparse.h"
#include "core/common/resulttext.h"

using geardim::resultText;

class TestResultText : public QObject {
    Q_OBJECT
private slots:
    void writesSevenDigits_data();
    void writesSevenDigits();
    void everySingleReadsBackWithinHalfAUnit();
    void everyFailureHasItsOwnWarning_data();
    void everyFailureHasItsOwnWarning();
};

Q_DECLARE_METATYPE(geardim::Failure)

void TestResultText::writesSevenDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("m_value") << double(115.2817f) << "115.2817";
    QTest::newRow("thickness") << double(1.540402f) << "1.540402";
    QTest::newRow("shift_rounds_up") << double(-1.1000010f) << "-1.100001";
    QTest::newRow("shift_rounds_to_short") << double(-1.0999999f) << "-1.1";
    QTest::newRow("leading_zero") << double(0.04011825f) << "0.04011825";
    QTest::newRow("whole") << 7.0 << "7";
    QTest::newRow("span_length") << double(38.979f) << "38.979";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative_zero") << -0.0 << "0";
    QTest::newRow("band_low_edge") << 0.001 << "0.001";
    QTest::newRow("rounds_into_band") << 0.0009999999996 << "0.001";
    QTest::newRow("below_band") << double(-1.907349e-06f) << "-1.907349E-06";
    QTest::newRow("just_below_band") << 0.000999 << "9.99E-04";
    QTest::newRow("band_high_edge") << 1000000.0 << "1000000";
    QTest::newRow("just_above_band") << 1000001.0 << "1.000001E+06";
    QTest::newRow("large") << 15000000.0 << "1.5E+07";
    QTest::newRow("rounds_to_one") << 0.99999999 << "1";
    QTest::newRow("carry_across_point") << 9.9999996 << "10";
    QTest::newRow("max_single") << double(std::numeric_limits<float>::max()) << "3.402823E+38";
    QTest::newRow("min_denormal") << double(std::numeric_limits<float>::denorm_min()) << "1.401298E-45";
    QTest::newRow("exact_half_rounds_to_even") << double(-8.0078125f) << "-8.007812";
    QTest::newRow("three_digit_exponent") << 1e-300 << "1E-300";
}

void TestResultText::writesSevenDigits()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(resultText(value)), text);
}

// The text of any finite single parses back to within half a unit of its seventh digit.
void TestResultText::everySingleReadsBackWithinHalfAUnit()
{
    quint32 bits = 0x12345678;
    for (int i = 0; i < 200000; ++i) {
        bits = bits * 1664525u + 1013904223u; // a fixed pseudo-random walk over all bit patterns
        float value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        const std::string text = resultText(value);
        const auto back = geardim::parseDouble(text);
        QVERIFY2(back.has_value(), text.c_str());
        if (value == 0) {
            QCOMPARE(*back, 0.0);
            continue;
        }
        const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(double(value)))) - 6);
        QVERIFY2(std::fabs(*back - double(value)) <= unit / 2 + std::fabs(double(value)) * 1e-15, text.c_str());
        QVERIFY2(text.size() <= 14, text.c_str());
    }
}

void TestResultText::everyFailureHasItsOwnWarning_data()
{
    using geardim::Failure;
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("quantity"); // what the warning must name
    QTest::newRow("module") << Failure::ModuleNotPositive << "模数m";
    QTest::newRow("teeth") << Failure::TeethNotPositive << "齿数z";
    QTest::newRow("teeth_below_one") << Failure::TeethBelowOne << "齿数z";
    QTest::newRow("pressure_angle") << Failure::PressureAngleOutOfRange << "压力角";
    QTest::newRow("helix_angle") << Failure::HelixAngleOutOfRange << "螺旋角";
    QTest::newRow("pin_not_positive") << Failure::PinNotPositive << "量棒（球）直径d";
    QTest::newRow("pin_negative") << Failure::PinNegative << "量棒（球）直径d";
    QTest::newRow("root_diameter") << Failure::RootDiameterNotPositive << "齿根圆直径";
    QTest::newRow("span_count") << Failure::SpanCountUndefined << "跨测齿数k";
    QTest::newRow("pin_centre") << Failure::PinCentreOffInvolute << "量棒（球）中心";
    QTest::newRow("contact_circle") << Failure::ContactCircleInsideBase << "接触圆";
    QTest::newRow("estimate") << Failure::EstimateNotConverged << "量棒（球）直径";
    QTest::newRow("no_positive_pin") << Failure::NoPositivePin << "量棒（球）直径";
    QTest::newRow("pin_centres") << Failure::PinCentresInsideBase << "M值";
    QTest::newRow("chord") << Failure::ChordNotShorterThanDiameter << "齿厚s";
    QTest::newRow("span_length_short") << Failure::SpanLengthTooShort << "公法线长度L";
    QTest::newRow("size") << Failure::SizeNotGiven << "模数m或径节P";
    QTest::newRow("shift_and_thickness") << Failure::ShiftAndThicknessBoth << "齿厚sn";
    QTest::newRow("teeth_not_whole") << Failure::TeethNotWhole << "齿数z";
    QTest::newRow("thickness") << Failure::ThicknessNotPositive << "齿厚sn";
    QTest::newRow("tip_diameter") << Failure::TipDiameterNotPositive << "齿顶圆直径da";
    QTest::newRow("addendum") << Failure::AddendumNegative << "齿顶高系数";
    QTest::newRow("face_width") << Failure::FaceWidthNotPositive << "齿宽b";
    QTest::newRow("out_of_range") << Failure::ResultOutOfRange << "计算结果";
}

void TestResultText::everyFailureHasItsOwnWarning()
{
    using geardim::Failure;
    QFETCH(Failure, failure);
    QFETCH(QString, quantity);
    const QString text = QString::fromUtf8(geardim::failureText(failure));
    QVERIFY2(text.contains(quantity), qPrintable(text));
    // No other failure shares the text.
    for (int other = 0; other <= int(Failure::ResultOutOfRange); ++other) {
        if (other != int(failure))
            QVERIFY(text != QString::fromUtf8(geardim::failureText(Failure(other))));
    }
}

QTEST_APPLESS_MAIN(TestResultText)
#include "tst_resulttext.moc"
