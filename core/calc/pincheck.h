#pragma once

#include "core/common/outcome.h"

// Whether the pins or balls of an M value stay clear of the gear's root circle.
namespace geardim {

struct PinCheckInput {
    float M = 0;     // the M value as shown
    float z = 0;     // number of teeth
    float d = 0;     // pin or ball diameter
    float df = 0;    // root diameter
    bool external = true;
};

struct PinCheck {
    float testValue = 0; // innermost (external) or outermost (internal) circle of the pins
    bool usable = false;
};

// External gears: the circle through the pins' innermost points must lie strictly
// outside the root circle; internal gears: through their outermost points, strictly inside.
Outcome<PinCheck> checkPin(const PinCheckInput &in);

// The parts of the check that do not need the root diameter, so that the user is
// not asked for it when the gear's own data have no check.
std::optional<Failure> checkPinData(float z, float d);

} // namespace geardim
