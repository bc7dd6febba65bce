#include "core/geometry/helix.h"

#include <cmath>

#include "core/common/angle.h"
#include "core/common/precision.h"

namespace geardim {

double transverseAngle(double alphaN, double beta) { return std::atan(std::tan(alphaN) / std::cos(beta)); }

float transverseAngleOfSingleQuotient(double alphaN, double beta)
{
    return single(std::atan(double(single(std::tan(alphaN) / std::cos(beta)))));
}

double baseHelixCosine(double alphaN, double beta)
{
    const double sinBb = std::sin(beta) * std::cos(alphaN);
    return std::sqrt(1 - sinBb * sinBb);
}

double baseHelixAngle(double alphaN, double beta)
{
    return std::atan(std::sin(beta) * std::cos(alphaN) / baseHelixCosine(alphaN, beta));
}

float baseHelixAngleOfSingleSine(double alphaN, double beta)
{
    const float sinBb = single(std::sin(beta) * std::cos(alphaN));
    return single(std::atan(sinBb / std::sqrt(1 - double(sinBb) * sinBb)));
}

double oddTeethFactor(double z) { return std::cos(kPi / (2 * z)); }

} // namespace geardim
