#include "calc/pinestimate.h"

#include <cmath>

#include "common/angle.h"
#include "common/precision.h"
#include "geometry/involute.h"
#include "geometry/teeth.h"

namespace geardim {
namespace {

constexpr int kMaxEstimateSteps = 100;

} // namespace

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
    // Transverse pressure angle, the tangent quotient rounded to single first.
    const float alphaT = single(std::atan(double(single(tanAlpha / cosBeta))));
    // Pressure angle on the contact circle: base diameter over the shifted reference diameter.
    const float cosAlphaX = single(z * std::cos(double(alphaT)) / (z + 2 * double(x) * cosBeta));
    if (!(cosAlphaX > 0 && cosAlphaX <= 1))
        return Failure::ContactCircleInsideBase;
    const float alphaX = single(std::atan(std::sqrt(1 - double(cosAlphaX) * cosAlphaX) / cosAlphaX));
    // Base helix angle.
    const float sigma = single(std::sin(double(beta)) * std::cos(double(alpha)));
    const float betaB = single(std::atan(sigma / std::sqrt(1 - double(sigma) * sigma)));
    const float k = single(sgn * kPi / (2 * double(z)) - 2 * double(x) * tanAlpha / z
                           - (std::tan(double(alphaT)) - alphaT));
    const float db = single(double(m) * z * std::cos(double(alphaT)) / cosBeta);
    const double cosBetaB = std::cos(double(betaB));
    const float target = single(std::tan(double(alphaX)) / (cosBetaB * cosBetaB) + k);

    // Newton's method for tan² βb · tan φ + φ = T, started from the normal pressure angle.
    const double tan2BetaB = std::tan(double(betaB)) * std::tan(double(betaB));
    float phi = alpha;
    for (int step = 1;; ++step) {
        if (step > kMaxEstimateSteps)
            return Failure::EstimateNotConverged;
        const float f = single(tan2BetaB * std::tan(double(phi)) + phi - target);
        const double cosPhi = std::cos(double(phi));
        const float slope = single(1 + tan2BetaB / (cosPhi * cosPhi));
        const float next = single(phi - double(f) / slope);
        const bool settled = std::fabs(double(next) - phi) < double(1e-6f);
        phi = next;
        if (settled) {
            out.steps = step;
            break;
        }
    }
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
