#include "core/calc/pincheck.h"

#include <cmath>

#include "core/geometry/helix.h"
#include "core/geometry/teeth.h"

namespace geardim {

std::optional<Failure> checkPinData(float z, float d)
{
    if (!(z >= 1))
        return Failure::TeethBelowOne;
    if (!(d >= 0))
        return Failure::PinNegative;
    return std::nullopt;
}

Outcome<PinCheck> checkPin(const PinCheckInput &in)
{
    if (auto failure = checkPinData(in.z, in.d))
        return *failure;
    if (!(in.df > 0))
        return Failure::RootDiameterNotPositive;
    const double M = in.M;
    const double d = in.d;
    const bool odd = isOddTeeth(in.z);
    // Diameter of the circle through the pin centres, then out to the pins' edge.
    const double half = oddTeethFactor(in.z);
    PinCheck out;
    if (in.external)
        out.testValue = static_cast<float>(odd ? (M - d) / half - d : M - 2 * d);
    else
        out.testValue = static_cast<float>(odd ? (M + d) / half + d : M + 2 * d);
    if (!std::isfinite(out.testValue))
        return Failure::ResultOutOfRange;
    out.usable = in.external ? out.testValue > in.df : out.testValue < in.df;
    return out;
}

} // namespace geardim
