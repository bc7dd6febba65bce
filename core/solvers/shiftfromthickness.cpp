#include "core/solvers/shiftfromthickness.h"

#include <cmath>

#include "core/common/angle.h"
#include "core/common/precision.h"
#include "core/geometry/teeth.h"

namespace geardim {
Outcome<float> shiftFromThickness(const ThicknessMeasurement &in)
{
    if (auto f = checkModule(in.m))
        return *f;
    if (auto f = checkPressureAngle(in.alphaDeg))
        return *f;
    if (auto f = checkHelixAngle(in.betaDeg))
        return *f;
    const double m = in.m;
    const float alpha = radiansSingle(in.alphaDeg);
    const float beta = radiansSingle(in.betaDeg);
    const int k = kindSign(in.external);

    double x;
    if (beta == 0) {
        x = k * (double(in.s) - kPi * m / 2) / (2 * m * std::tan(double(alpha)));
    } else {
        if (auto f = checkTeeth(in.z))
            return *f;
        const double cosBeta = std::cos(double(beta));
        const float zv = single(in.z / (cosBeta * cosBeta * cosBeta)); // virtual number of teeth
        // Sine of half the angle the chord subtends at the virtual reference circle.
        const float t = single(in.s / (double(zv) * m));
        // A chord within a millionth of the virtual diameter is that diameter to single
        // precision: its arc would be half the circle, not a tooth.
        if (!(std::fabs(t) < 1 - 1e-6f))
            return Failure::ChordNotShorterThanDiameter;
        const float psi = single(std::atan(t / std::sqrt(1 - double(t) * t)));
        const float u = single(double(psi) * zv); // normal arc thickness over m
        x = k * (u - kPi / 2) / chordalThicknessFactor(alpha);
    }
    return finiteResult(single(x));
}

} // namespace geardim
