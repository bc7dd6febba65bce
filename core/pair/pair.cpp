#include "core/pair/pair.h"

#include <algorithm>
#include <cmath>

#include "core/common/angle.h"
#include "core/geometry/helix.h"
#include "core/geometry/involute.h"
#include "core/geometry/mesh.h"
#include "core/pair/pairinputs.h"

namespace geardim {

const char *pairWarningCode(PairWarning warning)
{
    switch (warning) {
    case PairWarning::BacklashNegative: return "backlashNegative";
    case PairWarning::BacklashBelowRecommended: return "backlashBelowRecommended";
    case PairWarning::TipClearanceSmall: return "tipClearanceSmall";
    case PairWarning::ContactRatioBelowOne: return "contactRatioBelowOne";
    }
    return "";
}

SheetInput pairGearSheetInput(const PairInput &pair, const PairGear &gear, int which)
{
    SheetInput in;
    in.module = pair.module;
    in.diametralPitch = pair.diametralPitch;
    in.teeth = gear.teeth;
    in.pressureAngleDeg = pair.pressureAngleDeg;
    // The mating gear has the opposite hand; the sheet does not depend on the hand.
    in.helixAngleDeg = which == 2 ? -pair.helixAngleDeg : pair.helixAngleDeg;
    in.shift = gear.shift.value_or(0);
    in.addendum = pair.addendum;
    in.tipDiameter = gear.tipDiameter;
    in.allowanceUpper = gear.allowanceUpper;
    in.allowanceLower = gear.allowanceLower;
    return in;
}

std::optional<double> circumferentialBacklash(const PairResult &pair, double a, double generatingShiftSum)
{
    const double alphaN = radians(pair.pressureAngleDeg), beta = radians(pair.helixAngleDeg);
    const double alphaT = transverseAngle(alphaN, beta);
    const double z = pair.gear1.sheet.teeth + pair.gear2.sheet.teeth;
    const double cosWorking = pair.referenceCentreDistance * std::cos(alphaT) / a;
    if (!(a > 0) || !(cosWorking < 1))
        return std::nullopt;
    const double inv0 = inv(alphaT) + 2 * std::tan(alphaN) * generatingShiftSum / z;
    if (!(inv0 > 0))
        return std::nullopt;
    return 2 * a * (inv(std::acos(cosWorking)) - inv0);
}

Outcome<PairResult, PairFailure> computePair(const PairInput &in)
{
    PairResult r;
    r.input = in;
    const auto gearFailure = [](const Outcome<SheetResult> &sheet, int which) { return PairFailure{sheet.failure(), which}; };
    if (const std::optional<Failure> refused = checkPairInput(in))
        return PairFailure{*refused};
    if (in.centreDistanceUpper < in.centreDistanceLower)
        return PairFailure{Failure::CentreDeviationsReversed};

    // Gear 1 as its sheet computes it: every check of a gear's data is the sheet's.
    const Outcome<SheetResult> sheet1 = computeSheet(pairGearSheetInput(in, in.gear1, 1));
    if (!sheet1.ok())
        return gearFailure(sheet1, 1);
    const SheetResult &g1 = sheet1.value();
    r.unit = g1.unit;
    r.module = g1.module;
    r.pressureAngleDeg = g1.pressureAngleDeg;
    r.helixAngleDeg = g1.helixAngleDeg;
    const double mn = g1.module, alphaN = radians(g1.pressureAngleDeg), beta = radians(g1.helixAngleDeg);
    const double alphaT = transverseAngle(alphaN, beta), betaB = baseHelixAngle(alphaN, beta);
    const double mt = mn / std::cos(beta);
    const double z1 = in.gear1.teeth, z2 = in.gear2.teeth;
    r.referenceCentreDistance = (z1 + z2) * mt / 2;

    // Gear 2's shift: as given, or solved so that the nominal thicknesses mesh without
    // backlash at the given centre distance: Σx = (inv αwt − inv αt)·(z1 + z2)/(2·tan αn).
    PairGear second = in.gear2;
    const bool solve = in.centreDistance && !in.gear2.shift;
    if (in.centreDistance && !(*in.centreDistance > 0))
        return PairFailure{Failure::CentreDistanceTooSmall};
    if (solve) {
        const std::optional<double> sum = shiftSumForDistance(z1, z2, mn, alphaN, beta, *in.centreDistance);
        if (!sum)
            return PairFailure{Failure::CentreDistanceTooSmall};
        second.shift = *sum - g1.shift;
    }
    const Outcome<SheetResult> sheet2 = computeSheet(pairGearSheetInput(in, second, 2));
    if (!sheet2.ok())
        return gearFailure(sheet2, 2);
    const SheetResult &g2 = sheet2.value();
    r.gear1 = {g1, g1.shift, false, 0, 0};
    r.gear2 = {g2, g2.shift, solve, 0, 0};
    r.sumShift = g1.shift + g2.shift;

    const std::optional<double> tight = tightMeshDistance(z1, z2, mn, alphaN, beta, r.sumShift);
    if (!tight)
        return PairFailure{Failure::PairNoMesh};
    r.tightMeshCentreDistance = *tight;
    r.centreDistanceGiven = in.centreDistance.has_value();
    const double a = in.centreDistance.value_or(*tight);
    r.centreDistance = {a, a + in.centreDistanceUpper, a + in.centreDistanceLower};
    const double baseSum = (g1.baseDiameter + g2.baseDiameter) / 2;
    if (!(r.centreDistance.min > baseSum))
        return PairFailure{Failure::CentreDistanceTooSmall};
    const double alphaWt = std::acos(r.referenceCentreDistance * std::cos(alphaT) / a);
    r.workingPressureAngleDeg = alphaWt * 180 / kPi;
    r.gear1.workingDiameter = 2 * a * z1 / (z1 + z2);
    r.gear2.workingDiameter = 2 * a * z2 / (z1 + z2);

    // The backlash: least with both gears at their upper allowances on the smallest centre
    // distance, most with both at their lower allowances on the largest.
    const std::optional<double> least = circumferentialBacklash(r, r.centreDistance.min, g1.shiftAtUpper + g2.shiftAtUpper);
    const std::optional<double> most = circumferentialBacklash(r, r.centreDistance.max, g1.shiftAtLower + g2.shiftAtLower);
    if (!least || !most)
        return PairFailure{Failure::PairNoMesh};
    const auto normal = [&](double jwt, double distance) {
        const double working = std::acos(r.referenceCentreDistance * std::cos(alphaT) / distance);
        return jwt * std::cos(working) * std::cos(betaB);
    };
    r.circumferential = {*least, *most};
    r.normal = {normal(*least, r.centreDistance.min), normal(*most, r.centreDistance.max)};
    // ISO/TR 10064-2's recommendation, a formula in millimetres.
    const double toMm = r.unit == LengthUnit::Inch ? 25.4 : 1;
    r.recommendedMinimum = 2.0 / 3.0 * (0.06 + 0.0005 * std::fabs(a * toMm) + 0.03 * mn * toMm) / toMm;

    // Contact ratio from the tip diameters as each gear has them, at the nominal distance.
    const auto path = [](const SheetResult &g) {
        const double ra = g.tipDiameter / 2, rb = g.baseDiameter / 2;
        return std::sqrt(std::max(0.0, ra * ra - rb * rb));
    };
    r.transverseContactRatio = (path(g1) + path(g2) - a * std::sin(alphaWt)) / (kPi * mt * std::cos(alphaT));
    if (beta == 0)
        r.overlapRatio = 0.0;
    else if (in.faceWidth)
        r.overlapRatio = *in.faceWidth * std::fabs(std::sin(beta)) / (kPi * mn);
    if (r.overlapRatio)
        r.totalContactRatio = r.transverseContactRatio + *r.overlapRatio;

    // Root diameters of the basic rack, and the clearance of each tip in the other's root.
    r.gear1.rootDiameter = g1.referenceDiameter + 2 * mn * (g1.shift - in.addendum - kRootClearance);
    r.gear2.rootDiameter = g2.referenceDiameter + 2 * mn * (g2.shift - in.addendum - kRootClearance);
    r.tipClearance1 = a - g1.tipDiameter / 2 - r.gear2.rootDiameter / 2;
    r.tipClearance2 = a - g2.tipDiameter / 2 - r.gear1.rootDiameter / 2;

    // Negative beyond the rounding of the calculation: zero backlash is tight, not jammed.
    if (r.normal.min < -1e-9 * mn)
        r.warnings.push_back(PairWarning::BacklashNegative);
    else if (r.normal.min < r.recommendedMinimum)
        r.warnings.push_back(PairWarning::BacklashBelowRecommended);
    if (std::min(r.tipClearance1, r.tipClearance2) < 0.1 * mn)
        r.warnings.push_back(PairWarning::TipClearanceSmall);
    if (r.totalContactRatio.value_or(r.transverseContactRatio) < 1)
        r.warnings.push_back(PairWarning::ContactRatioBelowOne);

    for (double v : {r.sumShift, r.tightMeshCentreDistance, r.centreDistance.max, r.centreDistance.min, r.circumferential.min,
                     r.circumferential.max, r.normal.min, r.normal.max, r.transverseContactRatio, r.tipClearance1, r.tipClearance2}) {
        if (!std::isfinite(v))
            return PairFailure{Failure::ResultOutOfRange};
    }
    return r;
}

} // namespace geardim
