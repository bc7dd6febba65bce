#pragma once

#include "core/common/outcome.h"

// The profile-shift coefficient from a measured tooth thickness on the reference circle.
namespace geardim {

struct ThicknessMeasurement {
    float s = 0;          // arc thickness (spur) or normal chordal thickness (helical)
    float m = 0;          // normal module
    float z = 0;          // number of teeth; not used by spur gears
    float alphaDeg = 0;   // normal pressure angle, degrees
    float betaDeg = 0;    // helix angle, degrees; 0 in single-precision radians means spur
    bool external = true;
};

// Spur: from s = m·(π/2 ± 2·x·tan α). Helical: the chord is turned into an arc on
// the virtual spur gear of z/cos³ β teeth, with the same angle factor as the
// forward chordal thickness, so the two stay exact inverses.
Outcome<float> shiftFromThickness(const ThicknessMeasurement &in);

} // namespace geardim
