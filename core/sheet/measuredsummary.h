#pragma once

#include <array>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/measure/measurement.h"
#include "core/sheet/sheetreport.h"

// The statistics of many measured parts, per measured dimension: how many, how many pass,
// and the spread of their actual allowances with the process capability against the
// drawing's allowances.
namespace geardim {

struct AllowanceStatistics {
    long count = 0, pass = 0, fail = 0;
    double mean = 0, min = std::numeric_limits<double>::infinity(), max = -std::numeric_limits<double>::infinity();
    double squares = 0;        // Σ(E − mean)², kept by Welford's update
    double upper = 0, lower = 0; // the allowances of the first part: Cp and Cpk hold them

    void add(double allowance, Verdict verdict, double allowanceUpper, double allowanceLower);
    // The sample standard deviation s (n − 1); nothing below two parts.
    std::optional<double> stddev() const;
    // Cp = (Esns − Esni)/(6s) and Cpk = min(Esns − mean, mean − Esni)/(3s); nothing where s is
    // not above zero.
    std::optional<double> cp() const;
    std::optional<double> cpk() const;
};

struct MeasuredSummary {
    std::array<AllowanceStatistics, 4> byDimension{}; // in the order of kMeasuredDimensions
    // Every actual allowance, for the histogram; kept only when asked for, so that a batch
    // holds no more than its ring of lines otherwise.
    bool keepAllowances = false;
    std::array<std::vector<double>, 4> allowances{};
    void add(const SheetResult &sheet);
    bool empty() const;
};

// The histogram of one dimension's actual allowances: bins of equal width spanning the
// allowances and the two limits with a margin.
struct AllowanceHistogram {
    double from = 0, width = 0;   // the first bin's lower edge and each bin's width
    std::vector<long> counts;
};
AllowanceHistogram allowanceHistogram(const std::vector<double> &allowances, double upper, double lower, int bins = 20);

// The summary as text, one line per measured dimension, and as JSON
// ({"summary": {"overGauges": {"count", "pass", "fail", "mean", "min", "max", "stddev", "cp", "cpk"}}}).
std::string measuredSummaryText(const MeasuredSummary &summary, const TextTranslator &tr = {});
std::string measuredSummaryJson(const MeasuredSummary &summary);

} // namespace geardim
