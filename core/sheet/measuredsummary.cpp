#include "core/sheet/measuredsummary.h"

#include <algorithm>
#include <cmath>

#include "core/common/json.h"
#include "core/common/translatable.h"
#include "core/gear/gear.h"

namespace geardim {

void AllowanceStatistics::add(double allowance, Verdict verdict, double allowanceUpper, double allowanceLower)
{
    if (count == 0) {
        upper = allowanceUpper;
        lower = allowanceLower;
    }
    ++count;
    if (verdict == Verdict::Pass)
        ++pass;
    else if (verdictFails(verdict))
        ++fail;
    const double delta = allowance - mean;
    mean += delta / double(count);
    squares += delta * (allowance - mean);
    min = std::min(min, allowance);
    max = std::max(max, allowance);
}

std::optional<double> AllowanceStatistics::stddev() const
{
    if (count < 2)
        return std::nullopt;
    return std::sqrt(squares / double(count - 1));
}

std::optional<double> AllowanceStatistics::cp() const
{
    const auto s = stddev();
    if (!s || !(*s > 0))
        return std::nullopt;
    return (upper - lower) / (6 * *s);
}

std::optional<double> AllowanceStatistics::cpk() const
{
    const auto s = stddev();
    if (!s || !(*s > 0))
        return std::nullopt;
    return std::min(upper - mean, mean - lower) / (3 * *s);
}

void MeasuredSummary::add(const SheetResult &sheet)
{
    for (const SheetResult::Measurement &m : sheet.measurements) {
        if (!m.outcome.measured)
            continue;
        const auto at = std::size_t(std::find(std::begin(kMeasuredDimensions), std::end(kMeasuredDimensions), m.dimension)
                                    - std::begin(kMeasuredDimensions));
        byDimension[at].add(m.outcome.measured->allowance, m.outcome.measured->verdict, sheet.allowanceUpper,
                            sheet.allowanceLower);
        if (keepAllowances)
            allowances[at].push_back(m.outcome.measured->allowance);
    }
}

AllowanceHistogram allowanceHistogram(const std::vector<double> &allowances, double upper, double lower, int bins)
{
    double lo = std::min(upper, lower), hi = std::max(upper, lower);
    for (double e : allowances) {
        lo = std::min(lo, e);
        hi = std::max(hi, e);
    }
    const double margin = hi > lo ? (hi - lo) * 0.1 : std::max(1e-3, std::fabs(lo) * 0.1);
    AllowanceHistogram h;
    h.from = lo - margin;
    h.width = (hi - lo + 2 * margin) / bins;
    h.counts.assign(std::size_t(bins), 0);
    for (double e : allowances) {
        const auto bin = std::size_t(std::clamp(int(std::floor((e - h.from) / h.width)), 0, bins - 1));
        ++h.counts[bin];
    }
    return h;
}

bool MeasuredSummary::empty() const
{
    return std::all_of(byDimension.begin(), byDimension.end(), [](const AllowanceStatistics &s) { return s.count == 0; });
}

namespace {

std::string optionalText(const std::optional<double> &v, int decimals)
{
    return v ? sheetNumber(*v, decimals) : std::string("-");
}


std::string translatedText(const TextTranslator &tr, const char *context, const char *text)
{
    return tr ? tr(context, text) : std::string(text);
}

} // namespace

namespace {

// A measured dimension as the sheet's rows name it, for gears of every kind and gauge.
const char *summaryCaption(MeasuredDimension dimension)
{
    switch (dimension) {
    case MeasuredDimension::OverGauges: return QT_TRANSLATE_NOOP("Summary", "跨棒（球）距 M");
    case MeasuredDimension::Span: return QT_TRANSLATE_NOOP("Summary", "公法线长度 W");
    case MeasuredDimension::ChordalThickness: return QT_TRANSLATE_NOOP("Summary", "分度圆弦齿厚");
    case MeasuredDimension::ConstantChord: return QT_TRANSLATE_NOOP("Summary", "固定弦齿厚");
    case MeasuredDimension::TestDistance: return QT_TRANSLATE_NOOP("Summary", "双啮中心距 a″");
    }
    return "";
}

} // namespace

std::string measuredSummaryText(const MeasuredSummary &summary, const TextTranslator &tr)
{
    std::string out = translatedText(tr, "Summary", QT_TRANSLATE_NOOP("Summary", "实测汇总（实际齿厚偏差 E）：")) + "\n";
    for (std::size_t i = 0; i < summary.byDimension.size(); ++i) {
        const AllowanceStatistics &s = summary.byDimension[i];
        if (s.count == 0)
            continue;
        std::string line = translatedText(tr, "Summary", QT_TRANSLATE_NOOP("Summary", "%1：n = %2，合格 %3，不合格 %4，平均 %5，最小 %6，最大 %7，s = %8，Cp = %9，Cpk = %10"));
        const std::string values[] = {translatedText(tr, "Summary", summaryCaption(kMeasuredDimensions[i])), std::to_string(s.count), std::to_string(s.pass),
                                      std::to_string(s.fail), sheetNumber(s.mean, 4), sheetNumber(s.min, 4),
                                      sheetNumber(s.max, 4), optionalText(s.stddev(), 4), optionalText(s.cp(), 2),
                                      optionalText(s.cpk(), 2)};
        // %10 before %1, so that "%1" does not take the start of "%10".
        for (int n = 10; n >= 1; --n) {
            const std::string marker = "%" + std::to_string(n);
            if (const auto at = line.find(marker); at != std::string::npos)
                line.replace(at, marker.size(), values[n - 1]);
        }
        out += line + "\n";
    }
    return out;
}

std::string measuredSummaryJson(const MeasuredSummary &summary)
{
    JsonObject byDimension;
    for (std::size_t i = 0; i < summary.byDimension.size(); ++i) {
        const AllowanceStatistics &s = summary.byDimension[i];
        if (s.count == 0)
            continue;
        byDimension.object(measuredName(kMeasuredDimensions[i]), JsonObject()
                                                                     .number("count", double(s.count))
                                                                     .number("pass", double(s.pass))
                                                                     .number("fail", double(s.fail))
                                                                     .number("mean", s.mean)
                                                                     .number("min", s.min)
                                                                     .number("max", s.max)
                                                                     .number("stddev", s.stddev())
                                                                     .number("cp", s.cp())
                                                                     .number("cpk", s.cpk()));
    }
    // The dimensions one a line inside "summary".
    return JsonObject().json("summary", byDimension.lines()).inlineText() + "\n";
}

} // namespace geardim
