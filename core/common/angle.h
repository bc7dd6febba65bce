#pragma once

// The value of π every formula uses, and the conversion of typed degrees to radians.
namespace geardim {

// π as the fourteen-decimal literal, not the full-precision constant: the
// seventh digit of several results depends on this exact double.
inline constexpr double kPi = 3.14159265358979;

// Degrees to radians in double, multiplied by π first and then divided by 180.
inline double radians(double degrees) { return degrees * kPi / 180; }

// Degrees to radians, formed in double and stored in single precision.
inline float radiansSingle(float degrees) { return static_cast<float>(radians(double(degrees))); }

} // namespace geardim
