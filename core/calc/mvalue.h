#pragma once

#include <optional>

#include "core/common/outcome.h"

// The M value, tooth thickness, base tangent length and span count of one gear.
namespace geardim {

struct GearData {
    float m = 0;           // normal module
    float z = 0;           // number of teeth
    float alphaDeg = 0;    // normal pressure angle, degrees
    float x = 0;           // profile-shift coefficient
    double betaDeg = 0;    // helix angle, degrees; exactly 0 means a spur gear
    float dp = 0;          // pin or ball diameter
    bool external = true;  // external or internal teeth
};

// Intermediate values of a helical computation, kept for checking.
struct HelicalTrace {
    float alphaT = 0;        // transverse pressure angle
    double betaB = 0;        // base helix angle
    double db = 0;           // base diameter
    float target = 0;        // involute at the ball centre
    float alphaMt = 0;       // transverse pressure angle at the ball centre
    int iterations = 0;      // Newton steps of the inverse involute
    double zv = 0;           // virtual number of teeth (chordal thickness)
    double zPrime = 0;       // equivalent number of teeth (span)
    double spanBracket = 0;  // the span count before Int, without the constant added
};

struct MValueResult {
    bool helical = false;
    float M = 0;                // over (external) or between (internal) pins or balls
    float s = 0;                // arc (spur) or normal chordal (helical) tooth thickness
    std::optional<float> L;     // base tangent length, external gears with a span of 1 or more
    std::optional<double> k;    // span count, likewise
    float alphaM = 0;           // pressure angle at the pin centre (transverse when helical)
    HelicalTrace trace;         // filled for helical gears
};

// The whole computation of the M-value window for one gear.
Outcome<MValueResult> computeMValue(const GearData &gear);

} // namespace geardim
