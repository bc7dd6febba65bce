#include "core/spline/splinebatch.h"

#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <vector>

#include "core/common/csvrecords.h"
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
    SplineBatchSummary summary;
    LineSource source(in);
    std::vector<std::string> header;
    RecordProblem problem;
    bool read;
    while ((read = readRecord(source, header, problem)) && problem.kind == RecordProblem::None && blankRecord(header)) {
    }
    if (!read || problem.kind != RecordProblem::None) {
        summary.problem = said(tr, QT_TRANSLATE_NOOP("Batch", "没有可读的表头。"));
        return summary;
    }
    std::array<int, kColumns.size()> at;
    at.fill(-1);
    for (std::size_t i = 0; i < header.size(); ++i) {
        std::string name = header[i];
        if (i == 0 && name.rfind("\xEF\xBB\xBF", 0) == 0)
            name.erase(0, 3); // a byte-order mark
        bool known = false;
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            if (name == kColumns[c]) {
                if (at[c] >= 0) {
                    summary.problem = said(tr, QT_TRANSLATE_NOOP("Batch", "表头中的列“%1”出现了两次。"), name);
                    return summary;
                }
                at[c] = int(i);
                known = true;
            }
        }
        if (!known) {
            summary.problem = said(tr, QT_TRANSLATE_NOOP("Batch", "表头中的列“%1”不是花键的输入。"), name.substr(0, 40));
            return summary;
        }
    }
    if (at[0] < 0) {
        summary.problem = said(tr, QT_TRANSLATE_NOOP("Batch", "表头中缺少 designation 列。"));
        return summary;
    }
    // The header: the input columns as they came, the result columns, the error column.
    std::vector<std::string> names = header;
    SplineResult sample;
    for (const auto &[name, value] : splineColumns(sample))
        names.push_back(name);
    names.push_back("error");
    writeRecord(out, names);
    const std::size_t resultColumns = names.size() - header.size() - 1;
    std::vector<std::string> fields;
    while (readRecord(source, fields, problem)) {
        if (problem.kind == RecordProblem::None && blankRecord(fields))
            continue;
        ++summary.splines;
        std::vector<std::string> line(header.size());
        std::string error;
        if (problem.kind != RecordProblem::None) {
            error = recordProblemText(problem, tr);
        } else {
            for (std::size_t i = 0; i < header.size() && i < fields.size(); ++i)
                line[i] = fields[i];
            if (fields.size() > header.size())
                error = said(tr, QT_TRANSLATE_NOOP("Batch", "这一行的字段比表头多。"));
        }
        std::variant<SplineResult, std::string> spline = error.empty() ? splineOfLine(fields, at, tr, allowances) : std::variant<SplineResult, std::string>(error);
        if (const auto *r = std::get_if<SplineResult>(&spline); r && r->measured) {
            const PartVerdict part = partVerdict({r->measured->verdict});
            summary.partsFailing += part == PartVerdict::Fail;
            summary.partsNotJudged += part == PartVerdict::NotJudged;
        }
        if (const auto *r = std::get_if<SplineResult>(&spline)) {
            for (auto &[name, value] : splineColumns(*r))
                line.push_back(std::move(value));
            line.emplace_back();
        } else {
            ++summary.withoutResult;
            line.resize(line.size() + resultColumns);
            line.push_back(std::get<std::string>(spline));
        }
        writeRecord(out, line);
        if (!out)
            break;
    }
    return summary;
}

} // namespace geardim
