#pragma once

#include <optional>

// Two external gears in mesh without backlash (ISO 21771): the centre distance their shifts
// give, and the shifts a centre distance needs. Angles in radians; z1, z2 the tooth counts.
namespace geardim {

// The tight-mesh centre distance for the sum of the (generating) shifts: inv α0 = inv αt +
// 2·tan αn·Σx/(z1 + z2), a0 = a_ref·cos αt/cos α0; none when Σx is so negative that inv α0 ≤ 0.
std::optional<double> tightMeshDistance(double z1, double z2, double module, double alphaN, double beta, double shiftSum);

// The sum of the shifts that meshes without backlash at the centre distance a:
// (inv αwt − inv αt)·(z1 + z2)/(2·tan αn) with cos αwt = a_ref·cos αt/a; none when a does not
// exceed the sum of the base radii.
std::optional<double> shiftSumForDistance(double z1, double z2, double module, double alphaN, double beta, double a);

} // namespace geardim
