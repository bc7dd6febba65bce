#pragma once

#include <optional>

#include <QString>

#include "core/spline/spline.h"
#include "io/fileoutcome.h"

// Spline files (.spline): UTF-8 JSON holding a spline's inputs, the designation as the
// drawing writes it and the options of `geardim spline`:
//   {"format": "geardim-spline", "version": 1, "designation": "INT 25z × 1m × 30P × 5H",
//    "pinDiameter": 1.8, "splineLength": 15, "upperDeviation": …, "lowerDeviation": …,
//    "effectiveVariation": …}
// each number left out when not given.
namespace geardim {

struct SplineFileInputs {
    QString designation;
    std::optional<double> pinDiameter, splineLength, upperDeviation, lowerDeviation, effectiveVariation;
};

// The calculation's input: the designation read and the values taken over; or, in words
// for the user, why the designation cannot be read.
FileOutcome<SplineInput> splineInputOf(const SplineFileInputs &inputs);

// Reads a spline file. Refuses, with the reason, what readJsonFile refuses, another format,
// a newer major version, an unknown key, a value of the wrong type, a designation that
// cannot be read, and one deviation without the other.
FileOutcome<SplineFileInputs> readSplineFile(const QString &path);

// Writes the inputs all or nothing, the old file untouched on failure; refuses inputs it
// would not read back.
FileDone writeSplineFile(const QString &path, const SplineFileInputs &inputs);

} // namespace geardim
