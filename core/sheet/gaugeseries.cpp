#include "core/sheet/gaugeseries.h"

#include <cmath>

namespace geardim {
namespace {

// The R40 series of preferred numbers from 1 to 10, rounded values: ISO 3:1973
// "Preferred numbers — Series of preferred numbers", Table 1 (also ISO 497).
constexpr double kR40[] = {1.00, 1.06, 1.12, 1.18, 1.25, 1.32, 1.40, 1.50, 1.60, 1.70, 1.80, 1.90, 2.00, 2.12,
                           2.24, 2.36, 2.50, 2.65, 2.80, 3.00, 3.15, 3.35, 3.55, 3.75, 4.00, 4.25, 4.50, 4.75,
                           5.00, 5.30, 5.60, 6.00, 6.30, 6.70, 7.10, 7.50, 8.00, 8.50, 9.00, 9.50, 10.0};

} // namespace

double nextSeriesDiameter(double d)
{
    double decade = std::pow(10.0, std::floor(std::log10(d)));
    // A value a hair above a series step (from the rounding of log10) stays on it.
    for (int pass = 0; pass < 2; ++pass) {
        for (double v : kR40) {
            // Formed as v·10ⁿ in one rounding, so 1.7 stays 1.7 in every decade.
            const double candidate = decade >= 1 ? v * decade : v / std::round(1 / decade);
            if (candidate >= d * (1 - 1e-12))
                return candidate;
        }
        decade *= 10;
    }
    return d;
}

} // namespace geardim
