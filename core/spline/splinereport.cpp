#include "core/spline/splinereport.h"

#include "core/common/excerpt.h"
#include "core/common/json.h"
#include "core/common/translatable.h"
#include "core/measure/measurement.h"

namespace geardim {
namespace {

// A text of the spline's table in the language shown.
std::string translated(const TextTranslator &tr, const char *text) { return geardim::translated(tr, "Spline", text); }

// Lengths to four decimals, as the sheet shows millimetres.
std::string mm(double v) { return sheetNumber(v, 4); }

const char *warningCode(SplineWarning w)
{
    switch (w) {
    case SplineWarning::ContactOffFlank: return "contactOffFlank";
    case SplineWarning::LengthAssumed: return "lengthAssumed";
    case SplineWarning::PinDoesNotFit: return "pinDoesNotFit";
    case SplineWarning::ToleranceNotApplied: return "toleranceNotApplied";
    case SplineWarning::VariationExceedsTolerance: return "variationExceedsTolerance";
    }
    return "";
}

const char *rootName(const SplineDesignation &d)
{
    if (d.standard == SplineStandard::Din5480)
        return "30°";
    switch (d.root) {
    case SplineRoot::FlatRoot30: return "30P";
    case SplineRoot::FilletRoot30: return "30R";
    case SplineRoot::Fillet37_5: return "37.5°";
    case SplineRoot::Fillet45: return "45°";
    }
    return "";
}

// The five values of a size, in the order of the table and the JSON.
struct Limit {
    const char *name;
    std::optional<double> value;
};
std::vector<Limit> limits(const std::optional<SplineLimits> &given)
{
    if (!given)
        return {{"nominal", std::nullopt}, {"actualMax", std::nullopt}, {"actualMin", std::nullopt},
                {"effectiveMax", std::nullopt}, {"effectiveMin", std::nullopt}};
    const SplineLimits &l = *given;
    return {{"nominal", l.nominal}, {"actualMax", l.actualMax}, {"actualMin", l.actualMin},
            {"effectiveMax", l.effectiveMax}, {"effectiveMin", l.effectiveMin}};
}

} // namespace

std::string splineFailureText(SplineFailure failure, const TextTranslator &tr)
{
    switch (failure) {
    case SplineFailure::ModuleNotPositive: return translated(tr, QT_TRANSLATE_NOOP("Spline", "花键标记中的模数 m 须在 0.001 到 10000 mm 之间。"));
    case SplineFailure::TooFewTeeth: return translated(tr, QT_TRANSLATE_NOOP("Spline", "花键至少要有 6 个齿。"));
    case SplineFailure::PinNotPositive: return translated(tr, QT_TRANSLATE_NOOP("Spline", "量棒直径须为正数。"));
    case SplineFailure::LengthNotPositive: return translated(tr, QT_TRANSLATE_NOOP("Spline", "花键长度 g 须为正数。"));
    case SplineFailure::ReferenceDiameterTooSmall:
        return translated(tr, QT_TRANSLATE_NOOP("Spline", "参考直径 dB 太小，容不下这些齿：请检查标记。"));
    case SplineFailure::ReferenceDiameterMismatch:
        return translated(tr, QT_TRANSLATE_NOOP("Spline", "参考直径 dB 与 m·z 不相配：变位系数超出 −1 到 1，请检查标记。"));
    case SplineFailure::DeviationsReversed:
        return translated(tr, QT_TRANSLATE_NOOP("Spline", "上偏差小于下偏差，或齿厚（齿槽宽）的下限不为正。"));
    case SplineFailure::DeviationsUnpaired: return translated(tr, QT_TRANSLATE_NOOP("Spline", "上偏差和下偏差要一起给出。"));
    case SplineFailure::MeasuredNotPossible:
        return translated(tr, QT_TRANSLATE_NOOP("Spline", "实测值不可能出自这对量棒：量棒中心落在基圆以内，请检查实测值和量棒直径。"));
    case SplineFailure::ToleranceNotInTable:
        return translated(tr, QT_TRANSLATE_NOOP("Spline", "齿厚偏差表中没有这个公差代号在参考直径 dB 处的行。"));
    case SplineFailure::FitOutsideTable:
        return translated(tr, QT_TRANSLATE_NOOP("Spline", "配合 f、e、d 的基本偏差只列到直径 500 mm（ISO 286）。"));
    case SplineFailure::VariationNegative:
        return translated(tr, QT_TRANSLATE_NOOP("Spline", "综合公差 λ 不能为负数。"));
    case SplineFailure::ResultOutOfRange:
        return translated(tr, QT_TRANSLATE_NOOP("Spline", "输入的数值超出可计算的范围，结果不是有限数：请检查花键标记、偏差和实测值。"));
    }
    return "";
}

std::string designationErrorText(const DesignationError &error, const TextTranslator &tr)
{
    if (error.part.empty())
        return translated(tr, QT_TRANSLATE_NOOP("Spline", "花键标记不完整，例如 INT 25z × 1m × 30P × 5H ISO 4156 或 DIN 5480 - W 50 x 2 x 24 x 8f。"));
    return filled(translated(tr, QT_TRANSLATE_NOOP("Spline", "无法识别花键标记中的“%1”。")), excerpt(error.part));
}

std::string splineMeasuredLine(const SplineResult &r, const TextTranslator &tr)
{
    if (!r.measured)
        return {};
    const SplineMeasured &m = *r.measured;
    const bool hub = r.input.designation.internal;
    std::string line = filled(translated(tr, hub ? QT_TRANSLATE_NOOP("Spline", "实测棒间距 M = %1") : QT_TRANSLATE_NOOP("Spline", "实测跨棒距 M = %1")), mm(m.value));
    line += translated(tr, QT_TRANSLATE_NOOP("Spline", "："));
    if (m.size)
        line += filled(translated(tr, hub ? QT_TRANSLATE_NOOP("Spline", "实际齿槽宽 E = %1") : QT_TRANSLATE_NOOP("Spline", "实际齿厚 S = %1")),
                       mm(*m.size))
                + translated(tr, QT_TRANSLATE_NOOP("Spline", "，"));
    return line + geardim::translated(tr, "Verdict", verdictText(m.verdict));
}

std::vector<std::string> splineWarningMessages(const SplineResult &r, const TextTranslator &tr)
{
    std::vector<std::string> out;
    for (SplineWarning w : r.warnings) {
        switch (w) {
        case SplineWarning::ContactOffFlank:
            out.push_back(filled(translated(tr, QT_TRANSLATE_NOOP("Spline", "量棒在直径 %1 处接触，不在齿面的渐开线段上：请换一个量棒直径。")),
                                 mm(r.contactDiameter.value_or(0))));
            break;
        case SplineWarning::PinDoesNotFit:
            out.push_back(filled(translated(tr, QT_TRANSLATE_NOOP("Spline", "直径 %1 的量棒不能同时接触齿槽两侧的齿面，没有跨棒距（棒间距）：请换一个量棒直径。其余尺寸照常给出。")),
                                 mm(r.pinDiameter)));
            break;
        case SplineWarning::ToleranceNotApplied:
            out.push_back(filled(translated(tr, QT_TRANSLATE_NOOP("Spline", "标记中的公差 %1 没有偏差（未输入，也未选齿厚偏差表）：只给出公称尺寸，实测值不作判定。")),
                                 std::to_string(r.input.designation.toleranceClass) + r.input.designation.fit));
            break;
        case SplineWarning::VariationExceedsTolerance:
            out.push_back(translated(tr, QT_TRANSLATE_NOOP("Spline", "综合公差 λ 大于总公差 T+λ：实际尺寸的上、下限颠倒，请检查花键长度 g。")));
            break;
        case SplineWarning::LengthAssumed:
            out.push_back(filled(translated(tr, QT_TRANSLATE_NOOP("Spline", "未给花键长度 g：综合公差 λ 按 g = D = %1 mm 计算。")),
                                 mm(r.referenceDiameter)));
            break;
        }
    }
    return out;
}

std::vector<std::pair<std::string, std::string>> splineColumns(const SplineResult &r)
{
    const SplineDesignation &d = r.input.designation;
    std::vector<std::pair<std::string, std::string>> c;
    const auto number = [](const std::optional<double> &v) { return v ? shortestNumber(*v) : std::string(); };
    c.emplace_back("standard", d.standard == SplineStandard::Iso4156 ? "ISO 4156" : "DIN 5480");
    c.emplace_back("internal", d.internal ? "true" : "false");
    c.emplace_back("module", shortestNumber(d.module));
    c.emplace_back("teeth", shortestNumber(d.teeth));
    c.emplace_back("pressureAngle", shortestNumber(d.pressureAngle));
    c.emplace_back("rootForm", rootName(d));
    c.emplace_back("class", d.toleranceClass ? shortestNumber(d.toleranceClass) : std::string());
    c.emplace_back("fit", d.fit);
    c.emplace_back("referenceDiameter", shortestNumber(r.referenceDiameter));
    c.emplace_back("baseDiameter", shortestNumber(r.baseDiameter));
    c.emplace_back("majorDiameter", shortestNumber(r.majorDiameter));
    c.emplace_back("minorDiameter", shortestNumber(r.minorDiameter));
    c.emplace_back("formDiameter", number(r.formDiameter));
    c.emplace_back("dB", d.standard == SplineStandard::Din5480 ? shortestNumber(d.referenceDiameter) : std::string());
    c.emplace_back("profileShift", d.standard == SplineStandard::Din5480 ? shortestNumber(r.profileShift / d.module) : std::string());
    c.emplace_back("totalTolerance", r.totalTolerance > 0 ? shortestNumber(r.totalTolerance) : std::string());
    c.emplace_back("effectiveVariation", r.effectiveVariation > 0 ? shortestNumber(r.effectiveVariation) : std::string());
    const std::string size = d.internal ? "spaceWidth" : "toothThickness";
    for (const Limit &l : limits(r.thickness))
        c.emplace_back(size + "." + l.name, number(l.value));
    c.emplace_back("pins.diameter", shortestNumber(r.pinDiameter));
    c.emplace_back("pins.proposed", shortestNumber(r.proposedPin));
    c.emplace_back("pins.contactDiameter", number(r.contactDiameter));
    for (const Limit &l : limits(r.dimension))
        c.emplace_back(std::string("pins.dimension.") + l.name, number(l.value));
    c.emplace_back("measured.value", r.measured ? shortestNumber(r.measured->value) : std::string());
    c.emplace_back("measured.size", r.measured ? number(r.measured->size) : std::string());
    c.emplace_back("measured.verdict", r.measured ? verdictCode(r.measured->verdict) : std::string());
    c.emplace_back("span.teeth", r.span ? shortestNumber(r.spanTeeth) : std::string());
    c.emplace_back("span.length", number(r.span));
    c.emplace_back("span.actualMax", number(r.spanMax));
    c.emplace_back("span.actualMin", number(r.spanMin));
    std::string codes;
    for (SplineWarning w : r.warnings)
        codes += (codes.empty() ? "" : " | ") + std::string(warningCode(w));
    c.emplace_back("warningCodes", codes);
    return c;
}

std::string splineJson(const SplineResult &r, const TextTranslator &tr)
{
    const SplineDesignation &d = r.input.designation;
    const auto sizes = [&](JsonObject &j, std::string_view name, const std::optional<SplineLimits> &l) {
        // Without tolerances only the nominal; without a dimension, null.
        if (!l) {
            j.null(name);
            return;
        }
        JsonObject size;
        for (const Limit &x : limits(l)) {
            if (x.value)
                size.number(x.name, *x.value);
        }
        j.object(name, size);
    };
    const auto positive = [](double v) { return v > 0 ? std::optional(v) : std::nullopt; };
    JsonObject j;
    j.text("standard", d.standard == SplineStandard::Iso4156 ? "ISO 4156" : "DIN 5480");
    j.boolean("internal", d.internal);
    j.number("module", d.module);
    j.number("teeth", d.teeth);
    j.number("pressureAngle", d.pressureAngle);
    j.text("rootForm", rootName(d));
    j.number("class", d.toleranceClass ? std::optional<double>(d.toleranceClass) : std::nullopt);
    if (d.fit.empty())
        j.null("fit");
    else
        j.text("fit", d.fit);
    j.number("referenceDiameter", r.referenceDiameter);
    j.number("baseDiameter", r.baseDiameter);
    j.number("majorDiameter", r.majorDiameter);
    j.number("minorDiameter", r.minorDiameter);
    j.number("formDiameter", r.formDiameter);
    if (d.standard == SplineStandard::Din5480) {
        j.number("dB", d.referenceDiameter);
        j.number("profileShift", r.profileShift / d.module);
    }
    j.number("totalTolerance", positive(r.totalTolerance));
    j.number("effectiveVariation", positive(r.effectiveVariation));
    sizes(j, d.internal ? "spaceWidth" : "toothThickness", r.thickness);
    JsonObject pins;
    pins.number("diameter", r.pinDiameter).number("proposed", r.proposedPin).number("contactDiameter", r.contactDiameter);
    sizes(pins, "dimension", r.dimension);
    j.object("pins", pins);
    if (r.measured)
        j.object("measured", JsonObject()
                                 .number("value", r.measured->value)
                                 .number("size", r.measured->size)
                                 .text("verdict", verdictCode(r.measured->verdict)));
    if (r.span) {
        JsonObject span;
        span.number("teeth", r.spanTeeth).number("length", r.span);
        if (r.spanMax)
            span.number("actualMax", r.spanMax).number("actualMin", r.spanMin);
        j.object("span", span);
    }
    std::vector<std::string> codes;
    for (SplineWarning w : r.warnings)
        codes.emplace_back(warningCode(w));
    return j.texts("warnings", splineWarningMessages(r, tr)).texts("warningCodes", codes).document();
}

std::string splineHeading(const SplineResult &r, const TextTranslator &tr)
{
    const SplineDesignation &d = r.input.designation;
    const std::string kind = translated(tr, d.internal ? QT_TRANSLATE_NOOP("Spline", "内花键") : QT_TRANSLATE_NOOP("Spline", "外花键"));
    std::string head = std::string(d.standard == SplineStandard::Iso4156 ? "ISO 4156" : "DIN 5480") + "  " + kind + "  z = "
                       + shortestNumber(d.teeth) + "  m = " + shortestNumber(d.module) + "  " + rootName(d);
    if (d.toleranceClass)
        head += "  " + shortestNumber(d.toleranceClass) + d.fit;
    return head;
}

std::vector<SplineRow> splineRows(const SplineResult &r, const TextTranslator &tr)
{
    const SplineDesignation &d = r.input.designation;
    std::vector<SplineRow> rows;
    const auto single = [&](const char *name, double value, int decimals = 4, const char *unit = "mm") {
        rows.push_back({translated(tr, name), unit, {value}, decimals});
    };
    const auto sized = [&](const char *name, const std::optional<SplineLimits> &l) {
        SplineRow row{translated(tr, name), "mm", {}, 4};
        for (const Limit &x : limits(l))
            row.values.push_back(x.value);
        rows.push_back(row);
    };
    single(QT_TRANSLATE_NOOP("Spline", "分度圆直径 D"), r.referenceDiameter);
    single(QT_TRANSLATE_NOOP("Spline", "基圆直径 Db"), r.baseDiameter);
    single(QT_TRANSLATE_NOOP("Spline", "周节 p"), r.circularPitch);
    single(QT_TRANSLATE_NOOP("Spline", "大径"), r.majorDiameter);
    single(QT_TRANSLATE_NOOP("Spline", "小径"), r.minorDiameter);
    if (r.formDiameter)
        single(QT_TRANSLATE_NOOP("Spline", "渐开线起始圆直径 DF"), *r.formDiameter);
    if (d.standard == SplineStandard::Din5480)
        single(QT_TRANSLATE_NOOP("Spline", "变位系数 x"), r.profileShift / d.module, 4, "");
    if (r.totalTolerance > 0)
        single(QT_TRANSLATE_NOOP("Spline", "总公差 T+λ"), r.totalTolerance);
    if (r.effectiveVariation > 0)
        single(QT_TRANSLATE_NOOP("Spline", "综合公差 λ"), r.effectiveVariation);
    sized(d.internal ? QT_TRANSLATE_NOOP("Spline", "齿槽宽 E") : QT_TRANSLATE_NOOP("Spline", "齿厚 S"), r.thickness);
    single(QT_TRANSLATE_NOOP("Spline", "量棒直径 DR"), r.pinDiameter);
    single(QT_TRANSLATE_NOOP("Spline", "建议量棒直径"), r.proposedPin);
    if (r.contactDiameter)
        single(QT_TRANSLATE_NOOP("Spline", "量棒接触圆直径"), *r.contactDiameter);
    sized(d.internal ? QT_TRANSLATE_NOOP("Spline", "棒间距 M") : QT_TRANSLATE_NOOP("Spline", "跨棒距 M"), r.dimension);
    if (r.span) {
        rows.push_back({filled(translated(tr, QT_TRANSLATE_NOOP("Spline", "公法线长度 W（k = %1）")), shortestNumber(r.spanTeeth)), "mm",
                        {*r.span, r.spanMax, r.spanMin}, 4});
    }
    return rows;
}

std::vector<std::string> splineColumnHeadings(const TextTranslator &tr)
{
    return {translated(tr, QT_TRANSLATE_NOOP("Spline", "项目")), translated(tr, QT_TRANSLATE_NOOP("Spline", "单位")),
            translated(tr, QT_TRANSLATE_NOOP("Spline", "公称")), translated(tr, QT_TRANSLATE_NOOP("Spline", "实际最大")),
            translated(tr, QT_TRANSLATE_NOOP("Spline", "实际最小")), translated(tr, QT_TRANSLATE_NOOP("Spline", "作用最大")),
            translated(tr, QT_TRANSLATE_NOOP("Spline", "作用最小"))};
}

std::vector<std::vector<std::string>> splineTableCells(const SplineResult &r, const TextTranslator &tr)
{
    std::vector<std::vector<std::string>> cells{splineColumnHeadings(tr)};
    for (const SplineRow &row : splineRows(r, tr)) {
        std::vector<std::string> line{row.name, row.unit};
        for (const std::optional<double> &v : row.values)
            line.push_back(v ? sheetNumber(*v, row.decimals) : std::string());
        line.resize(cells.front().size());
        cells.push_back(std::move(line));
    }
    return cells;
}

std::string splineText(const SplineResult &r, const TextTranslator &tr)
{
    std::string out = splineHeading(r, tr) + "\n" + alignedText(splineTableCells(r, tr));
    if (const std::string m = splineMeasuredLine(r, tr); !m.empty())
        out += m + "\n";
    for (const std::string &w : splineWarningMessages(r, tr))
        out += "! " + w + "\n";
    return out;
}

} // namespace geardim
