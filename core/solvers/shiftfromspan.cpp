#include "core/solvers/shiftfromspan.h"

#include <cmath>

#include "core/common/angle.h"
#include "core/common/precision.h"
#include "core/geometry/helix.h"
#include "core/geometry/involute.h"

namespace geardim {
namespace {

// The angles in radians and the equivalent number of teeth z′ = z·inv αt / inv α.
struct Prepared {
    float alpha;
    float zPrime;
};

Outcome<Prepared> prepare(const SpanMeasurement &in)
{
    if (auto f = checkGear(in.m, in.z, in.alphaDeg, in.betaDeg))
        return *f;
    const float alpha = radiansSingle(in.alphaDeg);
    const float beta = radiansSingle(in.betaDeg);
    const float alphaT = single(transverseAngle(alpha, beta));
    const float zPrime = single(in.z * inv(alphaT) / inv(alpha));
    return Prepared{alpha, zPrime};
}

// Checks and prepares the measurement, then solves it; a result that is not finite has none.
template <typename Solve>
Outcome<float> solve(const SpanMeasurement &in, Solve solveFor)
{
    const auto prepared = prepare(in);
    if (!prepared.ok())
        return prepared.failure();
    return finiteResult(solveFor(double(prepared.value().alpha), double(prepared.value().zPrime)));
}

} // namespace

Outcome<float> spanFromLength(const SpanMeasurement &in)
{
    const auto k = solve(in, [&in](double alpha, double zPrime) {
        const float L = single(in.L);
        // Span count and base tangent length of the unshifted gear.
        const float p = single(alpha * zPrime);
        const float k0 = single(std::floor(p / kPi + 0.5));
        const float w0 = single(in.m * std::cos(alpha) * ((k0 - 0.5) * kPi + zPrime * inv(alpha)));
        const float difference = single(double(L) - w0);
        // Each tooth more or less in the span adds or removes one base pitch π·m·cos α;
        // the nearest whole number of them gives the span whose shift is nearest to zero.
        const double basePitch = kPi * in.m * std::cos(alpha);
        const float n = single(std::floor(double(single(std::fabs(double(difference)))) / basePitch + 0.5));
        return difference > 0 ? single(double(k0) + n) : single(double(k0) - n);
    });
    if (k.ok() && !(k.value() >= 1))
        return Failure::SpanLengthTooShort;
    return k;
}

Outcome<float> shiftFromSpan(const SpanMeasurement &in)
{
    return solve(in, [&in](double alpha, double zPrime) {
        return single((in.L / (in.m * std::cos(alpha)) - (in.k - 0.5) * kPi - zPrime * inv(alpha))
                      / (2 * std::tan(alpha)));
    });
}

} // namespace geardim
