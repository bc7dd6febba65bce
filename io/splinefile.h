#pragma once

#include <QString>

#include "core/spline/splineinputs.h"
#include "io/fileoutcome.h"

// Spline files (.spline): UTF-8 JSON holding a spline's inputs, the designation as the
// drawing writes it and the options of `geardim spline`:
//   {"format": "geardim-spline", "version": 1, "designation": "INT 25z × 1m × 30P × 5H",
//    "pinDiameter": 1.8, "splineLength": 15, "upperDeviation": …, "lowerDeviation": …,
//    "effectiveVariation": …}
// each number left out when not given; the keys are those of the spline's inputs table.
// The measured value belongs to the part and is not kept.
namespace geardim {

// Reads a spline file. Refuses, with the reason, what readJsonFile refuses, another format,
// a newer major version, an unknown key, a value of the wrong type, a designation that
// cannot be read, and one deviation without the other.
FileOutcome<SplineFields> readSplineFile(const QString &path);

// Writes the inputs all or nothing, the old file untouched on failure; refuses inputs it
// would not read back.
FileDone writeSplineFile(const QString &path, const SplineFields &inputs);

} // namespace geardim
