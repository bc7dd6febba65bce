#include "core/gear/gaugeseries.h"

#include <cmath>

namespace geardim {
namespace {

// The R40 series of preferred numbers from 1 to 10, rounded values: ISO 3:1973
// "Preferred numbers — Series of preferred numbers", Table 1 (also ISO 497).
// In hundredths, so that each step is formed from whole numbers in one rounding.
constexpr int kR40[] = {100, 106, 112, 118, 125, 132, 140, 150, 160, 170, 180, 190, 200, 212,
                        224, 236, 250, 265, 280, 300, 315, 335, 355, 375, 400, 425, 450, 475,
                        500, 530, 560, 600, 630, 670, 710, 750, 800, 850, 900, 950};

// 10^n, exact for the decades a gauge can have.
double powerOfTen(int n)
{
    double p = 1;
    for (int i = 0; i < (n < 0 ? -n : n); ++i)
        p *= 10;
    return p;
}

// The step v/100 · 10^e as the decimal it names: one division or one product of whole
// numbers, so 0.17 is the double nearest 0.17, never 0.16999999999999998.
double step(int hundredths, int e)
{
    return e >= 2 ? hundredths * powerOfTen(e - 2) : hundredths / powerOfTen(2 - e);
}

} // namespace

double nextSeriesDiameter(double d)
{
    if (!(d > 0) || !std::isfinite(d))
        return d;
    // From the decade below the one log10 names (it may be off by one at a power of ten):
    // the first step not below d.
    for (int e = int(std::floor(std::log10(d))) - 1; e < 400; ++e) {
        for (int v : kR40) {
            const double candidate = step(v, e);
            if (candidate >= d)
                return candidate;
        }
    }
    return d;
}

} // namespace geardim
