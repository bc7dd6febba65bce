#include "geometry/involute.h"

#include <cmath>

#include "common/angle.h"

namespace geardim {

std::optional<float> InverseInvolute(float &angle, float target, int *iterations)
{
    for (int step = 1; step <= kMaxInvoluteIterations; ++step) {
        const double a = angle;
        const double f = std::tan(a) - a - target;
        // Slope of the involute, tan² a, written as sec² a − 1.
        const double slope = 1 / (std::cos(a) * std::cos(a)) - 1;
        const float next = static_cast<float>(a - f / slope);
        angle = next;
        if (iterations)
            *iterations = step;
        // Written so that a NaN change keeps iterating until the cap.
        if (std::fabs(double(next) - a) < 1e-6)
            return next;
    }
    return std::nullopt;
}

std::optional<float> pinCentreAngle(float startAngle, float target, int *iterations)
{
    float angle = startAngle;
    const auto result = InverseInvolute(angle, target, iterations);
    if (!result || !(*result > 0 && double(*result) < kPi / 2))
        return std::nullopt;
    return result;
}

} // namespace geardim
