#include "sheet/drawing.h"

#include <algorithm>
#include <cmath>

#include "common/angle.h"
#include "geometry/helix.h"
#include "geometry/involute.h"
#include "sheet/sheetreport.h"

namespace geardim {
namespace {

constexpr int kFlankSamples = 24;
constexpr int kArcSamples = 6;

Point polar(double radius, double angle) { return {radius * std::cos(angle), radius * std::sin(angle)}; }

// The transverse section: every angle in radians, every length in the sheet's unit.
struct Section {
    double z, mn, rb, ra, rf, r;
    double alphaT, betaB;
    double sigma;        // +1 external, −1 internal
    double halfTooth;    // s_t/d: half the tooth's angle on the reference circle
    std::vector<double> extraRadii; // the contacts' radii, sampled exactly on every flank

    // Half the tooth's angle on the circle of radius rho (rho ≥ rb):
    // s_t/d ± (inv αt − inv αρ), + for external teeth, − for internal ones.
    double toothHalfAngle(double rho) const
    {
        const double alphaRho = std::acos(std::min(1.0, rb / rho));
        return halfTooth + sigma * (inv(alphaT) - inv(alphaRho));
    }
    // Half the space's angle: the rest of the pitch.
    double spaceHalfAngle(double rho) const { return kPi / z - toothHalfAngle(rho); }
    // The n-th tooth's centre line; the measured space lies between teeth −1 and 0.
    double toothCentre(int n) const { return kPi / 2 + (2 * n + 1) * kPi / z; }
};

// The radii at which a flank is drawn, from its root end to its tip end, with the
// contact radii among them so each contact is a vertex of the drawn flank.
std::vector<double> flankRadii(const Section &s)
{
    const double inner = s.sigma > 0 ? std::max(s.rf, s.rb) : std::max(s.ra, s.rb);
    const double outer = s.sigma > 0 ? s.ra : s.rf;
    std::vector<double> radii;
    for (int i = 0; i <= kFlankSamples; ++i)
        radii.push_back(inner + (outer - inner) * i / kFlankSamples);
    for (double rho : s.extraRadii) {
        if (rho > inner && rho < outer)
            radii.push_back(rho);
    }
    std::sort(radii.begin(), radii.end());
    return radii;
}

// Every tooth, flank by flank, as one closed outline.
Polyline toothOutline(const Section &s)
{
    Polyline out;
    out.closed = true;
    const std::vector<double> radii = flankRadii(s);
    const int teeth = int(std::lround(s.z));
    // From the root end of a flank: the root circle (external) or the tip circle (internal)
    // lies inside the base circle, where the flank runs radially.
    const double innerEnd = s.sigma > 0 ? s.rf : s.ra;
    const auto arc = [&](double radius, double from, double to) {
        for (int i = 1; i < kArcSamples; ++i)
            out.points.push_back(polar(radius, from + (to - from) * i / kArcSamples));
    };
    for (int n = 0; n < teeth; ++n) {
        const double c = s.toothCentre(n);
        // The flank on the side of smaller angles, inwards to outwards.
        if (innerEnd < radii.front())
            out.points.push_back(polar(innerEnd, c - s.toothHalfAngle(radii.front())));
        for (double rho : radii)
            out.points.push_back(polar(rho, c - s.toothHalfAngle(rho)));
        // Across the outer end: the tip (external) or the root (internal).
        arc(radii.back(), c - s.toothHalfAngle(radii.back()), c + s.toothHalfAngle(radii.back()));
        for (auto it = radii.rbegin(); it != radii.rend(); ++it)
            out.points.push_back(polar(*it, c + s.toothHalfAngle(*it)));
        if (innerEnd < radii.front())
            out.points.push_back(polar(innerEnd, c + s.toothHalfAngle(radii.front())));
        // Across the inner end to the next tooth.
        const double from = c + s.toothHalfAngle(radii.front());
        const double to = s.toothCentre(n + 1) - s.toothHalfAngle(radii.front());
        arc(innerEnd, from, to);
    }
    return out;
}

std::string dimensionText(const char *name, double value, const SheetResult &sheet)
{
    return std::string(name) + " = " + sheetNumber(value, sheetDecimals(sheet));
}

bool warns(const SheetResult &sheet, std::initializer_list<SheetWarning> which)
{
    return std::any_of(which.begin(), which.end(), [&](SheetWarning w) {
        return std::find(sheet.warnings.begin(), sheet.warnings.end(), w) != sheet.warnings.end();
    });
}

void include(Box &box, Point p)
{
    box.left = std::min(box.left, p.x);
    box.right = std::max(box.right, p.x);
    box.bottom = std::min(box.bottom, p.y);
    box.top = std::max(box.top, p.y);
}

Box padded(Box b, double fraction)
{
    const double pad = fraction * std::max(b.right - b.left, b.top - b.bottom);
    return {b.left - pad, b.bottom - pad, b.right + pad, b.top + pad};
}

} // namespace

MeasurementDrawing measurementDrawing(const SheetResult &sheet)
{
    MeasurementDrawing d;
    Section s{};
    s.z = sheet.teeth;
    s.mn = sheet.module;
    const double alphaN = radians(sheet.pressureAngleDeg), beta = radians(sheet.helixAngleDeg);
    s.alphaT = transverseAngle(alphaN, beta);
    s.betaB = baseHelixAngle(alphaN, beta);
    s.sigma = sheet.internal ? -1 : 1;
    s.r = sheet.referenceDiameter / 2;
    s.rb = sheet.baseDiameter / 2;
    s.ra = sheet.tipDiameter / 2;
    // The root for the picture only: a tooth depth of 2.25 modules from the tip.
    s.rf = s.ra - s.sigma * 2.25 * s.mn;
    s.halfTooth = sheet.thickness.nominal / std::cos(beta) / sheet.referenceDiameter;

    // The gauge in the measured space, drawn as its transverse section: a ball of
    // diameter D touches the transverse involute as a circle of radius D/(2·cos βb).
    const double rK = sheet.gaugeCentreDiameter / 2;
    const double radius = sheet.gaugeDiameter / (2 * std::cos(s.betaB));
    const double alphaK = std::acos(std::min(1.0, s.rb / rK));
    const double tanContact = std::tan(alphaK) - s.sigma * radius / s.rb;
    const double contactRadius = s.rb * std::sqrt(1 + tanContact * tanContact);
    s.extraRadii.push_back(contactRadius);

    // The span around the top: centred on the measured space for an even count, on the
    // tooth beside it for an odd one; the measuring line touches the base circle there.
    double spanAngle = kPi / 2, halfSpan = 0;
    if (sheet.span) {
        spanAngle = sheet.span->teeth % 2 == 0 ? kPi / 2 : s.toothCentre(0);
        halfSpan = sheet.span->length.nominal / std::cos(s.betaB) / 2;
        s.extraRadii.push_back(std::hypot(s.rb, halfSpan));
    }

    d.outline = toothOutline(s);
    d.circles = {{{0, 0}, s.r, Stroke::Thin}, {{0, 0}, s.rb, Stroke::Thin}, {{0, 0}, s.ra, Stroke::Thin},
                 {{0, 0}, s.rf, Stroke::Thin}};
    const bool gaugeWarning = warns(sheet, {SheetWarning::GaugeContactAboveTip, SheetWarning::GaugeContactBelowBase});
    d.circles.push_back({{0, 0}, contactRadius, gaugeWarning ? Stroke::Warning : Stroke::Contact});

    const Point c1 = polar(rK, kPi / 2);
    const double secondAngle = sheet.gaugesOpposite ? 3 * kPi / 2 : 3 * kPi / 2 - kPi / s.z;
    const Point c2 = polar(rK, secondAngle);
    d.gaugeRadius = radius;
    d.gauges = {{c1, radius, Stroke::Gauge}, {c2, radius, Stroke::Gauge}};
    const double spaceHalf = s.spaceHalfAngle(contactRadius);
    d.gaugeContacts = {polar(contactRadius, kPi / 2 - spaceHalf), polar(contactRadius, kPi / 2 + spaceHalf)};

    // M along the line through the centres, to the gauges' outer (external) or inner
    // (internal) edges; the radial dimension from the axis.
    const double D = sheet.gaugeDiameter;
    const double length = std::hypot(c1.x - c2.x, c1.y - c2.y);
    const Point u{(c1.x - c2.x) / length, (c1.y - c2.y) / length};
    const double edge = s.sigma * D / 2;
    d.dimensions.push_back({{c2.x - u.x * edge, c2.y - u.y * edge},
                            {c1.x + u.x * edge, c1.y + u.y * edge},
                            dimensionText("M", sheet.overGauges.nominal, sheet)});
    d.dimensions.push_back({{0, 0}, polar(rK + edge, kPi / 2), dimensionText("R", sheet.radial.nominal, sheet)});

    if (sheet.span) {
        const Point t = polar(s.rb, spanAngle);
        const Point along{-std::sin(spanAngle), std::cos(spanAngle)};
        const Point outward{std::cos(spanAngle), std::sin(spanAngle)};
        const bool spanWarning = warns(sheet, {SheetWarning::SpanContactAboveTip, SheetWarning::SpanContactOffInvolute});
        const Stroke anvil = spanWarning ? Stroke::Warning : Stroke::Anvil;
        d.spanLine.stroke = anvil;
        for (double side : {-1.0, 1.0}) {
            const Point p{t.x + side * halfSpan * along.x, t.y + side * halfSpan * along.y};
            d.spanContacts.push_back(p);
            d.spanLine.points.push_back(p);
            // The measuring face stands square to the measuring line, across the tooth's depth.
            Polyline face;
            face.stroke = anvil;
            for (double reach : {-1.4 * s.mn, 1.6 * s.mn})
                face.points.push_back({p.x + reach * outward.x, p.y + reach * outward.y});
            d.anvils.push_back(face);
        }
        d.dimensions.push_back({d.spanContacts[0], d.spanContacts[1],
                                dimensionText("W", sheet.span->length.nominal, sheet) + "  (k = "
                                    + std::to_string(sheet.span->teeth) + ")"});
    }

    // The panels: the whole gear, and the measured space with its span.
    const double outer = std::max({s.ra, s.rf, rK + radius}) * 1.08;
    d.whole = {-outer, -outer, outer, outer};
    Box detail{c1.x, c1.y, c1.x, c1.y};
    for (const Point &p : {Point{c1.x - radius, c1.y - radius}, Point{c1.x + radius, c1.y + radius}})
        include(detail, p);
    for (double angle : {kPi / 2 - 1.6 * kPi / s.z, kPi / 2 + 1.6 * kPi / s.z}) {
        include(detail, polar(std::min(s.rf, s.ra), angle));
        include(detail, polar(std::max(s.rf, s.ra), angle));
    }
    for (const Polyline &face : d.anvils) {
        for (const Point &p : face.points)
            include(detail, p);
    }
    d.detail = padded(detail, 0.08);

    d.caption = "端面截面，按公称尺寸画出";
    if (beta != 0)
        d.caption += "；斜齿轮的量球（棒）在端面上相当于直径 D/cos βb 的圆";
    if (sheet.gaugesOpposite && std::fmod(s.z, 2) != 0)
        d.caption += "；奇数齿斜齿轮的另一根量棒在相距半个轴向齿距的截面上";
    return d;
}

} // namespace geardim
