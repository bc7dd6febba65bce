#pragma once

#include "core/common/outcome.h"

// The span count and the profile-shift coefficient from a measured base tangent length.
namespace geardim {

struct SpanMeasurement {
    float m = 0;          // normal module
    float z = 0;          // number of teeth
    float betaDeg = 0;    // helix angle, degrees
    float alphaDeg = 0;   // normal pressure angle, degrees
    float k = 0;          // span count as typed (not rounded)
    double L = 0;         // measured base tangent length
};

// The span count that belongs to L: the unshifted gear's count, corrected by the
// nearest whole number of base pitches in the difference between L and the unshifted
// length. L is taken in single precision here. A count below 1 has no result.
Outcome<float> spanFromLength(const SpanMeasurement &in);

// x from L over the typed span count, solved from
// L = m·cos α·[(k − 0.5)·π + z′·inv α] + 2·x·m·sin α.
Outcome<float> shiftFromSpan(const SpanMeasurement &in);

} // namespace geardim
