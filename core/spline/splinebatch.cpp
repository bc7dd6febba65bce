#include "core/spline/splinebatch.h"

#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <vector>

#include "core/common/recordbatch.h"
#include "core/common/numberparse.h"
#include "core/common/translatable.h"
#include "core/spline/splineinputs.h"
#include "core/spline/splinereport.h"

namespace geardim {
namespace {

std::string said(const TextTranslator &tr, const char *text, const std::string &argument = {})
{
    return filled(translated(tr, "Batch", text), argument);
}

// The spline of one line (its cells in the order of the inputs table, the designation
// first), or why it has none.
std::variant<SplineResult, std::string> splineOfLine(const std::vector<std::string> &cells, const TextTranslator &tr,
                                                     const AllowanceTable *allowances)
{
    SplineFields fields{.designation = cells.at(0)};
    const std::span<const SplineOption> options = splineOptions();
    for (std::size_t c = 0; c < options.size(); ++c) {
        const std::string &text = cells.at(c + 1);
        if (text.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        const std::optional<double> v = parseDouble(text);
        if (!v)
            return said(tr, QT_TRANSLATE_NOOP("Batch", "%1 列的值不是数。"), options[c].name);
        fields.*options[c].field = *v;
    }
    if (std::string unpaired = unpairedDeviationsText(fields, "", tr); !unpaired.empty())
        return unpaired;
    auto input = splineInputOf(fields, tr);
    if (!input.ok())
        return input.failure();
    input.value().allowances = allowances;
    const SplineOutcome out = computeSpline(input.value());
    if (!out.ok())
        return splineFailureText(out.failure(), tr);
    return out.value();
}

} // namespace

SplineBatchSummary runSplineBatch(std::istream &in, std::ostream &out, const TextTranslator &tr, const AllowanceTable *allowances)
{
    RecordBatchFeature feature;
    feature.columns = {kSplineDesignation};
    for (const SplineOption &o : splineOptions())
        feature.columns.push_back(o.name);
    feature.required = {0};
    feature.missingColumn = QT_TRANSLATE_NOOP("Batch", "表头中缺少 designation 列。");
    feature.unknownColumn = QT_TRANSLATE_NOOP("Batch", "表头中的列“%1”不是花键的输入。");
    for (const auto &column : splineColumns(SplineResult{}))
        feature.resultColumns.push_back(column.first);
    std::array<std::optional<SplineResult>, kRecordRing> splines;
    feature.compute = [&](std::size_t slot, const RecordCells &cells) -> std::string {
        splines[slot].reset();
        std::variant<SplineResult, std::string> spline = splineOfLine(cells.byColumn, tr, allowances);
        if (auto *error = std::get_if<std::string>(&spline))
            return std::move(*error);
        splines[slot] = std::move(std::get<SplineResult>(spline));
        return {};
    };
    feature.write = [&](std::size_t slot, std::string &line) {
        const SplineResult &r = *splines[slot];
        for (const auto &column : splineColumns(r)) {
            line += ',';
            line += csvField(column.second);
        }
        RecordJudged judged;
        if (r.measured) {
            const PartVerdict part = partVerdict({r.measured->verdict});
            judged = {part == PartVerdict::Fail, part == PartVerdict::NotJudged};
        }
        return judged;
    };
    const RecordBatchSummary run = runRecordBatch(in, out, feature, tr);
    return {run.lines, run.withoutResult, run.problem, run.partsFailing, run.partsNotJudged};
}

} // namespace geardim
