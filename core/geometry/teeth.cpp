#include "core/geometry/teeth.h"

#include "core/common/angle.h"

namespace geardim {

double chordalThicknessFactor(float alpha)
{
    if (alpha == radiansSingle(20.0f))
        return 41.7 * kPi / 180;
    return 2 * std::tan(double(alpha));
}

} // namespace geardim
