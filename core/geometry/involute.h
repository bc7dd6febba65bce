#pragma once

#include <cmath>
#include <optional>

// The involute function and its Newton inverse, shared by the M-value computation.
namespace geardim {

// inv a = tan a − a, a in radians, evaluated in double.
inline double inv(double a) { return std::tan(a) - a; }

// Most Newton steps an iteration takes before it gives up; ordinary gears need 1 to 9.
inline constexpr int kMaxInvoluteIterations = 100;

// Newton's method on a single-precision iterate, capped at kMaxInvoluteIterations steps.
// next(x) returns the next iterate; x takes every new iterate. The loop ends when two
// successive iterates differ by less than tolerance (a NaN difference never does).
// Returns the last iterate, or nothing when the cap is reached first. The number of
// steps taken is stored in *steps when given.
template <typename Step>
std::optional<float> cappedNewton(float &x, double tolerance, Step next, int *steps = nullptr)
{
    for (int step = 1; step <= kMaxInvoluteIterations; ++step) {
        const double previous = x;
        x = next(x);
        if (steps)
            *steps = step;
        if (std::fabs(double(x) - previous) < tolerance)
            return x;
    }
    return std::nullopt;
}

// Finds the angle whose involute is target, by Newton's method with a single-precision
// iterate. angle holds the starting angle on entry and every new iterate; the loop
// ends when two successive iterates differ by less than 1e-6 rad. Returns the last
// iterate, or nothing when the cap is reached first (no convergence). The iteration
// count is stored in *iterations when given.
std::optional<float> InverseInvolute(float &angle, float target, int *iterations = nullptr);

// The angle in (0, π/2) whose involute is target, in double precision throughout, for
// the inspection sheet. Newton's method started above the root (min(∛(3t), atan(t + π/2))),
// where the convex involute makes it fall monotonically onto it. Nothing for target ≤ 0,
// a target that is not finite, or no convergence within the cap.
std::optional<double> involuteAngle(double target);

// The pressure angle at the centre of a pin or ball from the involute value there,
// started from the gear's pressure angle. Nothing when the iteration does not
// converge or ends outside (0, π/2), where the centre is not on the involute.
std::optional<float> pinCentreAngle(float startAngle, float target, int *iterations = nullptr);

} // namespace geardim
