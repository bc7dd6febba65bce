#pragma once

#include "core/common/outcome.h"

// A pin or ball diameter proposed for a gear, before its M value is computed.
namespace geardim {

struct PinEstimateInput {
    float m = 0;         // normal module
    float z = 0;         // number of teeth
    float alphaDeg = 0;  // normal pressure angle, degrees
    float x = 0;         // profile-shift coefficient
    float betaDeg = 0;   // helix angle, degrees; exactly 0 means a spur gear
    bool external = true;
};

struct PinEstimate {
    float d = 0;       // proposed pin or ball diameter
    float phi = 0;     // transverse pressure angle at the ball centre (helical gears)
    int steps = 0;     // Newton steps taken (helical gears)
};

// Spur gears: π·m / (2·cos α), whatever the teeth, shift and kind. Helical gears:
// the ball that touches the flanks on the circle m·z/cos β + 2·x·m, found by a
// Newton iteration with every named quantity held in single precision.
Outcome<PinEstimate> estimatePin(const PinEstimateInput &in);

} // namespace geardim
