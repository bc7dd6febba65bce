#include "core/measure/measurement.h"

#include <cmath>

#include "core/common/angle.h"
#include "core/common/translatable.h"
#include "core/geometry/helix.h"
#include "core/geometry/involute.h"
#include "core/geometry/mesh.h"
#include "core/geometry/teeth.h"
#include "core/gear/gear.h"

namespace geardim {
namespace {

// The gear's angles as the sheet computed them.
struct Angles {
    double alphaN, beta, alphaT, betaB;
};

Angles anglesOf(const SheetResult &r)
{
    const double alphaN = radians(r.pressureAngleDeg), beta = radians(r.helixAngleDeg);
    return {alphaN, beta, transverseAngle(alphaN, beta), baseHelixAngle(alphaN, beta)};
}

// sn from the gauge centre's pressure angle, the sheet's gauge equation
//   inv αKt = inv αt ± (sn/cos β)/d ± D/(db·cos βb) ∓ π/z
// solved for sn.
double thicknessFromGaugeCentre(const SheetResult &r, const Angles &a, double alphaK)
{
    const double s = kindSign(!r.internal);
    const double D = r.gaugeDiameter;
    return (s * (inv(alphaK) - inv(a.alphaT)) - D / (r.baseDiameter * std::cos(a.betaB)) + kPi / r.teeth)
           * r.referenceDiameter * std::cos(a.beta);
}

// sn from x: mn(π/2 ± 2x·tan αn), and back.
double thicknessFromShift(const SheetResult &r, const Angles &a, double x)
{
    return r.module * (kPi / 2 + kindSign(!r.internal) * 2 * x * std::tan(a.alphaN));
}

double shiftFromThickness(const SheetResult &r, const Angles &a, double sn)
{
    return kindSign(!r.internal) * (sn / r.module - kPi / 2) / (2 * std::tan(a.alphaN));
}

std::optional<double> actualThickness(const SheetResult &r, const Angles &a, MeasuredDimension dimension, double value,
                                      Failure &why)
{
    switch (dimension) {
    case MeasuredDimension::OverGauges: {
        // M = dK·f ± D, f the odd-tooth factor where the gauges stand off the diameter.
        const double across = r.gaugesOpposite ? 1.0 : oddTeethFactor(r.teeth);
        const double dK = (value - kindSign(!r.internal) * r.gaugeDiameter) / across;
        if (!(dK > r.baseDiameter)) {
            why = Failure::MeasuredGaugeCentreInsideBase;
            return std::nullopt;
        }
        return thicknessFromGaugeCentre(r, a, std::acos(r.baseDiameter / dK));
    }
    case MeasuredDimension::Span: {
        if (!r.span) {
            why = Failure::MeasuredDimensionNotGiven;
            return std::nullopt;
        }
        // W = mn·cos αn[(k − 0.5)π + z·inv αt] + 2x·mn·sin αn, solved for x.
        const double k = r.span->teeth;
        const double x = (value - r.module * std::cos(a.alphaN) * ((k - 0.5) * kPi + r.teeth * inv(a.alphaT)))
                         / (2 * r.module * std::sin(a.alphaN));
        return thicknessFromShift(r, a, x);
    }
    case MeasuredDimension::ChordalThickness: {
        if (!r.chordalThickness) {
            why = Failure::MeasuredDimensionNotGiven;
            return std::nullopt;
        }
        // s̄ = zv·mn·sin(sn/(zv·mn)) on the virtual spur gear zv = z/cos³β, inverted.
        const double cosB = std::cos(a.beta);
        const double zvm = r.teeth / (cosB * cosB * cosB) * r.module;
        if (!(value < zvm)) {
            why = Failure::ChordNotShorterThanDiameter;
            return std::nullopt;
        }
        return zvm * std::asin(value / zvm);
    }
    case MeasuredDimension::TestDistance: {
        // The double-flank test: a″ is the tight mesh with the master, whose shift sum gives
        // the gear's generating shift x_E, and that its thickness.
        if (!r.testCentreDistance) {
            why = Failure::MeasuredDimensionNotGiven;
            return std::nullopt;
        }
        const double z3 = *r.input.masterTeeth, x3 = r.input.masterShift.value_or(0);
        const std::optional<double> sum = shiftSumForDistance(r.teeth, z3, r.module, a.alphaN, a.beta, value);
        if (!sum) {
            why = Failure::CentreDistanceTooSmall;
            return std::nullopt;
        }
        return thicknessFromShift(r, a, *sum - x3);
    }
    case MeasuredDimension::ConstantChord:
        if (!r.constantChord) {
            why = Failure::MeasuredDimensionNotGiven;
            return std::nullopt;
        }
        // s̄c = sn·cos²αn.
        return value / (std::cos(a.alphaN) * std::cos(a.alphaN));
    }
    why = Failure::MeasuredDimensionNotGiven;
    return std::nullopt;
}

} // namespace

const char *measuredName(MeasuredDimension dimension)
{
    switch (dimension) {
    case MeasuredDimension::OverGauges: return "overGauges";
    case MeasuredDimension::Span: return "span";
    case MeasuredDimension::ChordalThickness: return "chordalThickness";
    case MeasuredDimension::ConstantChord: return "constantChord";
    case MeasuredDimension::TestDistance: return "testCentreDistance";
    }
    return "";
}

const char *verdictCode(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass: return "pass";
    case Verdict::Thick: return "thick";
    case Verdict::Thin: return "thin";
    case Verdict::NotJudged: return "notJudged";
    }
    return "";
}

const char *verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass: return QT_TRANSLATE_NOOP("Verdict", "合格");
    case Verdict::Thick: return QT_TRANSLATE_NOOP("Verdict", "偏厚");
    case Verdict::Thin: return QT_TRANSLATE_NOOP("Verdict", "偏薄");
    case Verdict::NotJudged: return QT_TRANSLATE_NOOP("Verdict", "未判定");
    }
    return "";
}

PartVerdict partVerdict(const std::vector<std::optional<Verdict>> &verdicts)
{
    PartVerdict part = PartVerdict::Pass;
    for (const std::optional<Verdict> &v : verdicts) {
        if (v && verdictFails(*v))
            return PartVerdict::Fail;
        if (!v || *v == Verdict::NotJudged)
            part = PartVerdict::NotJudged;
    }
    return part;
}

const char *partVerdictText(PartVerdict verdict)
{
    switch (verdict) {
    case PartVerdict::Pass: return QT_TRANSLATE_NOOP("Verdict", "结论：合格");
    case PartVerdict::Fail: return QT_TRANSLATE_NOOP("Verdict", "结论：不合格");
    case PartVerdict::NotJudged: return QT_TRANSLATE_NOOP("Verdict", "结论：未判定");
    }
    return "";
}

Verdict verdictFor(double allowance, double upper, double lower)
{
    // Equal allowances are a tolerance never typed, not a part made to zero tolerance.
    if (!(upper > lower))
        return Verdict::NotJudged;
    if (allowance > upper + kOnTheLimit)
        return Verdict::Thick;
    if (allowance < lower - kOnTheLimit)
        return Verdict::Thin;
    return Verdict::Pass;
}

MeasuredOutcome measure(const SheetResult &r, MeasuredDimension dimension, double value)
{
    if (!std::isfinite(value) || !(value > 0))
        return {std::nullopt, Failure::MeasuredValueNotPositive};
    const Angles a = anglesOf(r);
    Failure why = Failure::ResultOutOfRange;
    const auto sn = actualThickness(r, a, dimension, value, why);
    if (!sn)
        return {std::nullopt, why};
    if (!std::isfinite(*sn))
        return {std::nullopt, Failure::ResultOutOfRange};
    Measured m;
    m.value = value;
    m.thickness = *sn;
    m.allowance = *sn - r.thickness.nominal;
    m.shift = shiftFromThickness(r, a, *sn);
    m.verdict = verdictFor(m.allowance, r.allowanceUpper, r.allowanceLower);
    return {m, std::nullopt};
}

} // namespace geardim
