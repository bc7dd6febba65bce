#pragma once

#include <string>
#include <optional>
#include <utility>
#include <vector>

#include "core/common/text.h"
#include "core/spline/spline.h"

// A spline's dimensions written out: as a table of text, as (name, value) pairs for CSV, and
// as JSON; and the reasons a spline has none, in the language shown.
namespace geardim {

// One row of a spline's table: a single value, or a size with its five values (nominal,
// actual max and min, effective max and min; an absent one empty).
struct SplineRow {
    std::string name;  // in the language shown, its figures filled in
    std::string unit;  // "mm" or "" for a pure number
    std::vector<std::optional<double>> values;
    int decimals = 4;
};

// The rows of the table, in the order the window and the text show them.
std::vector<SplineRow> splineRows(const SplineResult &r, const TextTranslator &tr = {});

// The table's column headings: 项目, 单位, 公称, 实际最大, 实际最小, 作用最大, 作用最小.
std::vector<std::string> splineColumnHeadings(const TextTranslator &tr = {});

// The heading line: standard, kind, teeth, module, root form, class and fit.
// The table's cells as shown: the headings, then one line per row, numbers to the row's
// decimals, an absent value empty; the window, the text and the PDF show these.
std::vector<std::vector<std::string>> splineTableCells(const SplineResult &r, const TextTranslator &tr = {});

std::string splineHeading(const SplineResult &r, const TextTranslator &tr = {});

// The rows as plain text, columns aligned, then the warnings.
std::string splineText(const SplineResult &r, const TextTranslator &tr = {});
std::string splineJson(const SplineResult &r, const TextTranslator &tr = {});
// Every result as (name, value) pairs named as in the JSON, nested names joined by a dot,
// absent values empty.
std::vector<std::pair<std::string, std::string>> splineColumns(const SplineResult &r);

std::string splineFailureText(SplineFailure failure, const TextTranslator &tr = {});
std::string designationErrorText(const DesignationError &error, const TextTranslator &tr = {});
// The measured dimension, the actual size it means and the verdict in words; empty when none.
std::string splineMeasuredLine(const SplineResult &r, const TextTranslator &tr = {});
std::vector<std::string> splineWarningMessages(const SplineResult &r, const TextTranslator &tr = {});

} // namespace geardim
