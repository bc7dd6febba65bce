#pragma once

#include <iosfwd>
#include <string>

#include "core/common/text.h"

// Many splines at once: a CSV file in, one spline a line; a CSV file out.
namespace geardim {

struct SplineBatchSummary {
    long splines = 0;        // data lines read
    long withoutResult = 0;  // lines whose error column is filled
    std::string problem;     // a header that cannot be read; nothing was computed then
    long partsFailing = 0;   // lines whose measured value is judged thick or thin
    long partsNotJudged = 0; // lines whose measured value could not be judged
};

struct AllowanceTable;

// The header names the columns by the spline command's options without their dashes:
// designation (required), pin-diameter, spline-length, upper-deviation, lower-deviation,
// effective-variation, measured; an empty cell is no value. Writes the input columns as they came,
// every result column named as in the spline's CSV, and an error column with the reason a
// line has no result.
// A DIN 5480 line without deviations takes them from allowances, by its tolerance and dB.
SplineBatchSummary runSplineBatch(std::istream &in, std::ostream &out, const TextTranslator &tr = {},
                                  const AllowanceTable *allowances = nullptr);

} // namespace geardim
