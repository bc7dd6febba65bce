#include "core/geometry/mesh.h"

#include <cmath>

#include "core/geometry/helix.h"
#include "core/geometry/involute.h"

namespace geardim {

std::optional<double> tightMeshDistance(double z1, double z2, double module, double alphaN, double beta, double shiftSum)
{
    const double alphaT = transverseAngle(alphaN, beta);
    const double reference = (z1 + z2) * module / std::cos(beta) / 2;
    const std::optional<double> alpha0 = involuteAngle(inv(alphaT) + 2 * std::tan(alphaN) * shiftSum / (z1 + z2));
    if (!alpha0)
        return std::nullopt;
    return reference * std::cos(alphaT) / std::cos(*alpha0);
}

std::optional<double> shiftSumForDistance(double z1, double z2, double module, double alphaN, double beta, double a)
{
    const double alphaT = transverseAngle(alphaN, beta);
    const double reference = (z1 + z2) * module / std::cos(beta) / 2;
    const double cosWorking = reference * std::cos(alphaT) / a;
    if (!(a > 0) || !(cosWorking < 1))
        return std::nullopt;
    return (inv(std::acos(cosWorking)) - inv(alphaT)) * (z1 + z2) / (2 * std::tan(alphaN));
}

} // namespace geardim
