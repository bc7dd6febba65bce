#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

#include "core/calc/mvalue.h"
#include "core/common/angle.h"
#include "core/geometry/involute.h"
#include "core/drawing/drawing.h"
#include "core/gear/gaugeseries.h"
#include "core/gear/gear.h"
#include "core/gear/allowancetable.h"
#include "core/sheet/geardata.h"
#include "core/sheet/measuredsummary.h"
#include "core/sheet/sheetreport.h"

using namespace geardim;

Q_DECLARE_METATYPE(geardim::Failure)
Q_DECLARE_METATYPE(geardim::SheetWarning)

namespace {

QString fixed(double v, int decimals) { return QString::fromStdString(sheetNumber(v, decimals)); }

SheetResult sheetOf(const SheetInput &in)
{
    const auto out = computeSheet(in);
    if (!out.ok())
        qFatal("no sheet: %s", failureText(out.failure()));
    return out.value();
}

// The helical example's tip diameter: d + 2·ha with ha = 6 (mn 5, z 16, β 25°).
const double kHelicalTip = 16 * 5 / std::cos(25 * 3.14159265358979 / 180) + 12;

} // namespace

class TestSheet : public QObject {
    Q_OBJECT
private slots:
    void histogramOfEqualValuesHasARange();
    void publishedCaliperValues_data();
    void publishedCaliperValues();
    void publishedSpans_data();
    void publishedSpans();
    void helicalSpanFollowsTheHandbookRule_data();
    void helicalSpanFollowsTheHandbookRule();
    void chosenSpanWithItsNeighbours();
    void internalGears_data();
    void internalGears();
    void tipThickness_data();
    void tipThickness();
    void warningCodes_data();
    void warningCodes();
    void deviationsAsTheDrawingStatesThem();
    void measuredValueGivesBackItsAllowance_data();
    void measuredValueGivesBackItsAllowance();
    void measuredValuesThatMeanNothing();
    void summaryOfAKnownSeries();
    void flankTolerances_data();
    void flankTolerances();
    void toleranceRounding_data();
    void toleranceRounding();
    void allowanceTable_data();
    void allowanceTable();
    void agreesWithTheMValueWindow_data();
    void agreesWithTheMValueWindow();
    void shiftAtAnAllowanceReproducesItsLimit_data();
    void shiftAtAnAllowanceReproducesItsLimit();
    void gaugesOnOddGears();
    void proposedGaugeTouchesOnTheShiftedCircle_data();
    void proposedGaugeTouchesOnTheShiftedCircle();
    void caliperRowsStandOnTheirOwn_data();
    void caliperRowsStandOnTheirOwn();
    void warns_data();
    void warns();
    void noResult_data();
    void noResult();
    void inchesFromDiametralPitch();
    void involuteAngleInvertsTheInvolute();
    void gaugeSeries_data();
    void gaugeSeries();
    void jsonHasEveryFieldAndExactNumbers();
    void csvHasOneHeaderAndOneLine();
    void anyInputGivesFiniteFiguresOrAReason();
};

// Elements of Metric Gear Technology (SDP/SI), Section 10: Table 10-1 (spur gear
// chordal thickness) and Table 10-3 (helical gear, normal system).
void TestSheet::publishedCaliperValues_data()
{
    QTest::addColumn<double>("module");
    QTest::addColumn<double>("teeth");
    QTest::addColumn<double>("helix");
    QTest::addColumn<double>("shift");
    QTest::addColumn<double>("tip");
    QTest::addColumn<QString>("thickness");
    QTest::addColumn<QString>("chord");
    QTest::addColumn<QString>("height");
    QTest::newRow("spur_m10_z12_x0p3") << 10.0 << 12.0 << 0.0 << 0.3 << 146.0 << "17.8918" << "17.8256" << "13.6657";
    QTest::newRow("helical_m5_z16_b25") << 5.0 << 16.0 << 25.0 << 0.2 << kHelicalTip << "8.5819" << "8.5728"
                                        << "6.1712";
}

void TestSheet::publishedCaliperValues()
{
    QFETCH(double, module);
    QFETCH(double, teeth);
    QFETCH(double, helix);
    QFETCH(double, shift);
    QFETCH(double, tip);
    const SheetResult r = sheetOf(
        {.module = module, .teeth = teeth, .helixAngleDeg = helix, .shift = shift, .tipDiameter = tip});
    QTEST(fixed(r.thickness.nominal, 4), "thickness");
    QTEST(fixed(r.chordalThickness->nominal, 4), "chord");
    QTEST(fixed(r.chordalHeight->nominal, 4), "height");
}

void TestSheet::publishedSpans_data()
{
    QTest::addColumn<double>("module");
    QTest::addColumn<double>("teeth");
    QTest::addColumn<double>("shift");
    QTest::addColumn<int>("span");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("contact"); // to two decimals; empty: not published
    // MachineCalcs, "Span Measurement Over Teeth Calculator", worked example: m 2, z 20.
    QTest::newRow("m2_z20") << 2.0 << 20.0 << 0.0 << 3 << 3 << "15.321" << "40.59";
    // A shifted gear, m 3, z 24, x +0.4: k 4 and W 32.8266, worked by hand from the formula.
    QTest::newRow("m3_z24_x0p4") << 3.0 << 24.0 << 0.4 << 4 << 4 << "32.8266" << "";
}

void TestSheet::publishedSpans()
{
    QFETCH(double, module);
    QFETCH(double, teeth);
    QFETCH(double, shift);
    QFETCH(int, decimals);
    QFETCH(QString, contact);
    const SheetResult r = sheetOf({.module = module, .teeth = teeth, .shift = shift});
    QVERIFY(r.span);
    QTEST(r.span->teeth, "span");
    QTEST(fixed(r.span->length.nominal, decimals), "length");
    if (!contact.isEmpty())
        QCOMPARE(fixed(r.span->contactDiameter, 2), contact);
}

// The metric handbooks' helical span rule, zm = z·K(f, β) + 0.5 with f = x/z and
// K = (1/π)·[(1 + sin²β/(cos²β + tan²αn))·√((cos²β + tan²αn)(sec β + 2f)² − 1) − inv αt − 2f·tan αn]
// (Elements of Metric Gear Technology, helical span), written out independently of the sheet.
double handbookSpan(double z, double alphaDeg, double betaDeg, double x)
{
    const double a = alphaDeg * 3.14159265358979 / 180, b = betaDeg * 3.14159265358979 / 180;
    const double f = x / z, c2 = std::cos(b) * std::cos(b) + std::tan(a) * std::tan(a);
    const double at = std::atan(std::tan(a) / std::cos(b));
    const double K = ((1 + std::sin(b) * std::sin(b) / c2) * std::sqrt(c2 * std::pow(1 / std::cos(b) + 2 * f, 2) - 1)
                      - (std::tan(at) - at) - 2 * f * std::tan(a))
                     / 3.14159265358979;
    return z * K + 0.5;
}

void TestSheet::helicalSpanFollowsTheHandbookRule_data()
{
    QTest::addColumn<double>("teeth");
    QTest::addColumn<double>("alpha");
    QTest::addColumn<double>("helix");
    QTest::addColumn<double>("shift");
    QTest::addColumn<int>("span"); // -1: only against the rule
    // The handbook's example: zm 4.63, k 5.
    QTest::newRow("published_z24_b25_x0p4") << 24.0 << 20.0 << 25.0 << 0.4 << 5;
    // The anvils' old contact circle √(db² + (W/cos βb)²) chose 3 here, 2.6 mm below d.
    QTest::newRow("z24_b25_x0_old_rule_3") << 24.0 << 20.0 << 25.0 << 0.0 << 4;
    QTest::newRow("spur_unchanged") << 20.0 << 20.0 << 0.0 << 0.0 << 3;
    QTest::newRow("z60_b30") << 60.0 << 20.0 << 30.0 << 0.0 << -1;
    QTest::newRow("z17_b15_x0p3") << 17.0 << 20.0 << 15.0 << 0.3 << -1;
    QTest::newRow("z45_b35_a25_xm0p2") << 45.0 << 25.0 << 35.0 << -0.2 << -1;
    QTest::newRow("z101_bm20_a14p5") << 101.0 << 14.5 << -20.0 << 0.1 << -1;
}

void TestSheet::helicalSpanFollowsTheHandbookRule()
{
    QFETCH(double, teeth);
    QFETCH(double, alpha);
    QFETCH(double, helix);
    QFETCH(double, shift);
    QFETCH(int, span);
    const SheetResult r = sheetOf({.module = 3, .teeth = teeth, .pressureAngleDeg = alpha, .helixAngleDeg = helix,
                                   .shift = shift});
    QVERIFY(r.span);
    const double zm = handbookSpan(teeth, alpha, std::fabs(helix), shift);
    QCOMPARE(r.span->teeth, int(std::floor(zm + 0.5)));
    if (span > 0)
        QCOMPARE(r.span->teeth, span);
    if (QTest::currentDataTag() == QString("published_z24_b25_x0p4"))
        QCOMPARE(fixed(zm, 2), QString("4.63"));
    // The anvils touch on d_W = √(db² + (W·cos βb)²).
    const double cosBb = std::cos(std::asin(std::sin(helix * kPi / 180) * std::cos(alpha * kPi / 180)));
    const double projected = r.span->length.nominal * cosBb;
    QCOMPARE(fixed(r.span->contactDiameter, 9), fixed(std::sqrt(std::pow(r.baseDiameter, 2) + projected * projected), 9));
}

void TestSheet::chosenSpanWithItsNeighbours()
{
    const SheetInput in{.module = 2, .teeth = 30, .shift = 0.2};
    const SheetResult automatic = sheetOf(in);
    QVERIFY(automatic.span && !automatic.span->chosen);
    QCOMPARE(automatic.span->teeth, 4);
    // Each neighbour is the W the sheet gives when that k is chosen.
    for (int k : {1, 3, 7, 29}) {
        SheetInput chosen = in;
        chosen.spanTeeth = k;
        const SheetResult r = sheetOf(chosen);
        QVERIFY(r.span->chosen);
        QCOMPARE(r.span->teeth, k);
        QList<int> neighbours;
        for (const SpanNeighbour &n : r.span->neighbours) {
            neighbours << n.teeth;
            SheetInput other = in;
            other.spanTeeth = n.teeth;
            QCOMPARE(n.nominal, sheetOf(other).span->length.nominal);
        }
        const QList<int> expected = k == 1 ? QList<int>{2} : k == 29 ? QList<int>{28} : QList<int>{k - 1, k + 1};
        QCOMPARE(neighbours, expected);
    }
    // A chosen span far beyond the flank still has its figures, with the warning.
    SheetInput far = in;
    far.spanTeeth = 12;
    const SheetResult r = sheetOf(far);
    QVERIFY(std::find(r.warnings.begin(), r.warnings.end(), SheetWarning::SpanContactAboveTip) != r.warnings.end());
    const QJsonObject j = QJsonDocument::fromJson(QByteArray::fromStdString(sheetJson(r))).object();
    QCOMPARE(j["span"]["neighbours"][1]["teeth"].toInt(), 13);
    QCOMPARE(j["span"]["chosen"].toBool(), true);
}

void TestSheet::internalGears_data()
{
    QTest::addColumn<double>("module");
    QTest::addColumn<double>("teeth");
    QTest::addColumn<double>("thickness"); // 0: the shift is given
    QTest::addColumn<double>("shift");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("tip");
    // By its thickness: x = −(sn/mn − π/2)/(2·tan αn) = +0.014831, da = d − 2mn(ha* − x) = 97.57416.
    QTest::newRow("by_thickness") << 2.5 << 41.0 << 3.9 << 0.0 << "0.0148" << "97.5742";
    // By its shift: da = 120 − 2·2·(1 − 0.2) = 116.8.
    QTest::newRow("by_shift") << 2.0 << 60.0 << 0.0 << 0.2 << "0.2000" << "116.8000";
}

void TestSheet::internalGears()
{
    QFETCH(double, module);
    QFETCH(double, teeth);
    QFETCH(double, thickness);
    QFETCH(double, shift);
    SheetInput in{.module = module, .teeth = teeth, .internal = true, .gaugeDiameter = 3.5};
    if (thickness > 0)
        in.thickness = thickness;
    else
        in.shift = shift;
    const SheetResult r = sheetOf(in);
    QTEST(fixed(r.shift, 4), "x");
    QTEST(fixed(r.tipDiameter, 4), "tip");
}

// The gears of the gauge proposal: external and internal, spur and helical, shifted.
void TestSheet::tipThickness_data() { proposedGaugeTouchesOnTheShiftedCircle_data(); }

void TestSheet::tipThickness()
{
    QFETCH(double, teeth);
    QFETCH(double, helix);
    QFETCH(double, shift);
    QFETCH(bool, internal);
    const SheetResult r = sheetOf({.module = 2, .teeth = teeth, .helixAngleDeg = helix, .internal = internal,
                                   .shift = shift, .allowanceUpper = -0.02, .allowanceLower = -0.08});
    QVERIFY(r.tipThickness);
    // The transverse thickness on any circle follows the involute: on the tip circle
    // it is the half-angle of the tooth there, measured independently on the tooth's
    // involute by the profile's polar angle.
    const double rb = r.baseDiameter / 2, ra = r.tipDiameter / 2;
    const double alphaT = std::acos(rb / (r.referenceDiameter / 2));
    const double alphaA = std::acos(rb / ra);
    const double involute = [](double a) { return std::tan(a) - a; }(alphaT) - (std::tan(alphaA) - alphaA);
    const double halfAngle = r.thickness.nominal / std::cos(helix * kPi / 180) / r.referenceDiameter
                             + (internal ? -involute : involute);
    const double betaA = std::atan(std::tan(helix * kPi / 180) * ra / (r.referenceDiameter / 2));
    QCOMPARE(fixed(r.tipThickness->nominal, 9), fixed(2 * ra * halfAngle * std::cos(betaA), 9));
    // A thinner tooth is thinner on the tip too.
    QVERIFY(r.tipThickness->min < r.tipThickness->max && r.tipThickness->max < r.tipThickness->nominal);
}

void TestSheet::warningCodes_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("code");
    const char *codes[] = {"pointedTip", "thinTip", "undercut", "chordAboveTip", "spanContactAboveTip",
                           "spanNotPossible", "spanFaceTooNarrow", "spanFaceTooNarrow", "gaugeContactAboveTip",
                           "gaugeContactBelowBase", "gaugeNotClearOfTip", "pinsFaceTooNarrow"};
    for (int i = 0; i < int(std::size(codes)); ++i)
        QTest::newRow(qPrintable(QString("%1_%2").arg(codes[i]).arg(i))) << i << QString(codes[i]);
}

// Each code by a gear that raises it, beside a gear like it that does not.
void TestSheet::warningCodes()
{
    QFETCH(int, row);
    QFETCH(QString, code);
    struct Pair {
        SheetInput raises, quiet;
    };
    const Pair pairs[] = {
        {{.module = 1, .teeth = 10, .shift = 0.9}, {.module = 1, .teeth = 10, .shift = 0.45}},
        {{.module = 1, .teeth = 10, .shift = 0.6}, {.module = 1, .teeth = 10, .shift = 0.45}},
        // Least shift 1 − 10·sin²20°/2 = 0.415.
        {{.module = 2, .teeth = 10, .shift = 0.41}, {.module = 2, .teeth = 10, .shift = 0.42}},
        {{.module = 2, .teeth = 30, .tipDiameter = 59.9}, {.module = 2, .teeth = 30, .tipDiameter = 64}},
        {{.module = 2, .teeth = 30, .spanTeeth = 10}, {.module = 2, .teeth = 30, .spanTeeth = 5}},
        {{.module = 1, .teeth = 3, .shift = 3, .gaugeDiameter = 1}, {.module = 1, .teeth = 3, .shift = 1, .gaugeDiameter = 1}},
        // On a spur gear too: the margin beside the anvils.
        {{.module = 2, .teeth = 30, .faceWidth = 1.9}, {.module = 2, .teeth = 30, .faceWidth = 2.1}},
        // A helical gear: W·sin βb + 2 = 12.13 (not W·sin β + 2 = 12.77) for m 2, z 21, β 30°.
        {{.module = 2, .teeth = 21, .helixAngleDeg = 30, .gaugeDiameter = 3.5, .faceWidth = 12.0},
         {.module = 2, .teeth = 21, .helixAngleDeg = 30, .gaugeDiameter = 3.5, .faceWidth = 12.5}},
        {{.module = 2, .teeth = 21, .gaugeDiameter = 9}, {.module = 2, .teeth = 21, .gaugeDiameter = 3.5}},
        // Only the ball proposed for a pointed three-tooth gear lies so wide that it touches below the base.
        {{.module = 1, .teeth = 3, .shift = 2}, {.module = 1, .teeth = 3, .shift = 2, .gaugeDiameter = 3}},
        {{.module = 2, .teeth = 21, .gaugeDiameter = 2.6}, {.module = 2, .teeth = 21, .gaugeDiameter = 3.5}},
        {{.module = 2, .teeth = 21, .helixAngleDeg = 30, .gauge = GaugeKind::Pin, .gaugeDiameter = 3.5, .faceWidth = 6},
         {.module = 2, .teeth = 21, .helixAngleDeg = 30, .gauge = GaugeKind::Pin, .gaugeDiameter = 3.5, .faceWidth = 6.5}},
    };
    const auto codesOf = [](const SheetInput &in) {
        const QJsonObject j = QJsonDocument::fromJson(QByteArray::fromStdString(sheetJson(sheetOf(in)))).object();
        QStringList out;
        for (const QJsonValue &v : j["warningCodes"].toArray())
            out << v.toString();
        // The CSV carries the same codes joined by '|'.
        for (const auto &[name, value] : sheetColumns(sheetOf(in)))
            if (name == "warningCodes" && QString::fromStdString(value) != out.join('|'))
                qFatal("CSV codes %s", value.c_str());
        return out;
    };
    QVERIFY2(codesOf(pairs[row].raises).contains(code), qPrintable(codesOf(pairs[row].raises).join(',')));
    QVERIFY2(!codesOf(pairs[row].quiet).contains(code), qPrintable(codesOf(pairs[row].quiet).join(',')));
    // Every message has its figures filled in; the undercut names the least shift, 0.4151.
    for (const std::string &message : sheetWarningMessages(sheetOf(pairs[row].raises))) {
        QVERIFY2(message.find("%1") == std::string::npos, message.c_str());
        if (code == "undercut" && message.find("根切") != std::string::npos)
            QVERIFY2(message.find("0.4151") != std::string::npos, message.c_str());
    }
}

void TestSheet::deviationsAsTheDrawingStatesThem()
{
    // The helical calculator's default gear: M 32.3108 −0.0728/−0.1467.
    const SheetResult r = sheetOf({.module = 1, .teeth = 30, .allowanceUpper = -0.03, .allowanceLower = -0.06,
                                   .gaugeDiameter = 1.7});
    const auto cells = sheetTableCells(r);
    QCOMPARE(cells.front()[5], std::string("偏差"));
    bool found = false;
    for (const auto &line : cells) {
        if (line[0] == "跨球距 M") {
            QCOMPARE(line[2] + " " + line[5], std::string("32.3108 -0.0728/-0.1467"));
            found = true;
        }
    }
    QVERIFY(found);
    const QJsonObject j = QJsonDocument::fromJson(QByteArray::fromStdString(sheetJson(r))).object();
    QCOMPARE(j["overGauges"]["deviations"]["upper"].toDouble(), r.overGauges.max - r.overGauges.nominal);
    QCOMPARE(j["overGauges"]["deviations"]["lower"].toDouble(), r.overGauges.min - r.overGauges.nominal);
    // Between balls of an internal gear M grows as the teeth thin, and the constant chord's
    // height grows as the tooth thins: a drawing still writes the larger deviation first,
    // and the JSON's upper deviation belongs to max, in the table, the JSON and the data table.
    const SheetResult in = sheetOf({.module = 1, .teeth = 30, .internal = true, .allowanceUpper = -0.03,
                                    .allowanceLower = -0.06, .gaugeDiameter = 1.7});
    const auto deviationsOf = [](const SheetResult &s, const std::string &row) {
        for (const auto &line : sheetTableCells(s))
            if (line[0] == row)
                return line[2] + " " + line[5];
        return std::string();
    };
    const std::string between = deviationsOf(in, "球间距 M");
    QCOMPARE(between.substr(between.find(' ') + 1, 1), std::string("+"));
    const double upper = std::stod(between.substr(between.find(' ') + 1)),
                 lower = std::stod(between.substr(between.find('/') + 1));
    QVERIFY2(upper > lower && std::fabs(upper - (in.overGauges.max - in.overGauges.nominal)) < 1e-4, between.c_str());
    const QJsonObject ij = QJsonDocument::fromJson(QByteArray::fromStdString(sheetJson(in))).object();
    QVERIFY(ij["overGauges"]["deviations"]["upper"].toDouble() > ij["overGauges"]["deviations"]["lower"].toDouble());
    QCOMPARE(ij["overGauges"]["deviations"]["upper"].toDouble(), in.overGauges.max - in.overGauges.nominal);
    QCOMPARE(ij["radial"]["deviations"]["upper"].toDouble(), in.radial.max - in.radial.nominal);
    bool inTable = false;
    for (const GearDataRow &row : gearDataRows(in))
        if (row.caption.find(" M") != std::string::npos) {
            QCOMPARE(row.value, between + " mm");
            inTable = true;
        }
    QVERIFY(inTable);
    const std::string height = deviationsOf(r, "固定弦齿高");
    QVERIFY2(height.find(" +") != std::string::npos && height.find("/+") != std::string::npos, height.c_str());
    QVERIFY(std::stod(height.substr(height.find(' ') + 1)) > std::stod(height.substr(height.find('/') + 1)));
    QCOMPARE(sheetDeviations(0.00004, -0.1467, 4), std::string("0.0000/-0.1467"));
    QCOMPARE(sheetNumber(-0.00001, 4), std::string("0.0000"));
    QCOMPARE(sheetNumber(-0.00005, 4), std::string("-0.0001"));
    QCOMPARE(sheetDeviations(0.0123, 0, 4), std::string("+0.0123/0.0000"));
    // Given by the diametral pitch: P in the JSON; tooth counts as whole numbers.
    const SheetResult big = sheetOf({.diametralPitch = 8, .teeth = 100000, .gaugeDiameter = 0.25});
    const std::string json = sheetJson(big);
    QVERIFY(json.find("\"teeth\": 100000,") != std::string::npos);
    QVERIFY(json.find("\"diametralPitch\": 8,") != std::string::npos);
    QVERIFY(sheetJson(r).find("\"diametralPitch\": null,") != std::string::npos);
}

void TestSheet::measuredValueGivesBackItsAllowance_data()
{
    QTest::addColumn<double>("teeth");
    QTest::addColumn<double>("helix");
    QTest::addColumn<bool>("internal");
    QTest::addColumn<int>("gauge");
    QTest::newRow("spur_even_balls") << 30.0 << 0.0 << false << 0;
    QTest::newRow("spur_odd_pins") << 31.0 << 0.0 << false << 1;
    QTest::newRow("helical_even_balls") << 24.0 << 25.0 << false << 0;
    QTest::newRow("helical_odd_balls") << 25.0 << 18.0 << false << 0;
    QTest::newRow("helical_odd_pins_opposite") << 25.0 << 18.0 << false << 1;
    QTest::newRow("internal_spur_even") << 60.0 << 0.0 << true << 0;
    QTest::newRow("internal_helical_odd_pins") << 71.0 << 20.0 << true << 1;
}

// Forward then back: each dimension computed at a thickness allowance E, measured against
// the sheet, gives back E (and its verdict) for every kind of gear and gauge.
void TestSheet::measuredValueGivesBackItsAllowance()
{
    QFETCH(double, teeth);
    QFETCH(double, helix);
    QFETCH(bool, internal);
    QFETCH(int, gauge);
    SheetInput in{.module = 2, .teeth = teeth, .helixAngleDeg = helix, .internal = internal, .shift = 0.15,
                  .allowanceUpper = -0.04, .allowanceLower = -0.11, .gauge = gauge ? GaugeKind::Pin : GaugeKind::Ball,
                  .gaugeDiameter = 3.5};
    const SheetResult sheet = sheetOf(in);
    for (const auto &[E, verdict] : {std::pair{-0.04, Verdict::Pass}, {-0.11, Verdict::Pass}, {-0.07, Verdict::Pass},
                                     {0.02, Verdict::Thick}, {-0.2, Verdict::Thin}}) {
        SheetInput at = in;
        at.allowanceUpper = at.allowanceLower = E;
        const SheetResult there = sheetOf(at);
        std::vector<std::pair<MeasuredDimension, double>> values{{MeasuredDimension::OverGauges, there.overGauges.max}};
        if (!internal) {
            values.push_back({MeasuredDimension::Span, there.span->length.max});
            values.push_back({MeasuredDimension::ChordalThickness, there.chordalThickness->max});
            values.push_back({MeasuredDimension::ConstantChord, there.constantChord->max});
        }
        for (const auto &[dimension, value] : values) {
            const MeasuredOutcome m = measure(sheet, dimension, value);
            QVERIFY2(m.measured, measuredName(dimension));
            QVERIFY2(std::fabs(m.measured->allowance - E) < 1e-9,
                     qPrintable(QString("%1 at E %2: %3").arg(measuredName(dimension)).arg(E).arg(m.measured->allowance, 0, 'g', 17)));
            QCOMPARE(m.measured->verdict, verdict);
            QVERIFY(std::fabs(m.measured->shift - there.shiftAtUpper) < 1e-9);
        }
    }
    // Given with the inputs, the values are judged in the sheet itself, in the order given.
    in.measuredOverGauges = internal ? sheet.overGauges.max : sheet.overGauges.min;
    const SheetResult judged = sheetOf(in);
    QCOMPARE(judged.measurements.size(), std::size_t(1));
    QCOMPARE(judged.measurements[0].outcome.measured->verdict, Verdict::Pass);
}

void TestSheet::measuredValuesThatMeanNothing()
{
    const SheetResult external = sheetOf({.module = 2, .teeth = 30, .gaugeDiameter = 3.5});
    QCOMPARE(*measure(external, MeasuredDimension::OverGauges, 40).failure, Failure::MeasuredGaugeCentreInsideBase);
    QCOMPARE(*measure(external, MeasuredDimension::OverGauges, -1).failure, Failure::MeasuredValueNotPositive);
    QCOMPARE(*measure(external, MeasuredDimension::ChordalThickness, 70).failure, Failure::ChordNotShorterThanDiameter);
    const SheetResult internal = sheetOf({.module = 2, .teeth = 60, .internal = true, .gaugeDiameter = 3.5});
    for (MeasuredDimension d : {MeasuredDimension::Span, MeasuredDimension::ChordalThickness, MeasuredDimension::ConstantChord})
        QCOMPARE(*measure(internal, d, 3).failure, Failure::MeasuredDimensionNotGiven);
    // In the JSON only the values given, each with its verdict.
    SheetInput in{.module = 2, .teeth = 30, .allowanceUpper = -0.04, .allowanceLower = -0.11, .gaugeDiameter = 3.5};
    in.measuredSpan = sheetOf(in).span->length.max + 0.01;
    const QJsonObject j = QJsonDocument::fromJson(QByteArray::fromStdString(sheetJson(sheetOf(in)))).object();
    QCOMPARE(j["measured"].toObject().keys(), QStringList{"span"});
    QCOMPARE(j["measured"]["span"]["verdict"].toString(), QString("thick"));
}

// A series whose statistics are known by hand: allowances −0.05, −0.03, −0.04, −0.08 (mm)
// against Esns −0.03, Esni −0.07: mean −0.05, s = √(0.0014/3) = 0.021602, Cp 0.308607,
// Cpk = min(0.02, 0.02)/(3s) = 0.308607; three pass, one (−0.08) is thin.
void TestSheet::summaryOfAKnownSeries()
{
    AllowanceStatistics s;
    for (double e : {-0.05, -0.03, -0.04, -0.08})
        s.add(e, verdictFor(e, -0.03, -0.07), -0.03, -0.07);
    QCOMPARE(s.count, 4L);
    QCOMPARE(s.pass, 3L);
    QCOMPARE(s.fail, 1L);
    QCOMPARE(fixed(s.mean, 9), QString("-0.050000000"));
    QCOMPARE(fixed(s.min, 4), QString("-0.0800"));
    QCOMPARE(fixed(s.max, 4), QString("-0.0300"));
    QCOMPARE(fixed(*s.stddev(), 6), QString("0.021602"));
    QCOMPARE(fixed(*s.cp(), 6), QString("0.308607"));
    QCOMPARE(fixed(*s.cpk(), 6), QString("0.308607"));
    AllowanceStatistics one;
    one.add(-0.05, Verdict::Pass, -0.03, -0.07);
    QVERIFY(!one.stddev() && !one.cp());
    // Off centre, Cpk takes the nearer limit: mean −0.04, s 0.005, Cp 0.04/0.03, Cpk 0.01/0.015.
    AllowanceStatistics near;
    for (double e : {-0.035, -0.04, -0.045})
        near.add(e, verdictFor(e, -0.03, -0.07), -0.03, -0.07);
    QCOMPARE(fixed(*near.cp(), 6), QString("1.333333"));
    QCOMPARE(fixed(*near.cpk(), 6), QString("0.666667"));
    // A value that could not be judged is neither a pass nor a fail.
    near.add(-0.05, Verdict::NotJudged, -0.03, -0.07);
    QCOMPARE(near.pass + near.fail, 3L);
    // The summary names each dimension as the sheet's rows do, not by its code.
    MeasuredSummary summary;
    summary.byDimension[1] = near;
    const std::string text = measuredSummaryText(summary);
    QVERIFY2(text.find("公法线长度 W：n = 4") != std::string::npos && text.find("span") == std::string::npos, text.c_str());
}

// ISO 1328-1:2013 flank tolerances, worked by hand from the standard's equations:
// d 62.1166 (mn 2, z 30, β 15°), b 20, class 6 (step √2): fpT (0.0621 + 0.8 + 5)·√2 = 8.29 → 8.5;
// FpT (0.1242 + 0.55·√d + 1.4 + 12)·√2 = 25.26 → 25; fHαT 6.88 → 7; ffαT 8.63 → 8.5; FαT 11.03 → 11;
// fHβT 8.43 → 8.5; ffβT 9.28 → 9.5; FβT 12.54 → 13; FrT 0.9·FpT = 22.73 → 23.
// Class 1 (step 1/4) and 11 (step 8) of a spur gear d 100, mn 5, b 40 likewise.
void TestSheet::flankTolerances_data()
{
    QTest::addColumn<double>("module");
    QTest::addColumn<double>("teeth");
    QTest::addColumn<double>("helix");
    QTest::addColumn<double>("face");
    QTest::addColumn<double>("accuracy");
    QTest::addColumn<QList<double>>("expected"); // fpT FpT fHαT ffαT FαT fHβT ffβT FβT FrT
    QTest::addColumn<int>("failure");            // -1: the values above
    QTest::newRow("class6_helical") << 2.0 << 30.0 << 15.0 << 20.0 << 6.0
                                    << QList<double>{8.5, 25, 7, 8.5, 11, 8.5, 9.5, 13, 23} << -1;
    // d 100, mn 5: fp (0.1 + 2 + 5)/4 = 1.775 → 1.8; Fp (0.2 + 5.5 + 3.5 + 12)/4 = 5.3 → 5.5;
    // fHα (2 + 0.1 + 4)/4 = 1.525 → 1.5; ffα (2.75 + 5)/4 = 1.9375 → 1.9; Fα 2.466 → 2.5;
    // fHβ (0.5 + 2.2136 + 4)/4 = 1.678 → 1.7; ffβ (0.7 + 2.8460 + 4)/4 = 1.887 → 1.9; Fβ 2.522 → 2.5;
    // Fr 0.9·5.3 = 4.77 → 4.8.
    QTest::newRow("class1_spur") << 5.0 << 20.0 << 0.0 << 40.0 << 1.0
                                 << QList<double>{1.8, 5.5, 1.5, 1.9, 2.5, 1.7, 1.9, 2.5, 4.8} << -1;
    // Class 11: the class-5 values times 8: fp 56.8 → 57; Fp 169.6 → 170; fHα 48.8 → 49; ffα 62; Fα 78.9 → 79;
    // fHβ 53.7 → 54; ffβ 60.4 → 60; Fβ 80.7 → 81; Fr 152.6 → 153.
    QTest::newRow("class11_spur") << 5.0 << 20.0 << 0.0 << 40.0 << 11.0
                                  << QList<double>{57, 170, 49, 62, 79, 54, 60, 81, 153} << -1;
    QTest::newRow("class_12") << 2.0 << 30.0 << 0.0 << 20.0 << 12.0 << QList<double>{} << int(Failure::AccuracyClassOutOfRange);
    QTest::newRow("class_half") << 2.0 << 30.0 << 0.0 << 20.0 << 5.5 << QList<double>{} << int(Failure::AccuracyClassOutOfRange);
    QTest::newRow("no_face_width") << 2.0 << 30.0 << 0.0 << 0.0 << 6.0 << QList<double>{} << int(Failure::AccuracyNeedsFaceWidth);
    QTest::newRow("four_teeth") << 2.0 << 4.0 << 0.0 << 20.0 << 6.0 << QList<double>{} << int(Failure::AccuracyTeethOutside);
    QTest::newRow("module_0p4") << 0.4 << 30.0 << 0.0 << 20.0 << 6.0 << QList<double>{} << int(Failure::AccuracyModuleOutside);
    QTest::newRow("face_3") << 2.0 << 30.0 << 0.0 << 3.0 << 6.0 << QList<double>{} << int(Failure::AccuracyFaceWidthOutside);
    QTest::newRow("helix_46") << 2.0 << 30.0 << 46.0 << 20.0 << 6.0 << QList<double>{} << int(Failure::AccuracyHelixOutside);
    QTest::newRow("diameter_4p8") << 0.6 << 8.0 << 0.0 << 20.0 << 6.0 << QList<double>{} << int(Failure::AccuracyDiameterOutside);
    QTest::newRow("teeth_1000") << 1.0 << 1000.0 << 0.0 << 20.0 << 6.0 << QList<double>{} << -1;
    QTest::newRow("face_1200") << 2.0 << 30.0 << 0.0 << 1200.0 << 6.0 << QList<double>{} << -1;
    QTest::newRow("teeth_5") << 2.0 << 5.0 << 0.0 << 20.0 << 6.0 << QList<double>{} << -1;
    QTest::newRow("teeth_1001") << 1.0 << 1001.0 << 0.0 << 20.0 << 6.0 << QList<double>{} << int(Failure::AccuracyTeethOutside);
    QTest::newRow("face_1200_5") << 2.0 << 30.0 << 0.0 << 1200.5 << 6.0 << QList<double>{} << int(Failure::AccuracyFaceWidthOutside);
}

void TestSheet::flankTolerances()
{
    QFETCH(double, module);
    QFETCH(double, teeth);
    QFETCH(double, helix);
    QFETCH(double, face);
    QFETCH(double, accuracy);
    QFETCH(QList<double>, expected);
    QFETCH(int, failure);
    SheetInput in{.module = module, .teeth = teeth, .helixAngleDeg = helix, .gaugeDiameter = 1.0 + module};
    if (face > 0)
        in.faceWidth = face;
    in.accuracyClass = accuracy;
    const auto out = computeSheet(in);
    if (failure >= 0) {
        QVERIFY(!out.ok());
        QCOMPARE(int(out.failure()), failure);
        return;
    }
    QVERIFY2(out.ok(), out.ok() ? "" : failureText(out.failure()));
    QVERIFY(out.value().accuracy);
    if (expected.isEmpty()) // a bound of the standard's range: taken, the values pinned elsewhere
        return;
    const FlankTolerances &t = *out.value().accuracy;
    QCOMPARE(t.singlePitch, expected[0]);
    QCOMPARE(t.cumulativePitch, expected[1]);
    QCOMPARE(t.profileSlope, expected[2]);
    QCOMPARE(t.profileForm, expected[3]);
    QCOMPARE(t.profileTotal, expected[4]);
    QCOMPARE(t.helixSlope, expected[5]);
    QCOMPARE(t.helixForm, expected[6]);
    QCOMPARE(t.helixTotal, expected[7]);
    QCOMPARE(t.runout, expected[8]);
}

void TestSheet::toleranceRounding_data()
{
    QTest::addColumn<double>("microns");
    QTest::addColumn<double>("rounded");
    QTest::newRow("above_10_whole") << 10.5 << 11.0;
    QTest::newRow("just_above_10") << 10.01 << 10.0;
    QTest::newRow("exactly_10_half_steps") << 10.0 << 10.0;
    QTest::newRow("9p76_to_10") << 9.76 << 10.0;
    QTest::newRow("9p74_to_9p5") << 9.74 << 9.5;
    QTest::newRow("exactly_5") << 5.0 << 5.0;
    QTest::newRow("5p24_to_5") << 5.24 << 5.0;
    QTest::newRow("4p99_tenths") << 4.99 << 5.0;
    QTest::newRow("4p94_tenths") << 4.94 << 4.9;
    QTest::newRow("0p25_half_up") << 0.25 << 0.3;
}

void TestSheet::toleranceRounding()
{
    QFETCH(double, microns);
    QFETCH(double, rounded);
    QCOMPARE(fixed(roundedTolerance(microns), 6), fixed(rounded, 6));
}

void TestSheet::allowanceTable_data()
{
    QTest::addColumn<double>("teeth");   // mn 2, spur: d = 2z; negative: that many teeth of P 10 (1/in)
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("typed");     // the allowances were typed: they win
    QTest::addColumn<QString>("result"); // "upper/lower" in mm, or the failure
    QTest::newRow("first_row") << 20.0 << "cd25" << false << "-0.0300/-0.0600";
    QTest::newRow("edge_belongs_below") << 25.0 << "cd25" << false << "-0.0300/-0.0600"; // d 50: 0 < d ≤ 50
    QTest::newRow("just_above_edge") << 26.0 << "cd25" << false << "-0.0400/-0.0800";
    QTest::newRow("typed_wins") << 20.0 << "cd25" << true << "-0.0100/-0.0200";
    QTest::newRow("unknown_code") << 20.0 << "cd26" << false << "unknown";
    QTest::newRow("no_row_for_d") << 100.0 << "cd25" << false << "no row";
    // P 10: d = z/P in = 2 in = 50.8 mm, the second row; its µm in inches (−40 µm = −0.0016 in).
    QTest::newRow("inch_gear") << -20.0 << "cd25" << false << "-0.0016/-0.0031";
}

void TestSheet::allowanceTable()
{
    QFETCH(double, teeth);
    QFETCH(QString, code);
    QFETCH(bool, typed);
    QFETCH(QString, result);
    const AllowanceTableRead read = parseAllowanceTable("\xEF\xBB\xBF# the shop's series\n"
                                                        "code, diameterFrom, diameterTo, upper, lower\n"
                                                        "cd25,0,50,-30,-60\n\ncd25,50,125,-40,-80\n");
    QVERIFY2(read.table, read.problem.c_str());
    SheetInput in{.module = 2, .teeth = std::fabs(teeth), .allowanceUpper = typed ? -0.01 : 0, .allowanceLower = typed ? -0.02 : 0};
    if (teeth < 0) {
        in.module.reset();
        in.diametralPitch = 10;
    }
    in.allowanceCode = code.toStdString();
    const auto failure = applyAllowanceCode(in, &*read.table, typed, typed);
    if (result == "unknown" || result == "no row") {
        QCOMPARE(*failure, result == "unknown" ? Failure::AllowanceCodeUnknown : Failure::AllowanceCodeNoDiameter);
        return;
    }
    QVERIFY(!failure);
    QCOMPARE(QString::fromStdString(sheetNumber(in.allowanceUpper, 4) + "/" + sheetNumber(in.allowanceLower, 4)), result);
    QCOMPARE(in.allowancesFromCode, !typed);
    // The JSON says where the allowances came from.
    const QJsonObject allowances = QJsonDocument::fromJson(QByteArray::fromStdString(sheetJson(sheetOf(in)))).object()["allowances"].toObject();
    QCOMPARE(allowances["source"].toString(), QString(typed ? "typed" : "code"));
    QCOMPARE(allowances["code"].toString(), code);
    // Broken tables name their line.
    for (const auto &[text, line] : {std::pair{"code,from,to,upper,lower\n", "1"}, {"code,diameterFrom,diameterTo,upper,lower\nx,50,10,1,2\n", "2"},
                                     {"code,diameterFrom,diameterTo,upper,lower\nx,0,10,-5,-2\n", "2"},
                                     {"code,diameterFrom,diameterTo,upper,lower\n\nx,0,ten,1,2\n", "3"}})
        QVERIFY2(parseAllowanceTable(text).problem.find(std::string("第 ") + line + " 行") != std::string::npos,
                 parseAllowanceTable(text).problem.c_str());
    // Equal limits are a row (the sheet then judges nothing); a reversed pair is not.
    QVERIFY(parseAllowanceTable("code,diameterFrom,diameterTo,upper,lower\nx,0,10,-5,-5\n").table);
    QCOMPARE(*applyAllowanceCode(in, nullptr, false, false), Failure::AllowanceCodeWithoutTable);
    // The gear data table names the class, the hand and the mating gear.
    SheetInput gear{.module = 2, .teeth = 30, .helixAngleDeg = 15, .faceWidth = 20};
    gear.accuracyClass = 6;
    gear.hand = SheetInput::Hand::Left;
    gear.matingDrawing = "ZG-2";
    std::string table;
    for (const GearDataRow &row : gearDataRows(sheetOf(gear)))
        table += row.caption + "=" + row.value + ";";
    for (const char *expected : {"螺旋角 β=15° 左旋;", "精度等级=6 ISO 1328-1:2013;", "配对齿轮图号=ZG-2;", "跨测齿数 k=4;"})
        QVERIFY2(table.find(expected) != std::string::npos, table.c_str());
    // A helix angle typed negative is written as its size beside the hand.
    gear.helixAngleDeg = -15;
    table.clear();
    for (const GearDataRow &row : gearDataRows(sheetOf(gear)))
        table += row.caption + "=" + row.value + ";";
    QVERIFY2(table.find("螺旋角 β=15° 左旋;") != std::string::npos, table.c_str());
}

// The M-value window works in single precision with its designed factors; on the same
// gear and ball its M and (where it picks the same span) its L agree to about 1e-6.
void TestSheet::agreesWithTheMValueWindow_data()
{
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("alpha");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("beta");
    QTest::addColumn<float>("d");
    QTest::addColumn<bool>("external");
    QTest::newRow("defaults") << 2.f << 50.f << 20.f << -1.1f << 30.f << 3.36f << true;
    QTest::newRow("defaults_internal") << 2.f << 50.f << 20.f << -1.1f << 30.f << 3.36f << false;
    QTest::newRow("spur_z50") << 2.f << 50.f << 20.f << 0.f << 0.f << 3.36f << true;
    QTest::newRow("spur_z51_odd") << 2.f << 51.f << 20.f << 0.5f << 0.f << 3.5f << true;
    QTest::newRow("spur_z51_internal") << 2.f << 51.f << 20.f << 0.5f << 0.f << 3.f << false;
    QTest::newRow("helical_z23_b12") << 3.f << 23.f << 20.f << 0.3f << 12.f << 5.f << true;
    QTest::newRow("helical_z31_a25_internal") << 4.f << 31.f << 25.f << 0.2f << 15.f << 6.5f << false;
    QTest::newRow("helical_z101_a14p5") << 5.f << 101.f << 14.5f << -0.3f << 8.f << 8.5f << true;
    QTest::newRow("helical_negative_beta") << 1.5f << 17.f << 20.f << 0.4f << -20.f << 2.75f << true;
}

void TestSheet::agreesWithTheMValueWindow()
{
    QFETCH(float, m);
    QFETCH(float, z);
    QFETCH(float, alpha);
    QFETCH(float, x);
    QFETCH(float, beta);
    QFETCH(float, d);
    QFETCH(bool, external);
    const auto window = computeMValue(
        {.m = m, .z = z, .alphaDeg = alpha, .x = x, .betaDeg = beta, .dp = d, .external = external});
    QVERIFY(window.ok());
    const SheetResult sheet = sheetOf({.module = m, .teeth = z, .pressureAngleDeg = alpha, .helixAngleDeg = beta,
                                       .internal = !external, .shift = x, .gaugeDiameter = d});
    const double M = window.value().M;
    QVERIFY2(std::fabs(sheet.overGauges.nominal - M) <= 1e-6 * M,
             qPrintable(QString("sheet %1, window %2").arg(sheet.overGauges.nominal, 0, 'g', 10).arg(M, 0, 'g', 10)));
    if (external && sheet.span && int(*window.value().k) == sheet.span->teeth) {
        const double L = *window.value().L;
        QVERIFY2(std::fabs(sheet.span->length.nominal - L) <= 1e-6 * L,
                 qPrintable(QString("sheet %1, window %2").arg(sheet.span->length.nominal, 0, 'g', 10).arg(L)));
    }
}

void TestSheet::shiftAtAnAllowanceReproducesItsLimit_data()
{
    QTest::addColumn<double>("helix");
    QTest::addColumn<bool>("internal");
    QTest::newRow("spur_external") << 0.0 << false;
    QTest::newRow("spur_internal") << 0.0 << true;
    QTest::newRow("helical_external") << 20.0 << false;
    QTest::newRow("helical_internal") << 20.0 << true;
}

void TestSheet::shiftAtAnAllowanceReproducesItsLimit()
{
    QFETCH(double, helix);
    QFETCH(bool, internal);
    const SheetInput in{.module = 2, .teeth = 41, .helixAngleDeg = helix, .internal = internal, .shift = 0.25,
                        .tipDiameter = internal ? 80.0 : 92.0, .allowanceUpper = -0.04, .allowanceLower = -0.11,
                        .gaugeDiameter = 3.5};
    const SheetResult r = sheetOf(in);
    for (const auto &[atShift, limitOfM, limitOfW] :
         {std::tuple{r.shiftAtUpper, r.overGauges.max, r.span ? r.span->length.max : 0.0},
          std::tuple{r.shiftAtLower, r.overGauges.min, r.span ? r.span->length.min : 0.0}}) {
        SheetInput again = in;
        again.shift = atShift;
        again.allowanceUpper = again.allowanceLower = 0;
        const SheetResult at = sheetOf(again);
        // Between balls of an internal gear M grows as the teeth thin: max and min swap.
        const double expectedM = internal ? (limitOfM == r.overGauges.max ? r.overGauges.min : r.overGauges.max)
                                          : limitOfM;
        QCOMPARE(fixed(at.overGauges.nominal, 9), fixed(expectedM, 9));
        if (r.span)
            QCOMPARE(fixed(at.span->length.nominal, 9), fixed(limitOfW, 9));
    }
    // A thicker internal tooth means a smaller shift: the order of x_E turns with the kind.
    QCOMPARE(r.shiftAtUpper > r.shiftAtLower, !internal);
}

void TestSheet::gaugesOnOddGears()
{
    // Spur, odd: a pin and a ball stand alike, half a pitch off the diameter.
    const SheetInput spur{.module = 2, .teeth = 21, .gaugeDiameter = 3.5};
    SheetInput spurPins = spur;
    spurPins.gauge = GaugeKind::Pin;
    QCOMPARE(sheetOf(spur).overGauges.nominal, sheetOf(spurPins).overGauges.nominal);
    // Helical, odd: pins along the helix reach the opposite space, so M = dK + D, above the balls'.
    const SheetInput helical{.module = 2, .teeth = 21, .helixAngleDeg = 20, .gaugeDiameter = 3.5};
    SheetInput helicalPins = helical;
    helicalPins.gauge = GaugeKind::Pin;
    const SheetResult b = sheetOf(helical), p = sheetOf(helicalPins);
    QCOMPARE(p.overGauges.nominal, 2 * b.radial.nominal);
    QVERIFY(p.overGauges.nominal > b.overGauges.nominal);
    QCOMPARE(b.overGauges.nominal, (2 * b.radial.nominal - 3.5) * std::cos(3.14159265358979 / 42) + 3.5);
}

void TestSheet::proposedGaugeTouchesOnTheShiftedCircle_data()
{
    QTest::addColumn<double>("teeth");
    QTest::addColumn<double>("helix");
    QTest::addColumn<double>("shift");
    QTest::addColumn<bool>("internal");
    QTest::newRow("spur_external") << 30.0 << 0.0 << 0.0 << false;
    QTest::newRow("spur_internal") << 60.0 << 0.0 << 0.2 << true;
    QTest::newRow("helical_external") << 25.0 << 18.0 << 0.3 << false;
    QTest::newRow("helical_internal") << 70.0 << 25.0 << 0.0 << true;
}

void TestSheet::proposedGaugeTouchesOnTheShiftedCircle()
{
    QFETCH(double, teeth);
    QFETCH(double, helix);
    QFETCH(double, shift);
    QFETCH(bool, internal);
    const SheetInput in{.module = 2, .teeth = teeth, .helixAngleDeg = helix, .internal = internal, .shift = shift};
    const SheetResult proposed = sheetOf(in);
    QVERIFY(proposed.gaugeProposed);
    // Below the proposed series diameter lies the ideal one; at that ideal diameter
    // the gauge touches exactly on d + 2x·mn. Search it back by halving.
    double lo = proposed.gaugeDiameter * 0.9, hi = proposed.gaugeDiameter;
    const double target = proposed.referenceDiameter + 2 * shift * 2;
    for (int i = 0; i < 80; ++i) {
        SheetInput probe = in;
        probe.gaugeDiameter = (lo + hi) / 2;
        const double touch = sheetOf(probe).gaugeContactDiameter.nominal;
        // A larger ball touches further out on an external gear, further in on an internal one.
        ((touch < target) != internal ? lo : hi) = *probe.gaugeDiameter;
    }
    QVERIFY(hi <= proposed.gaugeDiameter);
    QVERIFY2(proposed.gaugeDiameter - hi < 0.1 * proposed.gaugeDiameter,
             qPrintable(QString("ideal %1, proposed %2").arg(hi).arg(proposed.gaugeDiameter)));
    QCOMPARE(nextSeriesDiameter(hi), proposed.gaugeDiameter);
}

// m 2, z 30, sn = π: the chordal height is ha + 0.0411, the constant chord's ha − 0.5048.
void TestSheet::caliperRowsStandOnTheirOwn_data()
{
    QTest::addColumn<double>("tip");
    QTest::addColumn<bool>("chordal");
    QTest::addColumn<bool>("constant");
    QTest::newRow("both below the tip") << 64.0 << true << true;
    QTest::newRow("constant chord above the tip") << 60.2 << true << false;
    QTest::newRow("both above the tip") << 59.9 << false << false;
}

void TestSheet::caliperRowsStandOnTheirOwn()
{
    QFETCH(double, tip);
    QFETCH(bool, chordal);
    QFETCH(bool, constant);
    const SheetResult r = sheetOf({.module = 2, .teeth = 30, .tipDiameter = tip});
    QCOMPARE(r.chordalThickness.has_value(), chordal);
    QCOMPARE(r.constantChord.has_value(), constant);
    QCOMPARE(std::count(r.warnings.begin(), r.warnings.end(), SheetWarning::ChordAboveTip) > 0, !(chordal && constant));
    QStringList names;
    for (const SheetRow &row : sheetRows(r))
        names << QString::fromStdString(row.quantity);
    QCOMPARE(names.contains("分度圆弦齿厚"), chordal);
    QCOMPARE(names.contains("弦齿高"), chordal);
    QCOMPARE(names.contains("固定弦齿厚"), constant);
    QCOMPARE(names.contains("固定弦齿高"), constant);
    const std::string json = sheetJson(r);
    QCOMPARE(json.find("\"constantChord\": null") != std::string::npos, !constant);
}

void TestSheet::warns_data()
{
    QTest::addColumn<double>("helix");
    QTest::addColumn<double>("gauge");
    QTest::addColumn<double>("face");
    QTest::addColumn<int>("kind");
    QTest::addColumn<SheetWarning>("warning");
    QTest::newRow("ball_above_tip") << 0.0 << 9.0 << 0.0 << 0 << SheetWarning::GaugeContactAboveTip;
    QTest::newRow("ball_sunk_in_space") << 0.0 << 2.6 << 0.0 << 0 << SheetWarning::GaugeNotClearOfTip;
    QTest::newRow("span_face_narrow") << 30.0 << 3.5 << 5.0 << 0 << SheetWarning::SpanFaceTooNarrow;
    QTest::newRow("odd_helical_pins_face_narrow") << 30.0 << 3.5 << 5.0 << 1 << SheetWarning::PinsFaceTooNarrow;
}

void TestSheet::warns()
{
    QFETCH(double, helix);
    QFETCH(double, gauge);
    QFETCH(double, face);
    QFETCH(int, kind);
    QFETCH(SheetWarning, warning);
    SheetInput in{.module = 2, .teeth = 21, .helixAngleDeg = helix, .gauge = kind ? GaugeKind::Pin : GaugeKind::Ball,
                  .gaugeDiameter = gauge};
    if (face > 0)
        in.faceWidth = face;
    const SheetResult r = sheetOf(in);
    QVERIFY(std::find(r.warnings.begin(), r.warnings.end(), warning) != r.warnings.end());
    // A wide enough gear with a fitting ball warns of nothing once its allowances are given;
    // without them, that nothing can be judged.
    in.faceWidth = 100;
    in.gaugeDiameter = 3.5;
    QCOMPARE(sheetOf(in).warnings, std::vector{SheetWarning::AllowancesNotGiven});
    in.allowanceUpper = -0.03;
    in.allowanceLower = -0.08;
    QVERIFY(sheetOf(in).warnings.empty());
}

void TestSheet::noResult_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<Failure>("reason");
    QTest::newRow("no_size") << 0 << Failure::SizeNotGiven;
    QTest::newRow("module_and_pitch") << 1 << Failure::SizeNotGiven;
    QTest::newRow("zero_module") << 2 << Failure::ModuleNotPositive;
    QTest::newRow("fractional_teeth") << 3 << Failure::TeethNotWhole;
    QTest::newRow("shift_and_thickness") << 4 << Failure::ShiftAndThicknessBoth;
    QTest::newRow("allowance_eats_tooth") << 5 << Failure::ThicknessNotPositive;
    QTest::newRow("gauge_zero") << 6 << Failure::PinNotPositive;
    QTest::newRow("ball_centre_off_involute") << 7 << Failure::PinCentreOffInvolute;
    QTest::newRow("helix_90") << 8 << Failure::HelixAngleOutOfRange;
    QTest::newRow("face_zero") << 9 << Failure::FaceWidthNotPositive;
    QTest::newRow("nan_allowance") << 10 << Failure::ResultOutOfRange;
    QTest::newRow("two_teeth") << 11 << Failure::TooFewTeeth;
    QTest::newRow("one_tooth") << 12 << Failure::TooFewTeeth;
    QTest::newRow("allowances_reversed") << 13 << Failure::AllowancesReversed;
    QTest::newRow("span_of_every_tooth") << 14 << Failure::SpanTeethOutOfRange;
    QTest::newRow("span_of_none") << 15 << Failure::SpanTeethOutOfRange;
    QTest::newRow("span_not_whole") << 16 << Failure::SpanTeethOutOfRange;
}

void TestSheet::noResult()
{
    QFETCH(int, row);
    QFETCH(Failure, reason);
    SheetInput in{.module = 2, .teeth = 30};
    switch (row) {
    case 0: in.module.reset(); break;
    case 1: in.diametralPitch = 10; break;
    case 2: in.module = 0; break;
    case 3: in.teeth = 30.5; break;
    case 4: in.shift = 0.1, in.thickness = 3; break;
    case 5: in.allowanceLower = -4; break;
    case 6: in.gaugeDiameter = 0; break;
    case 7: in.internal = true, in.gaugeDiameter = 40; break;
    case 8: in.helixAngleDeg = 90; break;
    case 9: in.faceWidth = 0; break;
    case 10: in.allowanceUpper = std::nan(""); break;
    case 11: in.teeth = 2; break;
    case 12: in.teeth = 1; break;
    case 13: in.allowanceUpper = -0.1, in.allowanceLower = -0.05; break;
    case 14: in.spanTeeth = 30; break;
    case 15: in.spanTeeth = 0; break;
    default: in.spanTeeth = 2.5; break;
    }
    const auto out = computeSheet(in);
    QVERIFY(!out.ok());
    QCOMPARE(out.failure(), reason);
}

void TestSheet::inchesFromDiametralPitch()
{
    // P 10 is the module 0.1 in: the same gear as module 2.54 mm, in inches.
    const SheetResult inch = sheetOf({.diametralPitch = 10, .teeth = 30, .gaugeDiameter = 0.17});
    const SheetResult mm = sheetOf({.module = 2.54, .teeth = 30, .gaugeDiameter = 0.17 * 25.4});
    QCOMPARE(inch.unit, LengthUnit::Inch);
    QCOMPARE(sheetDecimals(inch), 5);
    QCOMPARE(fixed(inch.overGauges.nominal * 25.4, 9), fixed(mm.overGauges.nominal, 9));
    QCOMPARE(fixed(inch.referenceDiameter, 5), QString("3.00000"));
    // With a class and a face width, the tolerances are the equal mm gear's (ISO 1328 in µm),
    // each also shown in 0.0001 in.
    SheetInput inchClass{.diametralPitch = 10, .teeth = 30}, mmClass{.module = 2.54, .teeth = 30};
    inchClass.faceWidth = 0.8;
    mmClass.faceWidth = 20.32;
    inchClass.accuracyClass = mmClass.accuracyClass = 6;
    const SheetResult a = sheetOf(inchClass), b = sheetOf(mmClass);
    QVERIFY(a.accuracy && b.accuracy);
    for (double FlankTolerances::*t : {&FlankTolerances::singlePitch, &FlankTolerances::cumulativePitch, &FlankTolerances::profileTotal,
                                       &FlankTolerances::helixTotal, &FlankTolerances::runout})
        QCOMPARE((*a.accuracy).*t, (*b.accuracy).*t);
    QVERIFY2(sheetText(a).find("径向跳动公差 FrT（= 9.4 × 0.0001 in）") != std::string::npos, sheetText(a).c_str());
    QVERIFY(sheetText(b).find("0.0001 in") == std::string::npos);
}

void TestSheet::involuteAngleInvertsTheInvolute()
{
    // Small angles lose digits in tan a − a itself, hence the tolerance.
    for (double degrees : {0.5, 5.0, 14.5, 20.0, 33.3, 60.0, 85.0, 89.9}) {
        const double a = degrees * 3.14159265358979 / 180;
        const auto back = involuteAngle(inv(a));
        QVERIFY(back);
        QVERIFY2(std::fabs(*back - a) <= 1e-11 * a, qPrintable(QString::number(degrees)));
    }
    QVERIFY(!involuteAngle(0));
    QVERIFY(!involuteAngle(-0.1));
    QVERIFY(!involuteAngle(std::numeric_limits<double>::infinity()));
}

void TestSheet::gaugeSeries_data()
{
    QTest::addColumn<double>("ideal");
    QTest::addColumn<double>("proposed");
    QTest::newRow("on_a_step") << 1.7 << 1.7;
    QTest::newRow("just_above") << 1.701 << 1.8;
    QTest::newRow("between") << 3.36 << 3.55;
    QTest::newRow("top_of_decade") << 9.6 << 10.0;
    QTest::newRow("below_one") << 0.951 << 1.0;
    QTest::newRow("small") << 0.0123 << 0.0125;
    QTest::newRow("large") << 123.0 << 125.0;
    QTest::newRow("decimal_0p17") << 0.17 << 0.17;
    QTest::newRow("hair_above_1p7") << std::nextafter(1.7, 2.0) << 1.8;
    QTest::newRow("hair_below_1p8") << std::nextafter(1.8, 0.0) << 1.8;
    QTest::newRow("power_of_ten") << 1000.0 << 1000.0;
}

void TestSheet::gaugeSeries()
{
    QFETCH(double, ideal);
    QFETCH(double, proposed);
    QCOMPARE(nextSeriesDiameter(ideal), proposed);
    // Every step of the series, in every decade, is the decimal it names as the JSON writes it.
    static const char *const steps[] = {"1", "1.06", "1.12", "1.18", "1.25", "1.32", "1.4", "1.5", "1.6", "1.7",
                                        "1.8", "1.9", "2", "2.12", "2.24", "2.36", "2.5", "2.65", "2.8", "3",
                                        "3.15", "3.35", "3.55", "3.75", "4", "4.25", "4.5", "4.75", "5", "5.3",
                                        "5.6", "6", "6.3", "6.7", "7.1", "7.5", "8", "8.5", "9", "9.5"};
    if (QTest::currentDataTag() != QString("on_a_step"))
        return;
    for (int e = -3; e <= 3; ++e) {
        for (const char *step : steps) {
            const QString text = QString::number(QString(step).toDouble() * std::pow(10.0, e), 'f', 6);
            const QString decimal = QString::fromStdString(shortestNumber(QLocale::c().toDouble(QString("%1e%2").arg(step).arg(e))));
            const double named = QLocale::c().toDouble(QString("%1e%2").arg(step).arg(e));
            QVERIFY2(QString::fromStdString(shortestNumber(nextSeriesDiameter(named))) == decimal, qPrintable(text));
        }
    }
    // The proposal for m 0.1, z 30 is written 0.18.
    const SheetResult r = sheetOf({.module = 0.1, .teeth = 30});
    QVERIFY(sheetJson(r).find("\"diameter\": 0.18,") != std::string::npos);
}

void TestSheet::jsonHasEveryFieldAndExactNumbers()
{
    for (bool internal : {false, true}) {
        const SheetResult r = sheetOf({.module = 1, .teeth = 30, .internal = internal, .allowanceUpper = -0.03,
                                       .allowanceLower = -0.06, .gaugeDiameter = 1.7});
        QJsonParseError error{};
        const QJsonObject j = QJsonDocument::fromJson(QByteArray::fromStdString(sheetJson(r)), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        for (const char *key : {"units", "gear", "allowances", "shift", "thickness", "chordalThickness",
                                "chordalHeight", "constantChord", "constantChordHeight", "overGauges", "radial",
                                "span", "gauge", "warnings"})
            QVERIFY2(j.contains(key), key);
        QCOMPARE(j["chordalThickness"].isNull(), internal);
        QCOMPARE(j["span"].isNull(), internal);
        QCOMPARE(j["gear"]["internal"].toBool(), internal);
        // The shortest form reads back to the very same double.
        QCOMPARE(j["overGauges"]["nominal"].toDouble(), r.overGauges.nominal);
        QCOMPARE(j["shift"]["atLower"].toDouble(), r.shiftAtLower);
        QCOMPARE(j["shift"]["atUpper"].toDouble(), r.shiftAtUpper);
        QVERIFY(r.shiftAtUpper != r.shiftAtLower);
        QCOMPARE(j["gauge"]["kind"].toString(), QString("ball"));
        QVERIFY(j["warnings"].isArray());
    }
}

void TestSheet::csvHasOneHeaderAndOneLine()
{
    const SheetResult r = sheetOf({.module = 1, .teeth = 30, .gaugeDiameter = 1.7});
    const QStringList lines = QString::fromStdString(sheetCsv(r)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    const QStringList header = lines[0].split(',');
    const QStringList values = lines[1].split(',');
    QCOMPARE(header.size(), values.size());
    QVERIFY(header.contains("overGauges.max"));
    QCOMPARE(values[header.indexOf("span.teeth")], QString("4"));
    QCOMPARE(values[header.indexOf("overGauges.nominal")].toDouble(), r.overGauges.nominal);
    // The batch's fast line holds exactly the values of the CSV format, whole numbers,
    // large round numbers, negative zero and warnings included.
    for (const SheetInput &in : {SheetInput{.module = 1, .teeth = 30, .gaugeDiameter = 1.7},
                                 SheetInput{.module = 500, .teeth = 200, .gaugeDiameter = 900},
                                 SheetInput{.module = 2, .teeth = 21, .shift = -0.0, .gaugeDiameter = 9, .faceWidth = 3},
                                 SheetInput{.diametralPitch = 8, .teeth = 41, .helixAngleDeg = 22.5, .internal = true}}) {
        const SheetResult sheet = sheetOf(in);
        // Every CSV column is the JSON value of the same name (numbers read back exactly).
        const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(sheetJson(sheet))).object();
        for (const auto &[name, value] : sheetColumns(sheet)) {
            QJsonValue at = json;
            for (const QString &part : QString::fromStdString(name).split('.')) {
                bool index = false;
                const int i = part.toInt(&index);
                at = index ? at.toArray().at(i) : at.toObject().value(part);
            }
            const QString csv = QString::fromStdString(value);
            if (at.isDouble())
                QVERIFY2(csv.toDouble() == at.toDouble(), qPrintable(QString::fromStdString(name)));
            else if (at.isBool())
                QCOMPARE(csv, QString(at.toBool() ? "true" : "false"));
            else if (at.isString())
                QCOMPARE(csv, at.toString());
            else if (at.isArray())
                QCOMPARE(csv.isEmpty(), at.toArray().isEmpty());
            else
                QVERIFY2(csv.isEmpty(), qPrintable(QString::fromStdString(name)));
        }
        std::string fast;
        appendSheetCsvValues(sheet, fast); // every value after a comma
        const QString slow = QString::fromStdString(sheetCsv(sheet)).split('\n')[1];
        QCOMPARE(QString::fromStdString(fast).mid(1), slow);
    }
    QCOMPARE(QString::fromStdString(csvField("a,b")), QString("\"a,b\""));
    QCOMPARE(QString::fromStdString(csvField("say \"M\"")), QString("\"say \"\"M\"\"\""));
}

// Random gears over and beyond every sensible range: each has a sheet whose every figure
// is finite (the JSON then holds no nan or inf), or no sheet and a reason; nothing hangs.
void TestSheet::anyInputGivesFiniteFiguresOrAReason()
{
    quint32 seed = 20261207;
    const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    const auto pick = [&](std::initializer_list<double> values) {
        return *(values.begin() + next() % values.size());
    };
    int sheets = 0;
    for (int i = 0; i < 20000; ++i) {
        SheetInput in;
        in.module = pick({0.1, 1, 2.5, 8, 40, 1e-9, 1e9, -1});
        in.teeth = pick({1, 2, 3, 7, 17, 30, 51, 200, 5000, 0, 2.5});
        in.pressureAngleDeg = pick({20, 14.5, 25, 30, 1, 89, 45});
        in.helixAngleDeg = pick({0, 0, 10, 30, -25, 60, 89.9, 1e-9});
        in.internal = next() % 3 == 0;
        if (next() % 4 == 0)
            in.thickness = pick({0.1, 1.5, 3, 50, 1e-6});
        else
            in.shift = pick({0, 0.5, -0.5, 1.5, -2, 10, -10});
        if (next() % 3 == 0)
            in.tipDiameter = pick({10, 60, 100, 1e6, 0.5});
        in.allowanceUpper = pick({0, -0.02, 0.05, -1});
        in.allowanceLower = pick({0, -0.1, -0.5, -3});
        if (next() % 2)
            in.gaugeDiameter = pick({0.5, 1.7, 3.5, 10, 100, 1e-6});
        in.gauge = next() % 2 ? GaugeKind::Ball : GaugeKind::Pin;
        if (next() % 3 == 0)
            in.faceWidth = pick({1, 20, 200});
        const auto out = computeSheet(in);
        if (!out.ok()) {
            QVERIFY(std::string(failureText(out.failure())).size() > 0);
            continue;
        }
        ++sheets;
        const std::string json = sheetJson(out.value());
        QVERIFY2(json.find("nan") == std::string::npos && json.find("inf") == std::string::npos, json.c_str());
        QJsonParseError error{};
        QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        for (const SheetRow &row : sheetRows(out.value()))
            QVERIFY(std::isfinite(row.nominal) && (!row.max || std::isfinite(*row.max)));
        if (out.value().span)
            QVERIFY2(out.value().span->teeth >= 1 && out.value().span->teeth < in.teeth, json.c_str());
        // The picture (of every twentieth gear; a drawing of thousands of teeth takes a while):
        // finite everywhere, with room in both panels.
        if (i % 20 != 0)
            continue;
        const MeasurementDrawing d = measurementDrawing(out.value());
        for (const Box &b : {d.whole, d.detail})
            QVERIFY2(std::isfinite(b.left + b.right + b.top + b.bottom) && b.right > b.left && b.top > b.bottom,
                     json.c_str());
        for (const Point &p : d.outline.points)
            QVERIFY2(std::isfinite(p.x) && std::isfinite(p.y), json.c_str());
    }
    QVERIFY(sheets > 1000);
}

// Parts all measured alike, with equal allowances, still make a histogram of finite bins
// holding every part.
void TestSheet::histogramOfEqualValuesHasARange()
{
    const AllowanceHistogram h = allowanceHistogram({-0.05, -0.05, -0.05}, -0.05, -0.05, 10);
    QVERIFY(h.width > 0 && std::isfinite(h.from));
    long total = 0;
    for (long c : h.counts)
        total += c;
    QCOMPARE(total, 3L);
}

QTEST_APPLESS_MAIN(TestSheet)
#include "tst_sheet.moc"
