#include <QtTest>

#include <cmath>

#include "core/common/angle.h"
#include "core/drawing/drawing.h"
#include "core/gear/gear.h"

using namespace geardim;

namespace {

double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// How far the nearest vertex of the drawn outline lies from p.
double nearestVertex(const Polyline &outline, Point p)
{
    double best = INFINITY;
    for (const Point &q : outline.points)
        best = std::min(best, distance(p, q));
    return best;
}

// The distance from the gear's axis to the line through a and b.
double axisToLine(Point a, Point b) { return std::fabs(a.x * b.y - a.y * b.x) / distance(a, b); }

SheetResult sheetOf(const SheetInput &in)
{
    const auto out = computeSheet(in);
    if (!out.ok())
        qFatal("no sheet: %s", failureText(out.failure()));
    return out.value();
}

} // namespace

class TestDrawing : public QObject {
    Q_OBJECT
private slots:
    void largeGearsDrawWhatThePanelShows();
    void captionWrapsToTheWidth_data();
    void captionWrapsToTheWidth();
    void gaugesTouchTheDrawnFlanks_data();
    void gaugesTouchTheDrawnFlanks();
    void anvilsTouchTheFlanksOnTheSpanCircle_data();
    void anvilsTouchTheFlanksOnTheSpanCircle();
    void contactOutsideTheInvoluteIsAWarning();
    void contactDotsTakeTheirGaugesColour_data();
    void contactDotsTakeTheirGaugesColour();
    void ghostsShowTheThicknessLimits();
};

void TestDrawing::gaugesTouchTheDrawnFlanks_data()
{
    QTest::addColumn<double>("teeth");
    QTest::addColumn<double>("helix");
    QTest::addColumn<double>("shift");
    QTest::addColumn<bool>("internal");
    QTest::addColumn<int>("gauge");
    QTest::newRow("spur_even_ball") << 30.0 << 0.0 << 0.0 << false << 0;
    QTest::newRow("spur_odd_pin") << 21.0 << 0.0 << 0.4 << false << 1;
    QTest::newRow("helical_even_ball") << 40.0 << 25.0 << -0.2 << false << 0;
    QTest::newRow("helical_odd_pin") << 23.0 << 15.0 << 0.1 << false << 1;
    QTest::newRow("internal_spur") << 60.0 << 0.0 << 0.2 << true << 0;
    QTest::newRow("internal_helical_odd") << 61.0 << 20.0 << 0.0 << true << 0;
    QTest::newRow("small_pinion_root_below_base") << 12.0 << 0.0 << 0.3 << false << 0;
}

void TestDrawing::gaugesTouchTheDrawnFlanks()
{
    QFETCH(double, teeth);
    QFETCH(double, helix);
    QFETCH(double, shift);
    QFETCH(bool, internal);
    QFETCH(int, gauge);
    const SheetResult sheet = sheetOf({.module = 2, .teeth = teeth, .helixAngleDeg = helix, .internal = internal,
                                       .shift = shift, .gauge = gauge ? GaugeKind::Pin : GaugeKind::Ball});
    const MeasurementDrawing d = measurementDrawing(sheet);
    const double rb = sheet.baseDiameter / 2;
    QCOMPARE(d.gauges.size(), std::size_t(2));
    QCOMPARE(d.gaugeContacts.size(), std::size_t(2));
    const Point centre = d.gauges[0].centre;
    QVERIFY(std::fabs(std::hypot(centre.x, centre.y) - sheet.gaugeCentreDiameter / 2) < 1e-9);
    for (const Point &contact : d.gaugeContacts) {
        // On the drawn flank, at the gauge's radius from its centre, and the line to the
        // centre is the flank's normal: tangent to the base circle.
        QVERIFY2(nearestVertex(d.outline, contact) < 1e-9, qPrintable(QString::number(nearestVertex(d.outline, contact))));
        QVERIFY(std::fabs(distance(contact, centre) - d.gaugeRadius) < 1e-9);
        QVERIFY2(std::fabs(axisToLine(contact, centre) - rb) < 1e-9,
                 qPrintable(QString::number(axisToLine(contact, centre) - rb)));
    }
    // The two contacts mirror each other about the space's centre line.
    QVERIFY(std::fabs(d.gaugeContacts[0].x + d.gaugeContacts[1].x) < 1e-9);
    // The second gauge: on the diameter, or half a pitch off it.
    const double angle = std::atan2(d.gauges[1].centre.y, d.gauges[1].centre.x);
    const double expected = sheet.gaugesOpposite ? -3.14159265358979 / 2 : -3.14159265358979 / 2 - 3.14159265358979 / teeth;
    QVERIFY(std::fabs(angle - expected) < 1e-9);
    // M drawn is M computed.
    QVERIFY(std::fabs(distance(d.dimensions[0].from, d.dimensions[0].to) - sheet.overGauges.nominal) < 1e-9);
}

void TestDrawing::anvilsTouchTheFlanksOnTheSpanCircle_data()
{
    QTest::addColumn<double>("teeth");
    QTest::addColumn<double>("helix");
    QTest::addColumn<double>("shift");
    QTest::newRow("even_span") << 30.0 << 0.0 << 0.0;     // k 4, centred on a space
    QTest::newRow("shifted") << 24.0 << 0.0 << 0.4;      // k 4
    QTest::newRow("helical") << 35.0 << 20.0 << -0.3;
    QTest::newRow("many_teeth") << 120.0 << 0.0 << 0.0;  // k 14
    QTest::newRow("very_many_teeth") << 3000.0 << 0.0 << 0.0; // k 334
    QTest::newRow("odd_count") << 20.0 << 0.0 << 0.0;    // k 3, centred on a tooth
}

void TestDrawing::anvilsTouchTheFlanksOnTheSpanCircle()
{
    QFETCH(double, teeth);
    QFETCH(double, helix);
    QFETCH(double, shift);
    const SheetResult sheet = sheetOf({.module = 3, .teeth = teeth, .helixAngleDeg = helix, .shift = shift});
    const MeasurementDrawing d = measurementDrawing(sheet);
    QVERIFY(sheet.span);
    QCOMPARE(d.spanContacts.size(), std::size_t(2));
    const Point a = d.spanContacts[0], b = d.spanContacts[1];
    // The measuring line touches the base circle; the anvils stand square to it.
    QVERIFY(std::fabs(axisToLine(a, b) - sheet.baseDiameter / 2) < 1e-9);
    // In this transverse section the contact line crosses the flanks W/cos βb apart; the
    // anvils really touch on d_W, which the picture marks as a circle.
    const double cosBb = std::cos(std::asin(std::sin(helix * kPi / 180) * std::cos(20 * kPi / 180)));
    const double inSection = std::hypot(sheet.baseDiameter, sheet.span->length.nominal / cosBb);
    QVERIFY(std::any_of(d.circles.begin(), d.circles.end(), [&](const Circle &c) {
        return c.radius == sheet.span->contactDiameter / 2 && c.stroke == Stroke::Anvil;
    }));
    for (std::size_t i = 0; i < 2; ++i) {
        const Point p = d.spanContacts[i];
        QVERIFY2(nearestVertex(d.outline, p) < 1e-9, qPrintable(QString::number(nearestVertex(d.outline, p))));
        QVERIFY(std::fabs(2 * std::hypot(p.x, p.y) - inSection) < 1e-9);
        const Polyline &face = d.anvils[i];
        const Point f{face.points[1].x - face.points[0].x, face.points[1].y - face.points[0].y};
        QVERIFY(std::fabs(f.x * (b.x - a.x) + f.y * (b.y - a.y)) < 1e-9);
    }
}

void TestDrawing::contactOutsideTheInvoluteIsAWarning()
{
    // A ball too large for the gear touches beyond the tip: the sheet warns, the picture shows it.
    const SheetResult big = sheetOf({.module = 2, .teeth = 21, .gaugeDiameter = 9});
    QVERIFY(std::find(big.warnings.begin(), big.warnings.end(), SheetWarning::GaugeContactAboveTip)
            != big.warnings.end());
    QCOMPARE(measurementDrawing(big).circles.back().stroke, Stroke::Warning);
    const SheetResult fitting = sheetOf({.module = 2, .teeth = 21, .gaugeDiameter = 3.5});
    QCOMPARE(measurementDrawing(fitting).circles.back().stroke, Stroke::Contact);
    // The circle of the contacts lies beyond the tip circle exactly when the sheet says so.
    const MeasurementDrawing d = measurementDrawing(big);
    QVERIFY(d.circles.back().radius > big.tipDiameter / 2);
}

void TestDrawing::contactDotsTakeTheirGaugesColour_data()
{
    QTest::addColumn<double>("gaugeDiameter");
    QTest::addColumn<double>("spanTeeth");
    QTest::addColumn<int>("gaugeDot");
    QTest::addColumn<int>("spanDot");
    // Red where a contact is sound, orange where the sheet warns of it; never the anvil's green.
    QTest::newRow("both sound") << 3.5 << 3.0 << int(Stroke::Contact) << int(Stroke::Contact);
    QTest::newRow("ball above the tip") << 9.0 << 3.0 << int(Stroke::Warning) << int(Stroke::Contact);
    QTest::newRow("span above the tip") << 3.5 << 9.0 << int(Stroke::Contact) << int(Stroke::Warning);
}

void TestDrawing::contactDotsTakeTheirGaugesColour()
{
    QFETCH(double, gaugeDiameter);
    QFETCH(double, spanTeeth);
    QFETCH(int, gaugeDot);
    QFETCH(int, spanDot);
    const MeasurementDrawing d = measurementDrawing(sheetOf({.module = 2, .teeth = 21, .gaugeDiameter = gaugeDiameter,
                                                             .spanTeeth = spanTeeth}));
    QCOMPARE(int(gaugeContactStroke(d)), gaugeDot);
    QCOMPARE(int(spanContactStroke(d)), spanDot);
    // The SVG fills the dots in those colours, in each of its two panels the gauge's first.
    const std::string svg = measurementSvg(d, 400, 300);
    std::vector<std::string> fills;
    const std::string dot = "r=\"2.60\" fill=\"";
    for (std::size_t at = svg.find(dot); at != std::string::npos; at = svg.find(dot, at + 1))
        fills.push_back(svg.substr(at + dot.size(), svg.find('"', at + dot.size()) - at - dot.size()));
    QCOMPARE(fills.size(), 2 * (d.gaugeContacts.size() + d.spanContacts.size()));
    const std::size_t gauges = d.gaugeContacts.size();
    for (std::size_t i = 0; i < fills.size(); ++i) {
        const bool gauge = i % (fills.size() / 2) < gauges;
        const StrokeColour c = strokeColour(Stroke(gauge ? gaugeDot : spanDot));
        QCOMPARE(QString::fromStdString(fills[i]), QString::asprintf("#%02x%02x%02x", c.red, c.green, c.blue));
    }
}

void TestDrawing::ghostsShowTheThicknessLimits()
{
    const SheetResult sheet = sheetOf({.module = 2, .teeth = 30, .helixAngleDeg = 12, .allowanceUpper = -0.05,
                                       .allowanceLower = -0.15, .gaugeDiameter = 3.5});
    const MeasurementDrawing d = measurementDrawing(sheet);
    QCOMPARE(d.ghosts.size(), std::size_t(2));
    // On the reference circle each ghost tooth is as thick as its limit: its two flank
    // points there lie sn/(cos β·d) either side of the tooth's centre line.
    const double r = sheet.referenceDiameter / 2, cosB = std::cos(12 * 3.14159265358979 / 180);
    const double centre = 3.14159265358979 / 2 + 3.14159265358979 / 30; // the tooth beside the measured space
    for (std::size_t i = 0; i < 2; ++i) {
        const double half = (i == 0 ? sheet.thickness.max : sheet.thickness.min) / cosB / sheet.referenceDiameter;
        for (double side : {-1.0, 1.0}) {
            const Point expected{r * std::cos(centre + side * half), r * std::sin(centre + side * half)};
            QVERIFY2(nearestVertex(d.ghosts[i], expected) < 1e-9,
                     qPrintable(QString::number(nearestVertex(d.ghosts[i], expected))));
        }
    }
    // Without allowances there is nothing to show.
    QVERIFY(measurementDrawing(sheetOf({.module = 2, .teeth = 30})).ghosts.empty());
}

void TestDrawing::captionWrapsToTheWidth_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("english") << "Transverse section, drawn at the nominal sizes; on a helical gear a ball (pin) acts in this section as a circle of diameter D/cos βb";
    QTest::newRow("chinese") << "端面截面，按公称尺寸画出；斜齿轮的量球（棒）在端面上相当于直径 D/cos βb 的圆；奇数齿斜齿轮的另一根量棒在相距半个轴向齿距的截面上";
}

void TestDrawing::captionWrapsToTheWidth()
{
    QFETCH(QString, caption);
    const std::string text = caption.toStdString();
    const auto lines = wrappedCaption(text, 300, 12);
    QVERIFY(lines.size() >= 2);
    std::string joined;
    for (const std::string &line : lines) {
        // At most 300 px: 25 ideographs or 41 Latin characters of 12 px.
        const QString l = QString::fromStdString(line);
        double width = 0;
        for (const QChar c : l)
            width += c.unicode() >= 0x2E80 ? 12 : 7.2;
        QVERIFY2(width <= 300 + 1e-9, line.c_str());
        joined += line;
    }
    // Nothing lost but the spaces where a line broke.
    QCOMPARE(QString::fromStdString(joined).remove(' '), QString(caption).remove(' '));
    // A caption exactly as wide as the room is one line: 25 ideographs of 12 px in 300 px.
    std::string full;
    for (int i = 0; i < 25; ++i)
        full += "齿";
    QCOMPARE(wrappedCaption(full, 300, 12).size(), std::size_t(1));
    // Odd helical pins stand half an axial pitch apart, and the caption says so; balls do not.
    const auto captionOf = [](GaugeKind kind) {
        std::string text;
        for (const char *part : measurementDrawing(sheetOf({.module = 2, .teeth = 21, .helixAngleDeg = 20, .gauge = kind,
                                                           .gaugeDiameter = 3.5})).captionParts)
            text += part;
        return text;
    };
    QVERIFY(captionOf(GaugeKind::Pin).find("半个轴向齿距") != std::string::npos);
    QVERIFY(captionOf(GaugeKind::Ball).find("半个轴向齿距") == std::string::npos);
    // The SVG writes every line of it.
    const SheetResult sheet = sheetOf({.module = 2, .teeth = 21, .helixAngleDeg = 20, .gauge = GaugeKind::Pin,
                                       .gaugeDiameter = 3.5});
    const std::string svg = measurementSvg(measurementDrawing(sheet), 400, 300);
    QVERIFY(svg.find("上接触齿面</text>") != std::string::npos);
}

// A panel shows as many points of an outline as it has room for: a 3000-tooth gear in a
// 600-pixel panel keeps a few thousand of its 200,000 points; a 30-tooth gear keeps them all;
// stretches outside the panel are cut.
void TestDrawing::largeGearsDrawWhatThePanelShows()
{
    for (const auto &[teeth, most] : {std::pair{3000.0, 20000.0}, {30.0, 1e9}}) {
        const MeasurementDrawing d = measurementDrawing(sheetOf({.module = 1, .teeth = teeth, .gaugeDiameter = 1.7}));
        const PanelMapping whole = PanelMapping::fit(d.whole, 0, 0, 600, 600);
        std::size_t kept = 0;
        for (const auto &run : visibleRuns(d.outline, whole, {0, 0, 600, 600}))
            kept += run.size();
        QVERIFY2(double(kept) <= most, qPrintable(QString::number(kept)));
        if (teeth == 30) {
            // With no thinning every point is drawn, and the first again to close the outline;
            // at a page's resolution (a 160 mm panel at 300 dpi) only points closer than a
            // pixel to their neighbour go, so the PDF zooms as it always did.
            const PanelMapping page = PanelMapping::fit(d.whole, 0, 0, 1900, 1900);
            std::size_t all = 0, onPage = 0;
            for (const auto &run : visibleRuns(d.outline, page, {0, 0, 1900, 1900}, 0))
                all += run.size();
            for (const auto &run : visibleRuns(d.outline, page, {0, 0, 1900, 1900}))
                onPage += run.size();
            QCOMPARE(all, d.outline.points.size() + 1);
            QVERIFY2(double(onPage) >= 0.9 * double(all), qPrintable(QString::number(onPage)));
        }
        // The detail panel cuts the teeth far from the measured space.
        const PanelMapping detail = PanelMapping::fit(d.detail, 0, 0, 600, 600);
        std::size_t near = 0;
        for (const auto &run : visibleRuns(d.outline, detail, {0, 0, 600, 600}, 0))
            near += run.size();
        QVERIFY2(double(near) < 0.5 * double(d.outline.points.size()), qPrintable(QString::number(near)));
    }
}

QTEST_APPLESS_MAIN(TestDrawing)
#include "tst_drawing.moc"
