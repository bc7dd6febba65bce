#include "core/gear/accuracy.h"

#include <cmath>

namespace geardim {

double roundedTolerance(double microns)
{
    const double step = microns > 10 ? 1.0 : microns >= 5 ? 0.5 : 0.1;
    // The value in steps, a hair of rounding error in it aside (6.25 stays 6.25, not 6.2499…).
    const double steps = microns / step;
    return std::floor(steps + 0.5 + 1e-9) * step;
}

Outcome<FlankTolerances> flankTolerances(const AccuracyGear &g, double accuracyClass)
{
    if (!(accuracyClass >= 1 && accuracyClass <= 11 && accuracyClass == std::floor(accuracyClass)))
        return Failure::AccuracyClassOutOfRange;
    // The standard's range: it gives nothing outside it, and neither does the program.
    if (!(g.faceWidthMm > 0))
        return Failure::AccuracyNeedsFaceWidth;
    if (!(g.teeth >= 5 && g.teeth <= 1000))
        return Failure::AccuracyTeethOutside;
    if (!(g.referenceDiameterMm >= 5 && g.referenceDiameterMm <= 15000))
        return Failure::AccuracyDiameterOutside;
    if (!(g.moduleMm >= 0.5 && g.moduleMm <= 70))
        return Failure::AccuracyModuleOutside;
    if (!(g.faceWidthMm >= 4 && g.faceWidthMm <= 1200))
        return Failure::AccuracyFaceWidthOutside;
    if (!(std::fabs(g.helixAngleDeg) <= 45))
        return Failure::AccuracyHelixOutside;

    // ISO 1328-1:2013, 5.3.2 to 5.3.4 (the equations of the tolerance values), with the
    // step factor (√2)^(A − 5) between neighbouring classes; runout, annex (informative).
    const double d = g.referenceDiameterMm, mn = g.moduleMm, b = g.faceWidthMm;
    const double step = std::pow(std::sqrt(2.0), accuracyClass - 5);
    const double fp = (0.001 * d + 0.4 * mn + 5) * step;
    const double Fp = (0.002 * d + 0.55 * std::sqrt(d) + 0.7 * mn + 12) * step;
    const double fHa = (0.4 * mn + 0.001 * d + 4) * step;
    const double ffa = (0.55 * mn + 5) * step;
    const double fHb = (0.05 * std::sqrt(d) + 0.35 * std::sqrt(b) + 4) * step;
    const double ffb = (0.07 * std::sqrt(d) + 0.45 * std::sqrt(b) + 4) * step;
    FlankTolerances t;
    t.accuracyClass = int(accuracyClass);
    t.singlePitch = roundedTolerance(fp);
    t.cumulativePitch = roundedTolerance(Fp);
    t.profileSlope = roundedTolerance(fHa);
    t.profileForm = roundedTolerance(ffa);
    // The totals from the unrounded parts, then rounded.
    t.profileTotal = roundedTolerance(std::sqrt(fHa * fHa + ffa * ffa));
    t.helixSlope = roundedTolerance(fHb);
    t.helixForm = roundedTolerance(ffb);
    t.helixTotal = roundedTolerance(std::sqrt(fHb * fHb + ffb * ffb));
    t.runout = roundedTolerance(0.9 * Fp);
    return t;
}

} // namespace geardim
