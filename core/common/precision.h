#pragma once

namespace geardim {

// Rounds a value computed in double to single precision: the one place a
// calculation step stores its result as a single.
inline float single(double value) { return static_cast<float>(value); }

} // namespace geardim
