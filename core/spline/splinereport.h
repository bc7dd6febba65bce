#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/sheet/sheetreport.h"
#include "core/spline/spline.h"

// A spline's dimensions written out: as a table of text, as (name, value) pairs for CSV, and
// as JSON; and the reasons a spline has none, in the language shown.
namespace geardim {

std::string splineText(const SplineResult &r, const TextTranslator &tr = {});
std::string splineJson(const SplineResult &r, const TextTranslator &tr = {});
// Every result as (name, value) pairs named as in the JSON, nested names joined by a dot,
// absent values empty.
std::vector<std::pair<std::string, std::string>> splineColumns(const SplineResult &r);

std::string splineFailureText(SplineFailure failure, const TextTranslator &tr = {});
std::string designationErrorText(const DesignationError &error, const TextTranslator &tr = {});
std::vector<std::string> splineWarningMessages(const SplineResult &r, const TextTranslator &tr = {});

} // namespace geardim
