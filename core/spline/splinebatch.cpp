#include "core/spline/splinebatch.h"

#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <vector>

#include "core/common/recordbatch.h"
#include "core/common/numberparse.h"
#include "core/common/translatable.h"
#include "core/spline/splinereport.h"

namespace geardim {
namespace {

std::string said(const TextTranslator &tr, const char *text, const std::string &argument = {})
{
    return filled(translated(tr, "Batch", text), argument);
}

constexpr std::array<const char *, 7> kColumns = {"designation", "pin-diameter", "spline-length", "upper-deviation",
                                                  "lower-deviation", "effective-variation", "measured"};

// The spline of one line, or why it has none.
std::variant<SplineResult, std::string> splineOfLine(const std::vector<std::string> &fields, const std::array<int, kColumns.size()> &at,
                                                     const TextTranslator &tr, const AllowanceTable *allowances)
{
    const auto cell = [&](std::size_t column) -> std::string {
        const int i = at[column];
        return i >= 0 && std::size_t(i) < fields.size() ? fields[std::size_t(i)] : std::string();
    };
    const auto parsed = parseSplineDesignation(cell(0));
    if (const auto *error = std::get_if<DesignationError>(&parsed))
        return designationErrorText(*error, tr);
    SplineInput input{.designation = std::get<SplineDesignation>(parsed), .allowances = allowances};
    std::optional<double> *values[] = {&input.pinDiameter, &input.splineLength, &input.upperDeviation,
                                       &input.lowerDeviation, &input.effectiveVariation, &input.measured};
    for (std::size_t c = 1; c < kColumns.size(); ++c) {
        const std::string text = cell(c);
        if (text.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        const std::optional<double> v = parseDouble(text);
        if (!v)
            return said(tr, QT_TRANSLATE_NOOP("Batch", "%1 列的值不是数。"), kColumns[c]);
        *values[c - 1] = *v;
    }
    if (input.upperDeviation.has_value() != input.lowerDeviation.has_value())
        return said(tr, QT_TRANSLATE_NOOP("Batch", "upper-deviation 和 lower-deviation 要一起给出。"));
    const SplineOutcome out = computeSpline(input);
    if (!out.result)
        return splineFailureText(*out.failure, tr);
    return *out.result;
}

} // namespace

SplineBatchSummary runSplineBatch(std::istream &in, std::ostream &out, const TextTranslator &tr, const AllowanceTable *allowances)
{
    RecordBatchFeature feature;
    feature.columns.assign(kColumns.begin(), kColumns.end());
    feature.required = {0};
    feature.missingColumn = QT_TRANSLATE_NOOP("Batch", "表头中缺少 designation 列。");
    feature.unknownColumn = QT_TRANSLATE_NOOP("Batch", "表头中的列“%1”不是花键的输入。");
    for (const auto &column : splineColumns(SplineResult{}))
        feature.resultColumns.push_back(column.first);
    std::array<int, kColumns.size()> at;
    for (std::size_t c = 0; c < at.size(); ++c)
        at[c] = int(c);
    feature.compute = [&](const std::vector<std::string> &cells) {
        RecordLine line;
        const std::variant<SplineResult, std::string> spline = splineOfLine(cells, at, tr, allowances);
        if (const auto *error = std::get_if<std::string>(&spline)) {
            line.error = *error;
            return line;
        }
        const SplineResult &r = std::get<SplineResult>(spline);
        if (r.measured) {
            const PartVerdict part = partVerdict({r.measured->verdict});
            line.fails = part == PartVerdict::Fail;
            line.notJudged = part == PartVerdict::NotJudged;
        }
        for (auto &column : splineColumns(r))
            line.values.push_back(std::move(column.second));
        return line;
    };
    const RecordBatchSummary run = runRecordBatch(in, out, feature, tr);
    return {run.lines, run.withoutResult, run.problem, run.partsFailing, run.partsNotJudged};
}

} // namespace geardim
