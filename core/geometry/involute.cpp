#include "core/geometry/involute.h"

#include <algorithm>
#include <cmath>

#include "core/common/angle.h"

namespace geardim {

std::optional<float> InverseInvolute(float &angle, float target, int *iterations)
{
    const auto step = [target](float current) {
        const double a = current;
        const double f = std::tan(a) - a - target;
        // Slope of the involute, tan² a, written as sec² a − 1.
        const double slope = 1 / (std::cos(a) * std::cos(a)) - 1;
        return static_cast<float>(a - f / slope);
    };
    return cappedNewton(angle, 1e-6, step, iterations);
}

std::optional<float> pinCentreAngle(float startAngle, float target, int *iterations)
{
    float angle = startAngle;
    const auto result = InverseInvolute(angle, target, iterations);
    if (!result || !(*result > 0 && double(*result) < kPi / 2))
        return std::nullopt;
    return result;
}

std::optional<double> involuteAngle(double target)
{
    if (!(target > 0) || !std::isfinite(target))
        return std::nullopt;
    double a = std::min(std::cbrt(3 * target), std::atan(target + kPi / 2));
    for (int step = 1; step <= kMaxInvoluteIterations; ++step) {
        const double t = std::tan(a);
        const double next = a - (t - a - target) / (t * t);
        // From above the root the iterates fall; a step that no longer does is converged.
        if (!(next < a) || a - next < 1e-16)
            return (next > 0 && next < a) ? next : a;
        a = next;
    }
    return std::nullopt;
}

} // namespace geardim
