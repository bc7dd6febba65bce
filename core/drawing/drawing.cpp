#include "core/drawing/drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

#include "core/common/angle.h"
#include "core/geometry/helix.h"
#include "core/geometry/involute.h"
#include "core/geometry/teeth.h"
#include "core/common/translatable.h"

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

// One pitch worked out about the centre line at angle c, turned onto teeth first to last:
// one sine and cosine per tooth, not per point.
Polyline everyTooth(const Section &s, const std::vector<Point> &pitch, double c, int first, int last)
{
    Polyline out;
    out.points.reserve(pitch.size() * std::size_t(std::max(0, last - first + 1)));
    for (int n = first; n <= last; ++n) {
        const double turn = s.toothCentre(n) - c;
        const double cosTurn = std::cos(turn), sinTurn = std::sin(turn);
        for (const Point &p : pitch)
            out.points.push_back({p.x * cosTurn - p.y * sinTurn, p.x * sinTurn + p.y * cosTurn});
    }
    return out;
}

// Teeth first to last (the measured space lies between teeth −1 and 0), flank by flank;
// every tooth makes the closed outline of the gear. One pitch is worked out once, about the
// first tooth's centre line, and turned onto every other tooth: a 3000-tooth gear costs one
// sine and cosine per tooth, not per point.
Polyline toothOutline(const Section &s, int first, int last)
{
    const std::vector<double> radii = flankRadii(s);
    // From the root end of a flank: the root circle (external) or the tip circle (internal)
    // lies inside the base circle, where the flank runs radially.
    const double innerEnd = s.sigma > 0 ? s.rf : s.ra;
    const double c = s.toothCentre(first);
    std::vector<Point> pitch;
    const auto arc = [&](double radius, double from, double to) {
        for (int i = 1; i < kArcSamples; ++i)
            pitch.push_back(polar(radius, from + (to - from) * i / kArcSamples));
    };
    // The flank on the side of smaller angles, inwards to outwards.
    if (innerEnd < radii.front())
        pitch.push_back(polar(innerEnd, c - s.toothHalfAngle(radii.front())));
    for (double rho : radii)
        pitch.push_back(polar(rho, c - s.toothHalfAngle(rho)));
    // Across the outer end: the tip (external) or the root (internal).
    arc(radii.back(), c - s.toothHalfAngle(radii.back()), c + s.toothHalfAngle(radii.back()));
    for (auto it = radii.rbegin(); it != radii.rend(); ++it)
        pitch.push_back(polar(*it, c + s.toothHalfAngle(*it)));
    if (innerEnd < radii.front())
        pitch.push_back(polar(innerEnd, c + s.toothHalfAngle(radii.front())));
    // Across the inner end to the next tooth.
    arc(innerEnd, c + s.toothHalfAngle(radii.front()), s.toothCentre(first + 1) - s.toothHalfAngle(radii.front()));

    return everyTooth(s, pitch, c, first, last);
}

// A point of the space centred on the angle centre, given in the space's own frame
// (x outwards along its centre line), turned into place.
Point turned(Point local, double centre)
{
    const double c = std::cos(centre), sn = std::sin(centre);
    return {local.x * c - local.y * sn, local.x * sn + local.y * c};
}

// The root of one space in its own frame, from the flank's end at (formR, −phi) to the other
// flank's end at (formR, +phi), the points between them only.
// flankDirection: the first flank's direction at its end, going on towards the root.
std::vector<Point> rootOfSpace(const ToothRoot &root, double formR, double phi, Point flankDirection, double module)
{
    std::vector<Point> out;
    const double rootR = root.rootDiameter / 2;
    const double inward = rootR < formR ? 1 : -1; // +1: a shaft's root lies inside, −1: a hub's outside
    constexpr int kRootSamples = 16;
    if (root.shape == ToothRoot::Fillet) {
        // One fillet, tangent to each flank where it ends and to the root circle on the space's
        // centre line: a cubic curve each side, its control points inside the space, so it never
        // bulges past the flanks.
        const Point a{formR * std::cos(phi), -formR * std::sin(phi)}, c{rootR, 0};
        const double reach = 0.55 * std::abs(formR - rootR), across = 0.55 * std::abs(a.y);
        const Point p1{a.x + flankDirection.x * reach, a.y + flankDirection.y * reach}, p2{c.x, c.y - across};
        const auto bezier = [&](double t) {
            const double u = 1 - t;
            return Point{u * u * u * a.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * c.x,
                         u * u * u * a.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * c.y};
        };
        for (int i = 1; i <= kRootSamples / 2; ++i)
            out.push_back(bezier(double(i) / (kRootSamples / 2)));
        for (int i = kRootSamples / 2 - 1; i >= 1; --i) { // the other side, mirrored
            const Point q = bezier(double(i) / (kRootSamples / 2));
            out.push_back({q.x, -q.y});
        }
        return out;
    }
    // Flat: straight on from each flank's end to the root circle, the corners rounded.
    const double rho = std::max(0.0, std::min({root.cornerRadius, 0.45 * rootR * std::sin(phi), 0.45 * std::abs(formR - rootR),
                                               0.5 * module}));
    const double dc = rootR + inward * rho; // the corner's centre, on the space's side of the root circle
    const double turn = rho > 0 ? std::asin(std::min(1.0, rho / dc)) : 0;
    const double along = std::sqrt(std::max(0.0, dc * dc - rho * rho));
    const auto corner = [&](double side, bool fromFlank) {
        // The corner at the flank on side −1 (angle −phi) or +1, from the flank to the root or back.
        const double a = side * (phi - turn);
        const Point centre = polar(dc, a);
        const Point onFlank = polar(along, side * phi), onRoot = polar(rootR, a);
        double t0 = std::atan2(onFlank.y - centre.y, onFlank.x - centre.x);
        double t1 = std::atan2(onRoot.y - centre.y, onRoot.x - centre.x);
        if (t1 - t0 > kPi)
            t1 -= 2 * kPi;
        else if (t0 - t1 > kPi)
            t1 += 2 * kPi;
        if (!fromFlank)
            std::swap(t0, t1);
        for (int i = 0; i <= 4; ++i) {
            const double t = t0 + (t1 - t0) * i / 4;
            out.push_back({centre.x + rho * std::cos(t), centre.y + rho * std::sin(t)});
        }
    };
    corner(-1, true);
    for (int i = 1; i < kRootSamples; ++i)
        out.push_back(polar(rootR, -(phi - turn) + 2 * (phi - turn) * i / kRootSamples));
    corner(1, false);
    return out;
}

// Teeth first to last, as toothOutline, for a part with a root form: each flank runs from
// the form circle to the tip, and each space ends in the root form. The form circle is moved
// towards the tip where the space would close before it, and the tip towards the root where
// the tooth would come to a point, so no two flanks cross.
Polyline rootFormOutline(const Section &s, const ToothRoot &root, int first, int last)
{
    const double rootR = root.rootDiameter / 2;
    const double towardsTip = s.ra > rootR ? 1 : -1;
    double formR = root.formDiameter > 0 ? root.formDiameter / 2 : rootR + towardsTip * s.mn / 3;
    // Between the root and the tip, and on the involute (outside the base circle).
    formR = towardsTip > 0 ? std::clamp(formR, std::max(rootR, s.rb), s.ra) : std::clamp(formR, std::max(s.ra, s.rb), rootR);
    const double step = towardsTip * 0.01 * s.mn;
    const double room = 0.08 * kPi / s.z;
    for (int i = 0; i < 400 && s.spaceHalfAngle(formR) < room && (s.ra - formR) * towardsTip > 0; ++i)
        formR += step;
    double tipR = s.ra;
    for (int i = 0; i < 400 && s.toothHalfAngle(tipR) < room && (tipR - formR) * towardsTip > 0; ++i)
        tipR -= step;

    std::vector<double> radii; // from the form circle to the tip
    for (int i = 0; i <= kFlankSamples; ++i)
        radii.push_back(formR + (tipR - formR) * i / kFlankSamples);
    for (double rho : s.extraRadii) {
        if ((rho - formR) * towardsTip > 0 && (tipR - rho) * towardsTip > 0)
            radii.push_back(rho);
    }
    std::sort(radii.begin(), radii.end(), [&](double a, double b) { return (a - b) * towardsTip < 0; });

    const double c = s.toothCentre(first);
    std::vector<Point> pitch;
    for (double rho : radii)
        pitch.push_back(polar(rho, c - s.toothHalfAngle(rho)));
    for (int i = 1; i < kArcSamples; ++i)
        pitch.push_back(polar(tipR, c - s.toothHalfAngle(tipR) + 2 * s.toothHalfAngle(tipR) * i / kArcSamples));
    for (auto it = radii.rbegin(); it != radii.rend(); ++it)
        pitch.push_back(polar(*it, c + s.toothHalfAngle(*it)));
    const double spaceCentre = c + kPi / s.z;
    // The flank's direction at the form circle, in the space's frame, from a point just before it.
    const double phi = s.spaceHalfAngle(formR), before = formR + towardsTip * 1e-4 * s.mn;
    const Point end{formR * std::cos(phi), -formR * std::sin(phi)};
    const Point prior{before * std::cos(s.spaceHalfAngle(before)), -before * std::sin(s.spaceHalfAngle(before))};
    const double length = std::hypot(end.x - prior.x, end.y - prior.y);
    const Point direction{(end.x - prior.x) / length, (end.y - prior.y) / length};
    for (const Point &p : rootOfSpace(root, formR, phi, direction, s.mn))
        pitch.push_back(turned(p, spaceCentre));

    return everyTooth(s, pitch, c, first, last);
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

StrokeColour strokeColour(Stroke stroke)
{
    switch (stroke) {
    case Stroke::Outline: return {20, 20, 20};
    case Stroke::Thin: return {150, 150, 150};
    case Stroke::Gauge: return {30, 90, 200};
    case Stroke::Contact: return {200, 30, 30};
    case Stroke::Anvil: return {0, 130, 110};
    case Stroke::Dimension: return {40, 120, 40};
    case Stroke::Warning: return {230, 120, 0};
    case Stroke::Ghost: return {180, 180, 220};
    }
    return {0, 0, 0};
}

Stroke gaugeContactStroke(const MeasurementDrawing &d) { return d.circles.empty() ? Stroke::Contact : d.circles.back().stroke; }

Stroke spanContactStroke(const MeasurementDrawing &d) { return d.spanLine.stroke == Stroke::Anvil ? Stroke::Contact : d.spanLine.stroke; }

MeasurementDrawing measurementDrawing(const SheetResult &sheet, const std::optional<ToothRoot> &root)
{
    MeasurementDrawing d;
    Section s{};
    s.z = sheet.teeth;
    s.mn = sheet.module;
    const double alphaN = radians(sheet.pressureAngleDeg), beta = radians(sheet.helixAngleDeg);
    s.alphaT = transverseAngle(alphaN, beta);
    s.betaB = baseHelixAngle(alphaN, beta);
    s.sigma = kindSign(!sheet.internal);
    s.r = sheet.referenceDiameter / 2;
    s.rb = sheet.baseDiameter / 2;
    s.ra = sheet.tipDiameter / 2;
    // The root for the picture only: a tooth depth of 2.25 modules from the tip, or the
    // root form's own circle.
    s.rf = root ? root->rootDiameter / 2 : s.ra - s.sigma * 2.25 * s.mn;
    s.halfTooth = sheet.thickness.nominal / std::cos(beta) / sheet.referenceDiameter;

    // The gauge in the measured space, drawn as its transverse section: a ball of
    // diameter D touches the transverse involute as a circle of radius D/(2·cos βb).
    const double rK = sheet.gaugeCentreDiameter / 2;
    const double radius = sheet.gaugeDiameter / (2 * std::cos(s.betaB));
    const double alphaK = std::acos(std::min(1.0, s.rb / rK));
    const double tanContact = std::tan(alphaK) - s.sigma * radius / s.rb;
    const double contactRadius = s.rb * std::sqrt(1 + tanContact * tanContact);
    s.extraRadii.push_back(contactRadius);
    s.extraRadii.push_back(s.r); // the reference circle, where the limits' thicknesses are set

    // The span around the top: centred on the measured space for an even count, on the
    // tooth beside it for an odd one; the measuring line touches the base circle there.
    double spanAngle = kPi / 2, halfSpan = 0;
    if (sheet.span) {
        spanAngle = sheet.span->teeth % 2 == 0 ? kPi / 2 : s.toothCentre(0);
        halfSpan = sheet.span->length.nominal / std::cos(s.betaB) / 2;
        s.extraRadii.push_back(std::hypot(s.rb, halfSpan));
    }

    const auto outline = [&](const Section &section, int first, int last) {
        return root ? rootFormOutline(section, *root, first, last) : toothOutline(section, first, last);
    };
    d.outline = outline(s, 0, int(std::lround(s.z)) - 1);
    d.outline.closed = true;
    // The teeth around the measured space at the upper and the lower thickness, as ghosts.
    for (double thickness : {sheet.thickness.max, sheet.thickness.min}) {
        if (thickness == sheet.thickness.nominal)
            continue;
        Section limit = s;
        limit.halfTooth = thickness / std::cos(beta) / sheet.referenceDiameter;
        Polyline ghost = outline(limit, -2, 1);
        ghost.stroke = Stroke::Ghost;
        ghost.width = 0.8;
        d.ghosts.push_back(std::move(ghost));
    }
    d.circles = {{{0, 0}, s.r, Stroke::Thin}, {{0, 0}, s.rb, Stroke::Thin}, {{0, 0}, s.ra, Stroke::Thin},
                 {{0, 0}, s.rf, Stroke::Thin}};
    if (root && root->rimDiameter)
        d.circles.push_back({{0, 0}, *root->rimDiameter / 2, Stroke::Outline, 1.2});
    const bool gaugeWarning = warns(sheet, {SheetWarning::GaugeContactAboveTip, SheetWarning::GaugeContactBelowBase});
    d.circles.push_back({{0, 0}, contactRadius, gaugeWarning ? Stroke::Warning : Stroke::Contact, 1.0});

    const Point c1 = polar(rK, kPi / 2);
    const double secondAngle = sheet.gaugesOpposite ? 3 * kPi / 2 : 3 * kPi / 2 - kPi / s.z;
    const Point c2 = polar(rK, secondAngle);
    d.gaugeRadius = radius;
    d.gauges = {{c1, radius, Stroke::Gauge, 1.4}, {c2, radius, Stroke::Gauge, 1.4}};
    const double spaceHalf = s.spaceHalfAngle(contactRadius);
    d.gaugeContacts = {polar(contactRadius, kPi / 2 - spaceHalf), polar(contactRadius, kPi / 2 + spaceHalf)};

    // M along the line through the centres, to the gauges' outer (external) or inner
    // (internal) edges; the radial dimension from the axis.
    const double D = sheet.gaugeDiameter;
    const double length = std::hypot(c1.x - c2.x, c1.y - c2.y);
    const Point u{(c1.x - c2.x) / length, (c1.y - c2.y) / length};
    const double edge = s.sigma * D / 2;
    const auto middle = [](Point a, Point b) { return Point{(a.x + b.x) / 2, (a.y + b.y) / 2}; };
    const Point mFrom{c2.x - u.x * edge, c2.y - u.y * edge}, mTo{c1.x + u.x * edge, c1.y + u.y * edge};
    d.dimensions.push_back({mFrom, mTo, dimensionText("M", sheet.overGauges.nominal, sheet), Panel::Whole, middle(mFrom, mTo)});
    const Point rTo = polar(rK + edge, kPi / 2);
    d.dimensions.push_back({{0, 0}, rTo, dimensionText("R", sheet.radial.nominal, sheet), Panel::Whole, middle({0, 0}, rTo)});

    if (sheet.span) {
        const Point t = polar(s.rb, spanAngle);
        const Point along{-std::sin(spanAngle), std::cos(spanAngle)};
        const Point outward{std::cos(spanAngle), std::sin(spanAngle)};
        const bool spanWarning = warns(sheet, {SheetWarning::SpanContactAboveTip, SheetWarning::SpanContactOffInvolute});
        const Stroke anvil = spanWarning ? Stroke::Warning : Stroke::Anvil;
        d.spanLine.stroke = anvil;
        d.spanLine.width = 0.8;
        for (double side : {-1.0, 1.0}) {
            const Point p{t.x + side * halfSpan * along.x, t.y + side * halfSpan * along.y};
            d.spanContacts.push_back(p);
            d.spanLine.points.push_back(p);
            // The measuring face stands square to the measuring line, across the tooth's depth.
            Polyline face;
            face.stroke = anvil;
            face.width = 1.6;
            for (double reach : {-1.4 * s.mn, 1.6 * s.mn})
                face.points.push_back({p.x + reach * outward.x, p.y + reach * outward.y});
            d.anvils.push_back(face);
        }
        // W's text stands beyond the tip circle, over the span's middle, with a leader:
        // across the teeth every flank would cross it.
        const Point spanLabel = polar(std::max({s.ra, s.rf, std::hypot(s.rb, halfSpan)}) + 1.2 * s.mn, spanAngle);
        d.dimensions.push_back({d.spanContacts[0], d.spanContacts[1],
                                dimensionText("W", sheet.span->length.nominal, sheet) + "  (k = "
                                    + std::to_string(sheet.span->teeth) + ")",
                                Panel::Detail, spanLabel, true});
        // Where the anvils really touch: on a helical gear the contacts lie off this
        // section, on the circle d_W of the sheet.
        // (Before the gauges' contact circle, which stays the last.)
        d.circles.insert(d.circles.end() - 1, {{0, 0}, sheet.span->contactDiameter / 2, anvil, 1.0});
    }

    // The panels: the whole gear, and the measured space with its span.
    const double outer = std::max({s.ra, s.rf, rK + radius, root && root->rimDiameter ? *root->rimDiameter / 2 : 0.0}) * 1.08;
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
    for (const DimensionLine &dim : d.dimensions) {
        if (dim.panel == Panel::Detail) // room above the label for its text
            include(detail, {dim.label.x, dim.label.y + 0.8 * s.mn});
    }
    d.detail = padded(detail, 0.08);

    d.captionParts.push_back(QT_TRANSLATE_NOOP("Drawing", "端面截面，按公称尺寸画出"));
    if (beta != 0)
        d.captionParts.push_back(QT_TRANSLATE_NOOP("Drawing", "；斜齿轮的量球（棒）在端面上相当于直径 D/cos βb 的圆"));
    if (sheet.gaugesOpposite && std::fmod(s.z, 2) != 0)
        d.captionParts.push_back(QT_TRANSLATE_NOOP("Drawing", "；奇数齿斜齿轮的另一根量棒在相距半个轴向齿距的截面上"));
    if (sheet.span)
        d.captionParts.push_back(QT_TRANSLATE_NOOP("Drawing", "；公法线量具的测量面在圆 d_W 上接触齿面"));
    return d;
}

namespace {

std::string svgColour(Stroke stroke)
{
    const StrokeColour c = strokeColour(stroke);
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.red, c.green, c.blue);
    return buf;
}

// Two decimals, whatever the C library's locale (Qt's application sets it from the
// environment, and a comma would make the SVG invalid).
std::string svgNumber(double v) { return sheetNumber(v, 2); }

// One panel: the box of the model fitted into a rectangle of the picture, y turned down.
// A panel of the SVG: the shared mapping, its coordinates written as SVG numbers.
struct SvgPanel {
    PanelMapping map;
    SvgPanel(const Box &box, double x, double y, double w, double h) : map(PanelMapping::fit(box, x, y, w, h)) {}
    std::string at(Point p) const { return x(p) + "," + y(p); }
    std::string x(Point p) const { return svgNumber(map(p).x); }
    std::string y(Point p) const { return svgNumber(map(p).y); }
};

void svgPanel(std::string &svg, const MeasurementDrawing &d, const Box &box, double x, double y, double w, double h,
              bool detail, int clip)
{
    const SvgPanel m(box, x, y, w, h);
    const Box viewport{x, y, x + w, y + h};
    svg += "<defs><clipPath id=\"p" + std::to_string(clip) + "\"><rect x=\"" + svgNumber(x) + "\" y=\"" + svgNumber(y)
           + "\" width=\"" + svgNumber(w) + "\" height=\"" + svgNumber(h) + "\"/></clipPath></defs>\n";
    svg += "<g clip-path=\"url(#p" + std::to_string(clip) + ")\" fill=\"none\" stroke-linejoin=\"round\">\n";
    const auto circle = [&](const Circle &c, bool filled) {
        svg += "<circle cx=\"" + m.x(c.centre) + "\" cy=\"" + m.y(c.centre) + "\" r=\"" + svgNumber(c.radius * m.map.scale)
               + "\" stroke=\"" + svgColour(c.stroke) + "\" stroke-width=\"" + svgNumber(c.width) + "\""
               + (filled ? std::string(" fill=\"") + svgColour(c.stroke) + "\" fill-opacity=\"0.16\"" : std::string())
               + "/>\n";
    };
    const auto polyline = [&](const Polyline &line) {
        if (line.points.size() < 2)
            return;
        // As the panel shows it: the stretches outside cut; in the whole gear, points under half
        // a unit apart merged, in the detail every point kept.
        for (const std::vector<Point> &run : visibleRuns(line, m.map, viewport, detail ? 0.0 : 0.5)) {
            svg += "<polyline points=\"";
            for (const Point &p : run)
                svg += svgNumber(p.x) + "," + svgNumber(p.y) + " ";
            svg += "\" stroke=\"" + std::string(svgColour(line.stroke)) + "\" stroke-width=\"" + svgNumber(line.width) + "\"/>\n";
        }
    };
    for (const Circle &c : d.circles)
        circle(c, false);
    if (detail) {
        for (const Polyline &ghost : d.ghosts)
            polyline(ghost);
    }
    polyline(d.outline);
    for (const Polyline &mate : d.mates)
        polyline(mate);
    for (const Circle &g : d.gauges)
        circle(g, true);
    for (const Polyline &face : d.anvils)
        polyline(face);
    polyline(d.spanLine);
    for (const auto &[points, stroke] : {std::pair{&d.gaugeContacts, gaugeContactStroke(d)}, {&d.spanContacts, spanContactStroke(d)}}) {
        for (const Point &p : *points)
            svg += "<circle cx=\"" + m.x(p) + "\" cy=\"" + m.y(p) + "\" r=\"" + svgNumber(kContactDotRadius) + "\" fill=\"" + svgColour(stroke)
                   + "\" stroke=\"none\"/>\n";
    }
    for (const DimensionLine &dim : d.dimensions) {
        if ((dim.panel == Panel::Detail) != detail)
            continue;
        svg += "<line x1=\"" + m.x(dim.from) + "\" y1=\"" + m.y(dim.from) + "\" x2=\"" + m.x(dim.to) + "\" y2=\""
               + m.y(dim.to) + "\" stroke=\"" + svgColour(Stroke::Dimension) + "\" stroke-width=\"" + svgNumber(dim.width) + "\"/>\n";
        const Point mid{(dim.from.x + dim.to.x) / 2, (dim.from.y + dim.to.y) / 2};
        if (dim.leader)
            svg += "<line x1=\"" + m.x(mid) + "\" y1=\"" + m.y(mid) + "\" x2=\"" + m.x(dim.label) + "\" y2=\""
                   + m.y(dim.label) + "\" stroke=\"" + svgColour(Stroke::Dimension) + "\" stroke-width=\"" + svgNumber(dim.leaderWidth) + "\"/>\n";
        // A leader's text stands centred above its end; a plain label beside the middle.
        svg += "<text x=\"" + svgNumber(m.map(dim.label).x + (dim.leader ? 0 : 4)) + "\" y=\"" + svgNumber(m.map(dim.label).y - 4)
               + "\"" + (dim.leader ? " text-anchor=\"middle\"" : "") + " font-size=\"11\" fill=\""
               + svgColour(Stroke::Dimension) + "\" stroke=\"none\">" + markupEscaped(dim.text) + "</text>\n";
    }
    svg += "</g>\n<rect x=\"" + svgNumber(x) + "\" y=\"" + svgNumber(y) + "\" width=\"" + svgNumber(w) + "\" height=\""
           + svgNumber(h) + "\" fill=\"none\" stroke=\"#d2d2d2\"/>\n";
}

} // namespace

std::vector<std::vector<Point>> visibleRuns(const Polyline &line, const PanelMapping &map, const Box &viewport, double minimum)
{
    std::vector<std::vector<Point>> runs;
    if (line.points.empty())
        return runs;
    std::vector<Point> current;
    const double margin = 2;
    const auto inside = [&](Point q) {
        return q.x >= viewport.left - margin && q.x <= viewport.right + margin && q.y >= viewport.bottom - margin
               && q.y <= viewport.top + margin;
    };
    const std::size_t n = line.points.size() + (line.closed ? 1 : 0);
    std::optional<Point> outside; // the last point outside, where the next run enters from
    for (std::size_t i = 0; i < n; ++i) {
        const Point q = map(line.points[i % line.points.size()]);
        if (!inside(q)) {
            if (!current.empty()) {
                current.push_back(q); // out over the edge
                if (current.size() > 1)
                    runs.push_back(std::move(current));
                current.clear();
            }
            outside = q;
            continue;
        }
        if (current.empty()) {
            if (outside)
                current.push_back(*outside); // in over the edge
            current.push_back(q);
            continue;
        }
        // The last point always stays, so a run ends where the line does.
        const Point last = current.back();
        if (std::hypot(q.x - last.x, q.y - last.y) >= minimum || i + 1 == n)
            current.push_back(q);
    }
    if (current.size() > 1)
        runs.push_back(std::move(current));
    return runs;
}

PanelMapping PanelMapping::fit(const Box &box, double x, double y, double width, double height)
{
    const double w = box.right - box.left, h = box.top - box.bottom;
    PanelMapping m;
    m.scale = std::min(width / w, height / h);
    m.left = box.left;
    m.bottom = box.bottom;
    m.x0 = x + (width - w * m.scale) / 2;
    m.y0 = y + height - (height - h * m.scale) / 2;
    return m;
}

std::vector<std::string> wrappedCaption(const std::string &text, double width, double fontSize)
{
    // Widths estimated from the faces' proportions: an ideograph is square, a Latin
    // letter or digit about 0.6 of the size. Latin text breaks at spaces, Chinese anywhere.
    struct Piece {
        std::string text;
        double width = 0;
        bool space = false, wide = false;
    };
    std::vector<Piece> pieces; // words, spaces and single ideographs: a line may end after each
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        const bool wide = len >= 3, space = c == ' ';
        if (wide || space || pieces.empty() || pieces.back().wide || pieces.back().space)
            pieces.push_back({"", 0, space, wide});
        pieces.back().text += text.substr(i, len);
        pieces.back().width += (wide ? 1.0 : 0.6) * fontSize;
        i += len;
    }
    std::vector<std::string> lines(1);
    double used = 0;
    for (const Piece &p : pieces) {
        if (used + p.width > width && used > 0 && !p.space) {
            while (!lines.back().empty() && lines.back().back() == ' ')
                lines.back().pop_back();
            lines.emplace_back();
            used = 0;
        }
        if (p.space && used == 0)
            continue;
        lines.back() += p.text;
        used += p.width;
    }
    return lines;
}

std::string measurementSvg(const MeasurementDrawing &d, int width, int height, const TextTranslator &translate)
{
    std::string text;
    for (const char *part : d.captionParts)
        text += translate ? translate("Drawing", part) : std::string(part);
    // The caption wraps to the width, and the panels give it the room it needs.
    const double fontSize = 12, lineHeight = 15;
    const std::vector<std::string> lines = wrappedCaption(text, width - 4, fontSize);
    const double caption = lineHeight * double(lines.size()) + 9, gap = 8;
    const double panelW = (width - gap) / 2.0, panelH = std::max(10.0, height - caption);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
                      + std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 "
                      + std::to_string(width) + " " + std::to_string(height)
                      + "\" font-family=\"DejaVu Sans, Noto Sans, AR PL UMing CN, Noto Serif CJK SC, sans-serif\">\n";
    const char *title = QT_TRANSLATE_NOOP("Drawing", "测量图");
    svg += "<title>" + markupEscaped(translate ? translate("Drawing", title) : std::string(title))
           + "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    svgPanel(svg, d, d.whole, 0, 0, panelW, panelH, false, 0);
    svgPanel(svg, d, d.detail, panelW + gap, 0, panelW, panelH, true, 1);
    for (std::size_t i = 0; i < lines.size(); ++i)
        svg += "<text x=\"2\" y=\"" + svgNumber(panelH + lineHeight * double(i + 1)) + "\" font-size=\"12\">"
               + markupEscaped(lines[i]) + "</text>\n";
    return svg + "</svg>\n";
}

} // namespace geardim
