#pragma once

#include <iosfwd>
#include <string>

#include "core/gear/gear.h"
#include "core/sheet/measuredsummary.h"
#include "core/sheet/sheetreport.h"

// The sheets of many gears at once: a CSV file in, a CSV file out, one line at a time.
namespace geardim {

struct BatchSummary {
    long gears = 0;          // data lines read
    long withoutResult = 0;  // lines whose error column is filled
    std::string problem;     // a header that cannot be read; nothing was computed then
    MeasuredSummary measured; // the measured values of the lines with a sheet
    long partsFailing = 0;   // lines whose part fails (sheetPartVerdict)
    long partsNotJudged = 0; // lines whose part could not be judged
};

// Reads the header (column names are the command line's option names without their
// dashes; a column that is not there keeps the value of defaults) and then one gear
// per line. Writes the input columns as they came, every result column named as in
// the sheet's CSV, and an error column with the reason a line has no result. Holds
// no more than one line in memory.
struct AllowanceTable;

struct BatchOptions {
    bool keepAllowances = false;            // every measured allowance in the summary (for a histogram)
    const AllowanceTable *allowances = nullptr; // the table an allowance-code column reads
    bool upperTyped = false, lowerTyped = false; // allowances typed on the command line win over a code
};

BatchSummary runBatch(std::istream &in, std::ostream &out, const SheetInput &defaults,
                      const TextTranslator &tr = {}, const BatchOptions &options = {});

} // namespace geardim
