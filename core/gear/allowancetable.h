#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/outcome.h"
#include "core/common/text.h"

// The shop's own tooth-thickness allowance series: a table of allowance codes, each with
// rows by reference-diameter range, read from a CSV file the user brings
//   code,diameterFrom,diameterTo,upper,lower
// (a row holds d when diameterFrom < d ≤ diameterTo, in mm; the allowances in µm, signed;
// lines starting with '#' are comments).
namespace geardim {

struct AllowanceRow {
    std::string code;
    double diameterFrom = 0, diameterTo = 0; // mm
    double upper = 0, lower = 0;             // µm
};

struct AllowanceTable {
    std::vector<AllowanceRow> rows;
};

// The table from the file's text, or the problem naming the line.
struct AllowanceTableRead {
    std::optional<AllowanceTable> table;
    std::string problem;
};
AllowanceTableRead parseAllowanceTable(std::string_view text, const TextTranslator &tr = {});

// The row of the code whose diameter range holds d (mm).
Outcome<AllowanceRow> lookupAllowance(const AllowanceTable &table, std::string_view code, double diameterMm);

struct SheetInput;

// Fills the allowances that were not typed from the code's row for the gear's reference
// diameter, and marks the input with what it used. No code: nothing to do.
std::optional<Failure> applyAllowanceCode(SheetInput &in, const AllowanceTable *table, bool upperTyped, bool lowerTyped);

} // namespace geardim
