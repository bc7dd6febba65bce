#include "core/solvers/shiftfrommvalue.h"

#include <cmath>

#include "core/common/angle.h"
#include "core/common/precision.h"
#include "core/geometry/helix.h"
#include "core/geometry/involute.h"
#include "core/geometry/teeth.h"

namespace geardim {
namespace {

std::optional<Failure> checkRanges(const MValueMeasurement &in)
{
    if (auto f = checkGear(in.m, in.z, in.alphaDeg, in.betaDeg))
        return f;
    if (!(in.d >= 0))
        return Failure::PinNegative;
    return std::nullopt;
}

// arccos of cM written as arctan(√(1 − cM²) / cM), for 0 < cM ≤ 1.
float pressureAngleFromCosine(float cM) { return single(std::atan(std::sqrt(1 - double(cM) * cM) / cM)); }

bool onInvolute(float cM) { return cM > 0 && cM <= 1; }

} // namespace

Outcome<float> shiftFromMValue(const MValueMeasurement &in)
{
    if (auto failure = checkRanges(in))
        return *failure;
    const double M = in.M;
    const double m = in.m;
    const double z = in.z;
    const double d = in.d;
    const double alpha = radiansSingle(in.alphaDeg);
    const double beta = radiansSingle(in.betaDeg);
    const double tanAlpha = std::tan(alpha);
    const double f = isOddTeeth(in.z) ? oddTeethFactor(z) : 1.0;

    float x;
    if (beta == 0) {
        const double D = m * z / std::cos(beta); // reference diameter
        const double db = D * std::cos(alpha);
        const float cM = single(in.external ? db * f / (M - d) : db * f / (M + d));
        if (!onInvolute(cM))
            return Failure::PinCentresInsideBase;
        const double alphaM = pressureAngleFromCosine(cM);
        // Arc tooth thickness on the reference circle.
        const double s = in.external ? D * (kPi / z + inv(alphaM) - inv(alpha) - d / db)
                                     : D * (kPi / z + inv(alpha) - inv(alphaM) - d / db);
        x = single(in.external ? (s - kPi * m / 2) / (2 * m * tanAlpha) : (kPi * m / 2 - s) / (2 * m * tanAlpha));
    } else {
        const double alphaT = transverseAngle(alpha, beta);
        const float betaB = baseHelixAngleOfSingleSine(alpha, beta);
        const float db = single(m * z * std::cos(alphaT) / std::cos(beta));
        float cM;
        if (in.external) {
            const double n = isOddTeeth(in.z) ? double(single((z - 1) / 2)) : double(single(z / 2));
            cM = single(db * std::sin(kPi * n / z) / (M - d));
        } else {
            cM = single(m * z * std::cos(alphaT) * f / ((M + d) * std::cos(beta)));
        }
        if (!onInvolute(cM))
            return Failure::PinCentresInsideBase;
        const double alphaM = pressureAngleFromCosine(cM);
        const double ballTerm = d / (double(db) * std::cos(double(betaB)));
        if (in.external) {
            const float q = single(inv(alphaM) - inv(alphaT) + kPi / (2 * z));
            x = single(z * (q - ballTerm) / (2 * tanAlpha));
        } else {
            x = single(z * (inv(alphaM) - inv(alphaT) + ballTerm - kPi / (2 * z)) / (2 * tanAlpha));
        }
    }
    return finiteResult(x);
}

} // namespace geardim
