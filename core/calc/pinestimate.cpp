#include "core/calc/pinestimate.h"

#include <cmath>

#include "core/common/angle.h"
#include "core/common/precision.h"
#include "core/geometry/helix.h"
#include "core/geometry/involute.h"
#include "core/geometry/teeth.h"

namespace geardim {
Outcome<PinEstimate> estimatePin(const PinEstimateInput &in)
{
    if (auto failure = checkGear(in.m, in.z, in.alphaDeg, in.betaDeg))
        return *failure;
    const float m = in.m;
    const float z = in.z;
    const float x = in.x;
    const float alpha = radiansSingle(in.alphaDeg);
    const float beta = radiansSingle(in.betaDeg);

    PinEstimate out;
    if (beta == 0) {
        out.d = single(kPi * m / (2 * std::cos(double(alpha))));
        return out;
    }

    const int sgn = kindSign(in.external);
    const double tanAlpha = std::tan(double(alpha));
    const double cosBeta = std::cos(double(beta));
    const float alphaT = transverseAngleOfSingleQuotient(alpha, beta);
    // Pressure angle on the contact circle: base diameter over the shifted reference diameter.
    const float cosAlphaX = single(z * std::cos(double(alphaT)) / (z + 2 * double(x) * cosBeta));
    if (!(cosAlphaX > 0 && cosAlphaX <= 1))
        return Failure::ContactCircleInsideBase;
    const float alphaX = single(std::atan(std::sqrt(1 - double(cosAlphaX) * cosAlphaX) / cosAlphaX));
    const float betaB = baseHelixAngleOfSingleSine(alpha, beta);
    const float k = single(sgn * kPi / (2 * double(z)) - 2 * double(x) * tanAlpha / z
                           - (std::tan(double(alphaT)) - alphaT));
    const float db = single(double(m) * z * std::cos(double(alphaT)) / cosBeta);
    const double cosBetaB = std::cos(double(betaB));
    const float target = single(std::tan(double(alphaX)) / (cosBetaB * cosBetaB) + k);

    // Newton's method for tan² βb · tan φ + φ = T, started from the normal pressure angle.
    // Every step is held in single precision, and so is the stop test's 1e-6.
    const double tan2BetaB = std::tan(double(betaB)) * std::tan(double(betaB));
    const auto step = [&](float current) {
        const float f = single(tan2BetaB * std::tan(double(current)) + current - target);
        const double cosPhi = std::cos(double(current));
        const float slope = single(1 + tan2BetaB / (cosPhi * cosPhi));
        return single(current - double(f) / slope);
    };
    float phi = alpha;
    if (!cappedNewton(phi, double(1e-6f), step, &out.steps))
        return Failure::EstimateNotConverged;
    if (!(phi > 0 && double(phi) < kPi / 2))
        return Failure::EstimateNotConverged;
    out.phi = phi;
    out.d = single(sgn * double(db) * (std::tan(double(phi)) - std::tan(double(alphaX))) / cosBetaB);
    if (!std::isfinite(out.d))
        return Failure::ResultOutOfRange;
    if (!(out.d > 0))
        return Failure::NoPositivePin;
    return out;
}

} // namespace geardim
