#pragma once

#include <string>

// The text a result label shows for a computed value.
namespace geardim {

// At most seven significant digits, rounded to nearest, trailing zeros and a
// trailing point dropped, "0" before the point below 1. Magnitudes from 0.001 to
// 1000000 (after rounding) are written plainly, others as "1.5E+07" or
// "-1.907349E-06"; zero of either sign is "0". Single-precision results are
// passed widened to double, which is exact. The value must be finite.
std::string resultText(double value);

} // namespace geardim
