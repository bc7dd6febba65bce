#pragma once

#include <cmath>

// Shared rules about the tooth count and the gear kind.
namespace geardim {

// A tooth count is odd when z/2 − Int(z/2), taken to single precision, is not 0;
// so a count that is not a whole number counts as odd.
inline bool isOddTeeth(float z)
{
    const double half = double(static_cast<float>(double(z) / 2));
    return static_cast<float>(half - std::floor(double(z) / 2)) != 0;
}

// +1 for external teeth, −1 for internal teeth.
inline int kindSign(bool external) { return external ? 1 : -1; }

// The angle factor of the helical normal chordal thickness: 41.7° in radians at the
// standard 20° pressure angle, so every 20° figure stays as published, and
// 2·tan α for any other pressure angle (α in single-precision radians).
double chordalThicknessFactor(float alpha);

} // namespace geardim
