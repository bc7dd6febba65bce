#pragma once

// The named quantities of a gear's tooth geometry that several calculations share.
// Each name says the precision it is computed in: the calculations of the windows
// round some of them to single at a prescribed step, and their digits depend on it.
namespace geardim {

// Transverse pressure angle αt = atan(tan αn / cos β), radians, in double.
// Domain: 0 < αn < π/2, |β| < π/2.
double transverseAngle(double alphaN, double beta);

// αt with the quotient tan αn / cos β rounded to single before the arctangent and
// the angle stored in single. Domain as transverseAngle.
float transverseAngleOfSingleQuotient(double alphaN, double beta);

// Cosine of the base helix angle, √(1 − (sin β·cos αn)²), in double. Domain: any β, αn.
double baseHelixCosine(double alphaN, double beta);

// Base helix angle βb = atan(sin βb / cos βb) with sin βb = sin β·cos αn, in double.
// Domain: |β| < π/2.
double baseHelixAngle(double alphaN, double beta);

// βb with sin β·cos αn rounded to single first and the angle stored in single.
// Domain: |β| < π/2.
float baseHelixAngleOfSingleSine(double alphaN, double beta);

// cos(π/(2z)), in double: the factor an odd tooth count brings into the dimension
// over two pins, whose centres then do not lie on one diameter. Domain: z ≥ 1.
double oddTeethFactor(double z);

} // namespace geardim
