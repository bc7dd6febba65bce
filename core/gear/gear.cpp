#include "core/gear/gear.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/common/angle.h"
#include "core/common/translatable.h"
#include "core/geometry/helix.h"
#include "core/geometry/involute.h"
#include "core/geometry/mesh.h"
#include "core/geometry/teeth.h"
#include "core/gear/gaugeseries.h"

namespace geardim {
namespace {

// The gear with its derived circles and angles, every length in the sheet's units.
struct Gear {
    double mn, z, alphaN, beta;
    bool internal;
    double alphaT;   // transverse pressure angle
    double betaB;    // base helix angle
    double d, db, da;
    double x;        // nominal profile shift
    double sn;       // nominal normal tooth thickness
};

std::optional<Failure> checkInput(const SheetInput &in)
{
    if (in.module.has_value() == in.diametralPitch.has_value())
        return Failure::SizeNotGiven;
    if (!((in.module ? *in.module : *in.diametralPitch) > 0))
        return Failure::ModuleNotPositive;
    if (in.module && !moduleInRange(*in.module))
        return Failure::ModuleOutOfRange;
    if (in.diametralPitch && !diametralPitchInRange(*in.diametralPitch))
        return Failure::DiametralPitchOutOfRange;
    if (!(in.teeth >= 1) || in.teeth != std::floor(in.teeth) || in.teeth > 1e6)
        return Failure::TeethNotWhole;
    if (in.masterTeeth && (!(*in.masterTeeth >= 3) || *in.masterTeeth != std::floor(*in.masterTeeth) || *in.masterTeeth > 1e6))
        return Failure::MasterTeethNotWhole;
    // One or two teeth make no gear: a gauge of 10¹⁴ mm would be the answer.
    if (in.teeth < 3)
        return Failure::TooFewTeeth;
    if (auto f = checkPressureAngle(in.pressureAngleDeg))
        return f;
    if (auto f = checkHelixAngle(in.helixAngleDeg))
        return f;
    if (in.shift && in.thickness)
        return Failure::ShiftAndThicknessBoth;
    if (!(in.addendum >= 0))
        return Failure::AddendumNegative;
    if (in.tipDiameter && !(*in.tipDiameter > 0))
        return Failure::TipDiameterNotPositive;
    if (in.gaugeDiameter && !(*in.gaugeDiameter > 0))
        return Failure::PinNotPositive;
    if (in.faceWidth && !(*in.faceWidth > 0))
        return Failure::FaceWidthNotPositive;
    if (!std::isfinite(in.allowanceUpper) || !std::isfinite(in.allowanceLower))
        return Failure::ResultOutOfRange;
    // Upper below lower is a typing slip; equal allowances are a drawing's choice.
    if (in.allowanceUpper < in.allowanceLower)
        return Failure::AllowancesReversed;
    if (in.spanTeeth
        && !(*in.spanTeeth >= 1 && *in.spanTeeth == std::floor(*in.spanTeeth) && *in.spanTeeth <= in.teeth - 1))
        return Failure::SpanTeethOutOfRange;
    return std::nullopt;
}

// +1 for external teeth, −1 for internal: the internal formulas mirror the external ones.
double sign(const Gear &g) { return kindSign(!g.internal); }

Gear describe(const SheetInput &in)
{
    Gear g{};
    g.mn = in.module ? *in.module : 1 / *in.diametralPitch;
    g.z = in.teeth;
    g.alphaN = radians(in.pressureAngleDeg);
    g.beta = radians(in.helixAngleDeg);
    g.internal = in.internal;
    g.alphaT = transverseAngle(g.alphaN, g.beta);
    g.betaB = baseHelixAngle(g.alphaN, g.beta);
    g.d = g.z * g.mn / std::cos(g.beta);
    g.db = g.d * std::cos(g.alphaT);
    const double twoTan = 2 * std::tan(g.alphaN);
    // sn = mn(π/2 ± 2x tan αn); for an internal gear the thickness of the internal tooth.
    if (in.thickness) {
        g.sn = *in.thickness;
        g.x = sign(g) * (g.sn / g.mn - kPi / 2) / twoTan;
    } else {
        g.x = in.shift.value_or(0);
        g.sn = g.mn * (kPi / 2 + sign(g) * g.x * twoTan);
    }
    // Tip diameter d + 2mn(ha* + x) external, d − 2mn(ha* − x) internal, unless given.
    g.da = in.tipDiameter ? *in.tipDiameter
                          : (g.internal ? g.d - 2 * g.mn * (in.addendum - g.x) : g.d + 2 * g.mn * (in.addendum + g.x));
    return g;
}

// The profile shift that gives the thickness sn.
double shiftFor(const Gear &g, double sn) { return sign(g) * (sn / g.mn - kPi / 2) / (2 * std::tan(g.alphaN)); }

Limits limits(double nominal, double atUpper, double atLower)
{
    return {nominal, std::max(atUpper, atLower), std::min(atUpper, atLower)};
}

// The three thicknesses in order: nominal, with the upper and with the lower allowance.
template <typename F>
auto atEach(const std::array<double, 3> &sn, F f)
{
    return std::array{f(sn[0]), f(sn[1]), f(sn[2])};
}

template <typename T>
Limits limitsOf(const std::array<T, 3> &v)
{
    return limits(v[0], v[1], v[2]);
}

// Involute of the transverse pressure angle at the gauge centre:
// inv αKt = inv αt ± (sn/cos β)/d ± D/(db·cos βb) ∓ π/z, external upper signs.
double gaugeCentreInvolute(const Gear &g, double sn, double D)
{
    const double s = sign(g);
    return inv(g.alphaT) + s * (sn / std::cos(g.beta) / g.d + D / (g.db * std::cos(g.betaB)) - kPi / g.z);
}

// Where the gauge touches the flank: db·√(1 + (tan αKt ∓ D·cos βb/db)²).
struct GaugeTouch {
    double diameter;
    bool onInvolute; // the contact lies beyond the base tangent point
};

GaugeTouch gaugeTouch(const Gear &g, double alphaK, double D)
{
    const double t = std::tan(alphaK) - sign(g) * D * std::cos(g.betaB) / g.db;
    return {g.db * std::sqrt(1 + t * t), t >= 0};
}

// The gauge that touches the flanks on the circle d + 2x·mn at the nominal thickness:
// with tan φ = tan αx ± D·cos βb/db put into the centre's involute, φ solves
// tan² βb·tan φ + φ = tan αx/cos² βb − A, A the other terms of the centre's involute.
Outcome<double> idealGauge(const Gear &g)
{
    const double dx = g.d + 2 * g.x * g.mn;
    if (!(dx > g.db))
        return Failure::ContactCircleInsideBase;
    const double tanAlphaX = std::sqrt(dx * dx - g.db * g.db) / g.db;
    const double cosBb = std::cos(g.betaB);
    const double tan2Bb = std::tan(g.betaB) * std::tan(g.betaB);
    const double s = sign(g);
    const double A = inv(g.alphaT) + s * (g.sn / std::cos(g.beta) / g.d - kPi / g.z);
    const double T = tanAlphaX / (cosBb * cosBb) - A;
    // The left side rises from 0 at φ = 0 without bound towards π/2: halve the interval.
    if (!(T > 0))
        return Failure::EstimateNotConverged;
    double lo = 0, hi = kPi / 2;
    for (int i = 0; i < 200 && hi - lo > 1e-16; ++i) {
        const double mid = (lo + hi) / 2;
        (tan2Bb * std::tan(mid) + mid < T ? lo : hi) = mid;
    }
    const double phi = (lo + hi) / 2;
    const double D = s * (std::tan(phi) - tanAlphaX) * g.db / cosBb;
    if (!std::isfinite(D))
        return Failure::ResultOutOfRange;
    if (!(D > 0))
        return Failure::NoPositivePin;
    return D;
}

void addWarning(SheetResult &r, SheetWarning w)
{
    if (std::find(r.warnings.begin(), r.warnings.end(), w) == r.warnings.end())
        r.warnings.push_back(w);
}

// Chordal thickness and height on the virtual spur gear zv = z/cos³β, and the constant
// chord. A chord whose height is not above zero lies on or beyond the tip circle: a
// caliper cannot be set to it, so that pair of rows is left out with a warning.
void caliperValues(const Gear &g, const std::array<double, 3> &sn, SheetResult &r)
{
    const double cosB = std::cos(g.beta);
    const double zv = g.z / (cosB * cosB * cosB);
    const double addendum = (g.da - g.d) / 2;
    const auto chord = atEach(sn, [&](double s) { return zv * g.mn * std::sin(s / (zv * g.mn)); });
    const auto height = atEach(sn, [&](double s) {
        return addendum + zv * g.mn / 2 * (1 - std::cos(s / (zv * g.mn)));
    });
    const double cos2 = std::cos(g.alphaN) * std::cos(g.alphaN);
    const auto constant = atEach(sn, [&](double s) { return s * cos2; });
    const auto constantHeight = atEach(sn, [&](double s) { return addendum - s / 4 * std::sin(2 * g.alphaN); });
    const auto allAboveZero = [](const std::array<double, 3> &h) { return h[0] > 0 && h[1] > 0 && h[2] > 0; };
    if (allAboveZero(height)) {
        r.chordalThickness = limitsOf(chord);
        r.chordalHeight = limitsOf(height);
    } else {
        addWarning(r, SheetWarning::ChordAboveTip);
    }
    if (allAboveZero(constantHeight)) {
        r.constantChord = limitsOf(constant);
        r.constantChordHeight = limitsOf(constantHeight);
    } else {
        addWarning(r, SheetWarning::ChordAboveTip);
    }
}

// The normal tooth thickness on the tip circle: transverse
// s_at = da·(st/d ± (inv αt − inv αat)), upper sign external, with cos αat = db/da and
// st = sn/cos β, then s_a = s_at·cos βa on the tip cylinder's helix, tan βa = tan β·da/d.
// Nothing when the tip circle lies inside the base circle, where no involute reaches.
std::optional<double> tipThicknessAt(const Gear &g, double sn)
{
    if (!(g.da >= g.db))
        return std::nullopt;
    const double alphaAt = std::acos(g.db / g.da);
    const double st = sn / std::cos(g.beta);
    const double sat = g.da * (st / g.d + sign(g) * (inv(g.alphaT) - inv(alphaAt)));
    const double betaA = std::atan(std::tan(g.beta) * g.da / g.d);
    return sat * std::cos(betaA);
}

void tipThickness(const Gear &g, const std::array<double, 3> &sn, SheetResult &r)
{
    std::array<double, 3> sa{};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto t = tipThicknessAt(g, sn[i]);
        if (!t)
            return;
        sa[i] = *t;
    }
    r.tipThickness = limitsOf(sa);
    if (!(sa[0] > 0))
        addWarning(r, SheetWarning::PointedTip);
    else if (sa[0] < 0.2 * g.mn)
        addWarning(r, SheetWarning::ThinTip);
}

// The generating rack undercuts an external gear below x = ha* − z·sin²αt/(2·cos β),
// ha* the rack's addendum coefficient (1 when the tip diameter is given instead).
void undercut(const Gear &g, const SheetInput &in, SheetResult &r)
{
    const double rackAddendum = in.tipDiameter ? 1.0 : in.addendum;
    const double sinAt = std::sin(g.alphaT);
    const double least = rackAddendum - g.z * sinAt * sinAt / (2 * std::cos(g.beta));
    r.leastShiftWithoutUndercut = least;
    if (g.x < least)
        addWarning(r, SheetWarning::Undercut);
}

// The base tangent length over k teeth at the profile shift x.
double spanLength(const Gear &g, double k, double x)
{
    return g.mn * std::cos(g.alphaN) * ((k - 0.5) * kPi + g.z * inv(g.alphaT)) + 2 * x * g.mn * std::sin(g.alphaN);
}

// The span. The anvils' common normal is a tangent of the base cylinder inclined at βb to
// the transverse plane: the two contacts lie W apart along it, W·cos βb apart in the
// transverse projection, so with the anvils central they touch on the circle
// d_W = √(db² + (W·cos βb)²). The sheet's count is the whole number nearest (half up, at
// least 1) to the real k whose contacts lie on d + 2x·mn,
//   k = (√(dx² − db²)/cos βb − 2x·mn·sin αn)/(π·mn·cos αn) − z·inv αt/π + 0.5,
// the helical span rule of the metric handbooks, zm = z·K(f, β) + 0.5 (Elements of Metric
// Gear Technology, helical span: mn 3, z 24, αn 20°, β 25°, x 0.4 gives zm 4.63, k 5).
void span(const Gear &g, const std::array<double, 3> &xs, const SheetInput &in, SheetResult &r)
{
    const double cosBb = std::cos(g.betaB);
    const double dx = g.d + 2 * g.x * g.mn;
    const double wx = dx > g.db ? std::sqrt(dx * dx - g.db * g.db) / cosBb : 0;
    const double kReal = (wx - 2 * g.x * g.mn * std::sin(g.alphaN)) / (kPi * g.mn * std::cos(g.alphaN))
                         - g.z * inv(g.alphaT) / kPi + 0.5;
    double k = 0;
    if (in.spanTeeth) {
        k = *in.spanTeeth;
    } else {
        // A span over all the teeth, or over more than the gear has, measures nothing.
        if (!std::isfinite(kReal) || !(std::floor(kReal + 0.5) <= g.z - 1)) {
            addWarning(r, SheetWarning::SpanNotPossible);
            return;
        }
        k = std::max(1.0, std::floor(kReal + 0.5));
    }
    const auto w = atEach(xs, [&](double x) { return spanLength(g, k, x); });
    SpanResult s;
    s.teeth = int(k);
    s.chosen = in.spanTeeth.has_value();
    s.length = limitsOf(w);
    const double projected = w[0] * cosBb;
    s.contactDiameter = std::sqrt(g.db * g.db + projected * projected);
    for (const double other : {k - 1, k + 1}) {
        if (other >= 1 && other <= g.z - 1)
            s.neighbours.push_back({int(other), spanLength(g, other, g.x)});
    }
    if (!(w[0] > 0))
        addWarning(r, SheetWarning::SpanContactOffInvolute);
    else if (s.contactDiameter > g.da)
        addWarning(r, SheetWarning::SpanContactAboveTip);
    // The anvils must fit the face: W·sin βb plus a margin (W·sin βb is 0 on a spur gear).
    const double margin = r.unit == LengthUnit::Inch ? kSpanFaceMarginIn : kSpanFaceMarginMm;
    if (in.faceWidth && *in.faceWidth < s.length.max * std::fabs(std::sin(g.betaB)) + margin)
        addWarning(r, SheetWarning::SpanFaceTooNarrow);
    r.span = s;
}

bool allFinite(const SheetResult &r)
{
    std::vector<double> v{r.referenceDiameter, r.baseDiameter, r.tipDiameter, r.shift, r.shiftAtUpper,
                          r.shiftAtLower, r.gaugeDiameter};
    for (const Limits *l : {&r.thickness, &r.overGauges, &r.radial, &r.gaugeContactDiameter})
        v.insert(v.end(), {l->nominal, l->max, l->min});
    for (const auto *o : {&r.chordalThickness, &r.chordalHeight, &r.constantChord, &r.constantChordHeight, &r.tipThickness}) {
        if (*o)
            v.insert(v.end(), {(*o)->nominal, (*o)->max, (*o)->min});
    }
    if (r.span) {
        v.insert(v.end(), {r.span->length.nominal, r.span->length.max, r.span->length.min, r.span->contactDiameter});
        for (const SpanNeighbour &n : r.span->neighbours)
            v.push_back(n.nominal);
    }
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

} // namespace

Outcome<SheetResult> computeSheet(const SheetInput &in)
{
    if (auto failure = checkInput(in))
        return *failure;
    const Gear g = describe(in);
    const std::array<double, 3> sn{g.sn, g.sn + in.allowanceUpper, g.sn + in.allowanceLower};
    if (!(sn[0] > 0 && sn[1] > 0 && sn[2] > 0))
        return Failure::ThicknessNotPositive;
    if (!(g.da > 0))
        return Failure::TipDiameterNotPositive;

    SheetResult r;
    r.input = in;
    r.unit = in.diametralPitch ? LengthUnit::Inch : LengthUnit::Millimetre;
    r.module = g.mn;
    r.teeth = g.z;
    r.pressureAngleDeg = in.pressureAngleDeg;
    r.helixAngleDeg = in.helixAngleDeg;
    r.internal = g.internal;
    r.referenceDiameter = g.d;
    r.baseDiameter = g.db;
    r.tipDiameter = g.da;
    r.allowanceUpper = in.allowanceUpper;
    r.allowanceLower = in.allowanceLower;
    const auto xs = atEach(sn, [&](double s) { return shiftFor(g, s); });
    r.shift = g.x;
    r.shiftAtUpper = xs[1];
    r.shiftAtLower = xs[2];
    r.thickness = limitsOf(sn);
    if (!g.internal) {
        caliperValues(g, sn, r);
        span(g, {g.x, xs[1], xs[2]}, in, r);
        undercut(g, in, r);
    }
    tipThickness(g, sn, r);

    // The gauge: as given, or the one touching on d + 2x·mn, rounded up to the series.
    r.gauge = in.gauge;
    if (in.gaugeDiameter) {
        r.gaugeDiameter = *in.gaugeDiameter;
    } else {
        const auto ideal = idealGauge(g);
        if (!ideal.ok())
            return ideal.failure();
        r.gaugeDiameter = nextSeriesDiameter(ideal.value());
        r.gaugeProposed = true;
        r.gaugeIdeal = ideal.value();
    }
    const double D = r.gaugeDiameter;
    std::array<double, 3> centre{};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto alphaK = involuteAngle(gaugeCentreInvolute(g, sn[i], D));
        if (!alphaK)
            return Failure::PinCentreOffInvolute;
        centre[i] = *alphaK;
    }
    const bool odd = std::fmod(g.z, 2) != 0;
    // Balls, and pins on a spur gear, of an odd gear stand half a pitch off the diameter;
    // pins along an odd helical gear reach a diametrically opposite space.
    const bool offDiameter = odd && !(in.gauge == GaugeKind::Pin && g.beta != 0);
    const double across = offDiameter ? std::cos(kPi / (2 * g.z)) : 1.0;
    const double s = sign(g);
    const auto dK = atEach(centre, [&](double a) { return g.db / std::cos(a); });
    r.gaugeCentreDiameter = dK[0];
    r.gaugesOpposite = !offDiameter;
    r.overGauges = limitsOf(atEach(dK, [&](double d) { return d * across + s * D; }));
    r.radial = limitsOf(atEach(dK, [&](double d) { return (d + s * D) / 2; }));
    std::array<double, 3> touch{};
    for (std::size_t i = 0; i < 3; ++i) {
        const GaugeTouch t = gaugeTouch(g, centre[i], D);
        touch[i] = t.diameter;
        if (!t.onInvolute)
            addWarning(r, SheetWarning::GaugeContactBelowBase);
        else if (g.internal ? t.diameter < g.da : t.diameter > g.da)
            addWarning(r, SheetWarning::GaugeContactAboveTip);
        // The gauge must stand out of the spaces for the micrometer's anvils.
        if (g.internal ? dK[i] - D >= g.da : dK[i] + D <= g.da)
            addWarning(r, SheetWarning::GaugeNotClearOfTip);
    }
    r.gaugeContactDiameter = limitsOf(touch);
    // Two pins along an odd helical gear touch half an axial pitch apart.
    if (odd && in.gauge == GaugeKind::Pin && g.beta != 0 && in.faceWidth
        && *in.faceWidth < kPi * g.mn / (2 * std::fabs(std::sin(g.beta))))
        addWarning(r, SheetWarning::PinsFaceTooNarrow);
    if (!allFinite(r))
        return Failure::ResultOutOfRange;
    if (in.accuracyClass) {
        // The standard is metric: a gear given by its pitch goes in in mm.
        const double toMm = r.unit == LengthUnit::Inch ? 25.4 : 1.0;
        const auto tolerances = flankTolerances({g.z, g.d * toMm, g.mn * toMm, in.faceWidth.value_or(0) * toMm,
                                                 in.helixAngleDeg}, *in.accuracyClass);
        if (!tolerances.ok())
            return tolerances.failure();
        r.accuracy = tolerances.value();
    }
    // The double-flank test with a master gear: the tight mesh at each thickness.
    if (in.masterTeeth && !g.internal) {
        std::array<double, 3> distance{};
        for (std::size_t i = 0; i < 3; ++i) {
            const std::optional<double> a = tightMeshDistance(g.z, *in.masterTeeth, g.mn, g.alphaN, g.beta,
                                                              std::array{g.x, xs[1], xs[2]}[i] + in.masterShift.value_or(0));
            if (!a || !std::isfinite(*a))
                return Failure::PairNoMesh;
            distance[i] = *a;
        }
        r.testCentreDistance = limitsOf(distance);
    }
    if (!(r.allowanceUpper > r.allowanceLower))
        addWarning(r, SheetWarning::AllowancesNotGiven);
    for (MeasuredDimension dimension : kMeasuredDimensions) {
        if (const auto value = in.*measuredInput(dimension))
            r.measurements.push_back({dimension, *value, measure(r, dimension, *value)});
    }
    return r;
}

std::optional<PartVerdict> sheetPartVerdict(const SheetResult &sheet)
{
    if (sheet.measurements.empty())
        return std::nullopt;
    std::vector<std::optional<Verdict>> verdicts;
    for (const SheetResult::Measurement &m : sheet.measurements)
        verdicts.push_back(m.outcome.measured ? std::optional(m.outcome.measured->verdict) : std::nullopt);
    return partVerdict(verdicts);
}

std::optional<double> SheetInput::*measuredInput(MeasuredDimension dimension)
{
    switch (dimension) {
    case MeasuredDimension::OverGauges: return &SheetInput::measuredOverGauges;
    case MeasuredDimension::Span: return &SheetInput::measuredSpan;
    case MeasuredDimension::ChordalThickness: return &SheetInput::measuredChordalThickness;
    case MeasuredDimension::ConstantChord: return &SheetInput::measuredConstantChord;
    case MeasuredDimension::TestDistance: return &SheetInput::measuredTestDistance;
    }
    return &SheetInput::measuredOverGauges;
}

const char *sheetWarningText(SheetWarning warning)
{
    switch (warning) {
    case SheetWarning::SpanContactAboveTip:
        return QT_TRANSLATE_NOOP("SheetWarning", "公法线量具的测量面在齿顶圆之外接触齿面，不在渐开线上：请减少跨测齿数k或改用量棒（球）。");
    case SheetWarning::SpanContactOffInvolute:
        return QT_TRANSLATE_NOOP("SheetWarning", "公法线长度不大于0，量具测量面不在渐开线上接触：该齿轮不宜测量公法线。");
    case SheetWarning::SpanFaceTooNarrow:
        return QT_TRANSLATE_NOOP("SheetWarning", "齿宽b小于公法线测量所需的宽度（W·sin βb 加 2 mm / 0.08 in）：量具测量面放不下，请改用量棒（球）。");
    case SheetWarning::SpanNotPossible:
        return QT_TRANSLATE_NOOP("SheetWarning", "按这些数据跨测齿数将不少于齿数，无法测量公法线：请检查变位系数x（或齿厚）和齿数z。");
    case SheetWarning::GaugeContactAboveTip:
        return QT_TRANSLATE_NOOP("SheetWarning", "量棒（球）在齿顶圆之外接触齿面，不在渐开线上：请选用较小的量棒（球）直径。");
    case SheetWarning::GaugeContactBelowBase:
        return QT_TRANSLATE_NOOP("SheetWarning", "量棒（球）在基圆之内接触齿面，不在渐开线上：请选用较大的量棒（球）直径。");
    case SheetWarning::GaugeNotClearOfTip:
        return QT_TRANSLATE_NOOP("SheetWarning", "量棒（球）没有露出齿顶，千分尺无法测到：请选用较大的量棒（球）直径。");
    case SheetWarning::PinsFaceTooNarrow:
        return QT_TRANSLATE_NOOP("SheetWarning", "奇数齿斜齿轮用量棒测量时两棒相距半个轴向齿距，齿宽b不够（需 b ≥ π·mn / (2·sin β)）：请改用量球。");
    case SheetWarning::PointedTip:
        return QT_TRANSLATE_NOOP("SheetWarning", "齿顶变尖：齿厚在齿顶圆之内已减为零，齿顶圆上没有齿厚。请减小变位系数x或齿顶圆直径da。");
    case SheetWarning::ThinTip:
        return QT_TRANSLATE_NOOP("SheetWarning", "齿顶厚 sa 小于 0.2·mn，齿顶过薄。请检查变位系数x和齿顶圆直径da。");
    case SheetWarning::Undercut:
        return QT_TRANSLATE_NOOP("SheetWarning", "齿根发生根切：变位系数x小于不根切的最小变位系数 %1。");
    case SheetWarning::ChordAboveTip:
        return QT_TRANSLATE_NOOP("SheetWarning", "弦齿高不大于0：弦在齿顶圆上或齿顶圆之外，齿厚游标卡尺无法测量，该行不给出数值。");
    case SheetWarning::AllowancesNotGiven:
        return QT_TRANSLATE_NOOP("SheetWarning", "齿厚上、下偏差相等（未给公差）：上、下限即公称值，实测值不作判定。");
    }
    return "";
}

const char *unitName(LengthUnit unit) { return unit == LengthUnit::Inch ? "in" : "mm"; }

const char *sheetWarningCode(SheetWarning warning)
{
    switch (warning) {
    case SheetWarning::SpanContactAboveTip: return "spanContactAboveTip";
    case SheetWarning::SpanContactOffInvolute: return "spanContactBelowBase";
    case SheetWarning::SpanFaceTooNarrow: return "spanFaceTooNarrow";
    case SheetWarning::SpanNotPossible: return "spanNotPossible";
    case SheetWarning::GaugeContactAboveTip: return "gaugeContactAboveTip";
    case SheetWarning::GaugeContactBelowBase: return "gaugeContactBelowBase";
    case SheetWarning::GaugeNotClearOfTip: return "gaugeNotClearOfTip";
    case SheetWarning::PinsFaceTooNarrow: return "pinsFaceTooNarrow";
    case SheetWarning::PointedTip: return "pointedTip";
    case SheetWarning::ThinTip: return "thinTip";
    case SheetWarning::Undercut: return "undercut";
    case SheetWarning::ChordAboveTip: return "chordAboveTip";
    case SheetWarning::AllowancesNotGiven: return "allowancesNotGiven";
    }
    return "";
}

int lengthDecimals(LengthUnit unit) { return unit == LengthUnit::Inch ? 5 : 4; }

int sheetDecimals(const SheetResult &r) { return lengthDecimals(r.unit); }

} // namespace geardim
