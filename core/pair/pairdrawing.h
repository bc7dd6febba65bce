#pragma once

#include "core/pair/pair.h"
#include "core/drawing/drawing.h"

// The two gears in mesh at the nominal centre distance, drawn to scale: gear 1 about the
// origin, gear 2 above it, their teeth at the nominal thickness, gear 2 turned until its
// flank touches gear 1's on one side so the circumferential backlash shows on the other,
// marked on the working circle; the working circles and the line of centres.
namespace geardim {

MeasurementDrawing pairDrawing(const PairResult &pair);

} // namespace geardim
