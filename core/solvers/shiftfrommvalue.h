#pragma once

#include "core/common/outcome.h"

// The profile-shift coefficient from a measured dimension over (or between) two pins or balls.
namespace geardim {

struct MValueMeasurement {
    float M = 0;          // measured M value
    float m = 0;          // normal module
    float z = 0;          // number of teeth
    float alphaDeg = 0;   // normal pressure angle, degrees
    float betaDeg = 0;    // helix angle, degrees; exactly 0 means a spur gear
    float d = 0;          // pin or ball diameter
    bool external = true;
};

// Closed form: the pressure angle at the circle through the pin centres follows
// from M, and x from the involute relation.
Outcome<float> shiftFromMValue(const MValueMeasurement &in);

} // namespace geardim
