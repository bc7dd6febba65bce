#pragma once

// The diameters the sheet proposes for balls and pins.
namespace geardim {

// The smallest diameter of the series that is not smaller than d (d > 0 and finite).
// The series is the R40 series of preferred numbers, in every decade, in the sheet's
// length unit; the user may type any other diameter.
double nextSeriesDiameter(double d);

} // namespace geardim
