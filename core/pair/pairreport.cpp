#include "core/pair/pairreport.h"

#include "core/common/json.h"

#include <algorithm>

#include "core/common/translatable.h"

namespace geardim {
namespace {

const char *kContext = "Pair";

std::string tr_(const TextTranslator &tr, const char *text) { return translated(tr, kContext, text); }

} // namespace

int pairDecimals(const PairResult &r) { return lengthDecimals(r.unit); }

PairTable pairGearTable(const PairResult &r, const TextTranslator &tr)
{
    const std::string unit = unitName(r.unit);
    const int d = pairDecimals(r);
    PairTable t{{tr_(tr, QT_TRANSLATE_NOOP("Pair", "项目")), tr_(tr, QT_TRANSLATE_NOOP("Pair", "单位")),
                 tr_(tr, QT_TRANSLATE_NOOP("Pair", "齿轮 1")), tr_(tr, QT_TRANSLATE_NOOP("Pair", "齿轮 2"))},
                {}};
    const auto row = [&](const char *name, const std::string &u, double one, double two, int decimals) {
        t.rows.push_back({tr_(tr, name), u, {one, two}, decimals});
    };
    const SheetResult &g1 = r.gear1.sheet, &g2 = r.gear2.sheet;
    row(QT_TRANSLATE_NOOP("Pair", "齿数 z"), "", g1.teeth, g2.teeth, 0);
    row(r.gear2.shiftSolved ? QT_TRANSLATE_NOOP("Pair", "变位系数 x（齿轮 2 由中心距求得）") : QT_TRANSLATE_NOOP("Pair", "变位系数 x"), "",
        r.gear1.shift, r.gear2.shift, 6);
    row(QT_TRANSLATE_NOOP("Pair", "分度圆直径 d"), unit, g1.referenceDiameter, g2.referenceDiameter, d);
    row(QT_TRANSLATE_NOOP("Pair", "基圆直径 db"), unit, g1.baseDiameter, g2.baseDiameter, d);
    row(QT_TRANSLATE_NOOP("Pair", "齿顶圆直径 da"), unit, g1.tipDiameter, g2.tipDiameter, d);
    row(QT_TRANSLATE_NOOP("Pair", "齿根圆直径 df"), unit, r.gear1.rootDiameter, r.gear2.rootDiameter, d);
    row(QT_TRANSLATE_NOOP("Pair", "节圆直径 dw"), unit, r.gear1.workingDiameter, r.gear2.workingDiameter, d);
    row(QT_TRANSLATE_NOOP("Pair", "齿厚上偏差 Esns"), unit, g1.allowanceUpper, g2.allowanceUpper, d);
    row(QT_TRANSLATE_NOOP("Pair", "齿厚下偏差 Esni"), unit, g1.allowanceLower, g2.allowanceLower, d);
    row(QT_TRANSLATE_NOOP("Pair", "法向齿厚 sn（上限）"), unit, g1.thickness.max, g2.thickness.max, d);
    row(QT_TRANSLATE_NOOP("Pair", "法向齿厚 sn（下限）"), unit, g1.thickness.min, g2.thickness.min, d);
    row(QT_TRANSLATE_NOOP("Pair", "齿顶间隙 c"), unit, r.tipClearance1, r.tipClearance2, d);
    return t;
}

PairTable pairTable(const PairResult &r, const TextTranslator &tr)
{
    const std::string unit = unitName(r.unit);
    const int d = pairDecimals(r);
    PairTable t{{tr_(tr, QT_TRANSLATE_NOOP("Pair", "项目")), tr_(tr, QT_TRANSLATE_NOOP("Pair", "单位")),
                 tr_(tr, QT_TRANSLATE_NOOP("Pair", "公称")), tr_(tr, QT_TRANSLATE_NOOP("Pair", "最小")),
                 tr_(tr, QT_TRANSLATE_NOOP("Pair", "最大"))},
                {}};
    const auto row = [&](const char *name, const std::string &u, std::optional<double> nominal, std::optional<double> least,
                         std::optional<double> most, int decimals) { t.rows.push_back({tr_(tr, name), u, {nominal, least, most}, decimals}); };
    const double lowerSum = r.gear1.sheet.shiftAtLower + r.gear2.sheet.shiftAtLower;
    const double upperSum = r.gear1.sheet.shiftAtUpper + r.gear2.sheet.shiftAtUpper;
    row(QT_TRANSLATE_NOOP("Pair", "变位系数和 Σx（齿厚偏差时 ΣxE）"), "", r.sumShift, std::min(lowerSum, upperSum),
        std::max(lowerSum, upperSum), 6);
    row(QT_TRANSLATE_NOOP("Pair", "标准中心距 a"), unit, r.referenceCentreDistance, std::nullopt, std::nullopt, d);
    row(QT_TRANSLATE_NOOP("Pair", "无侧隙中心距 a0（公称齿厚）"), unit, r.tightMeshCentreDistance, std::nullopt, std::nullopt, d);
    row(r.centreDistanceGiven ? QT_TRANSLATE_NOOP("Pair", "中心距 a") : QT_TRANSLATE_NOOP("Pair", "中心距 a（= a0）"), unit,
        r.centreDistance.nominal, r.centreDistance.min, r.centreDistance.max, d);
    row(QT_TRANSLATE_NOOP("Pair", "端面啮合角 αwt"), "°", r.workingPressureAngleDeg, std::nullopt, std::nullopt, 4);
    row(QT_TRANSLATE_NOOP("Pair", "圆周侧隙 jwt（节圆上）"), unit, std::nullopt, r.circumferential.min, r.circumferential.max, d);
    row(QT_TRANSLATE_NOOP("Pair", "法向侧隙 jbn"), unit, std::nullopt, r.normal.min, r.normal.max, d);
    row(QT_TRANSLATE_NOOP("Pair", "推荐最小法向侧隙 jbn,min（ISO/TR 10064-2）"), unit, r.recommendedMinimum, std::nullopt, std::nullopt, d);
    row(QT_TRANSLATE_NOOP("Pair", "端面重合度 εα"), "", r.transverseContactRatio, std::nullopt, std::nullopt, 4);
    if (r.overlapRatio) {
        row(QT_TRANSLATE_NOOP("Pair", "纵向重合度 εβ"), "", *r.overlapRatio, std::nullopt, std::nullopt, 4);
        row(QT_TRANSLATE_NOOP("Pair", "总重合度 εγ"), "", r.totalContactRatio, std::nullopt, std::nullopt, 4);
    }
    return t;
}

std::vector<std::string> pairWarningMessages(const PairResult &r, const TextTranslator &tr)
{
    std::vector<std::string> out;
    const int d = pairDecimals(r);
    const std::string unit = std::string(" ") + unitName(r.unit);
    for (PairWarning w : r.warnings) {
        switch (w) {
        case PairWarning::BacklashNegative:
            out.push_back(filled(tr_(tr, QT_TRANSLATE_NOOP("Pair", "最小法向侧隙为 %1：齿厚上偏差与最小中心距下两齿轮会卡死。请减小齿厚上偏差或加大中心距。")),
                                 sheetNumber(r.normal.min, d) + unit));
            break;
        case PairWarning::BacklashBelowRecommended:
            out.push_back(secondFilled(filled(tr_(tr, QT_TRANSLATE_NOOP("Pair", "最小法向侧隙 %1 小于 ISO/TR 10064-2 推荐的 %2。")),
                                              sheetNumber(r.normal.min, d) + unit),
                                       sheetNumber(r.recommendedMinimum, d) + unit));
            break;
        case PairWarning::TipClearanceSmall:
            out.push_back(filled(tr_(tr, QT_TRANSLATE_NOOP("Pair", "齿顶间隙小于 0.1·mn（%1）：请检查齿顶圆直径或考虑齿顶降低。")),
                                 sheetNumber(std::min(r.tipClearance1, r.tipClearance2), d) + unit));
            break;
        case PairWarning::ContactRatioBelowOne:
            out.push_back(tr_(tr, QT_TRANSLATE_NOOP("Pair", "重合度小于 1：啮合不连续。请检查中心距和齿顶圆直径。")));
            break;
        }
    }
    return out;
}

std::vector<std::vector<std::string>> pairTableCells(const PairTable &table)
{
    std::vector<std::vector<std::string>> cells{table.headings};
    for (const PairRow &row : table.rows) {
        std::vector<std::string> line{row.name, row.unit};
        for (const std::optional<double> &v : row.values)
            line.push_back(v ? sheetNumber(*v, row.decimals) : std::string());
        cells.push_back(line);
    }
    return cells;
}

std::string pairText(const PairResult &r, const TextTranslator &tr)
{
    std::string out = filled(tr_(tr, QT_TRANSLATE_NOOP("Pair", "齿轮副：mn = %1")), shortestNumber(r.module)) + " " + unitName(r.unit)
                      + ", αn = " + shortestNumber(r.pressureAngleDeg) + "°, β = " + shortestNumber(r.helixAngleDeg) + "°\n";
    out += alignedText(pairTableCells(pairGearTable(r, tr)));
    out += "\n" + alignedText(pairTableCells(pairTable(r, tr)));
    for (const std::string &w : pairWarningMessages(r, tr))
        out += "! " + w + "\n";
    return out;
}

std::vector<std::pair<std::string, std::string>> pairColumns(const PairResult &r)
{
    std::vector<std::pair<std::string, std::string>> c;
    const auto add = [&](const std::string &name, const std::optional<double> &v) { c.emplace_back(name, v ? shortestNumber(*v) : std::string()); };
    add("module", r.module);
    add("pressureAngle", r.pressureAngleDeg);
    add("helixAngle", r.helixAngleDeg);
    for (const auto &[name, g] : {std::pair{"gear1", &r.gear1}, std::pair{"gear2", &r.gear2}}) {
        const std::string n = name;
        add(n + ".teeth", g->sheet.teeth);
        add(n + ".shift", g->shift);
        add(n + ".tipDiameter", g->sheet.tipDiameter);
        add(n + ".rootDiameter", g->rootDiameter);
        add(n + ".allowanceUpper", g->sheet.allowanceUpper);
        add(n + ".allowanceLower", g->sheet.allowanceLower);
    }
    add("sumShift", r.sumShift);
    add("referenceCentreDistance", r.referenceCentreDistance);
    add("centreDistance.nominal", r.centreDistance.nominal);
    add("centreDistance.max", r.centreDistance.max);
    add("centreDistance.min", r.centreDistance.min);
    add("tightMeshCentreDistance", r.tightMeshCentreDistance);
    add("workingPressureAngle", r.workingPressureAngleDeg);
    add("backlash.circumferential.min", r.circumferential.min);
    add("backlash.circumferential.max", r.circumferential.max);
    add("backlash.normal.min", r.normal.min);
    add("backlash.normal.max", r.normal.max);
    add("backlash.recommendedMinimum", r.recommendedMinimum);
    add("contactRatio.transverse", r.transverseContactRatio);
    add("contactRatio.overlap", r.overlapRatio);
    add("contactRatio.total", r.totalContactRatio);
    add("tipClearance.gear1", r.tipClearance1);
    add("tipClearance.gear2", r.tipClearance2);
    std::string codes;
    for (PairWarning w : r.warnings)
        codes += (codes.empty() ? "" : " | ") + std::string(pairWarningCode(w));
    c.emplace_back("warningCodes", codes);
    return c;
}

std::string pairCsv(const PairResult &r) { return csvRecord(pairColumns(r)); }

std::string pairJson(const PairResult &r, const TextTranslator &tr)
{
    const auto gear = [&](const PairGearResult &g) {
        return JsonObject()
            .number("teeth", g.sheet.teeth)
            .number("shift", g.shift)
            .boolean("shiftSolved", g.shiftSolved)
            .number("referenceDiameter", g.sheet.referenceDiameter)
            .number("baseDiameter", g.sheet.baseDiameter)
            .number("tipDiameter", g.sheet.tipDiameter)
            .number("rootDiameter", g.rootDiameter)
            .number("workingDiameter", g.workingDiameter)
            .object("allowances", JsonObject().number("upper", g.sheet.allowanceUpper).number("lower", g.sheet.allowanceLower));
    };
    const auto range = [](double low, double high, const char *lowName = "min", const char *highName = "max") {
        return JsonObject().number(lowName, low).number(highName, high);
    };
    JsonObject j;
    j.text("unit", unitName(r.unit));
    j.number("module", r.module);
    j.number("pressureAngle", r.pressureAngleDeg);
    j.number("helixAngle", r.helixAngleDeg);
    j.object("gear1", gear(r.gear1));
    j.object("gear2", gear(r.gear2));
    j.number("sumShift", r.sumShift);
    j.number("referenceCentreDistance", r.referenceCentreDistance);
    j.object("centreDistance", JsonObject()
                                   .number("nominal", r.centreDistance.nominal)
                                   .number("max", r.centreDistance.max)
                                   .number("min", r.centreDistance.min));
    j.number("tightMeshCentreDistance", r.tightMeshCentreDistance);
    j.number("workingPressureAngle", r.workingPressureAngleDeg);
    j.object("backlash", JsonObject()
                             .object("circumferential", range(r.circumferential.min, r.circumferential.max))
                             .object("normal", range(r.normal.min, r.normal.max))
                             .number("recommendedMinimum", r.recommendedMinimum));
    j.object("contactRatio", JsonObject()
                                 .number("transverse", r.transverseContactRatio)
                                 .number("overlap", r.overlapRatio)
                                 .number("total", r.totalContactRatio));
    j.object("tipClearance", range(r.tipClearance1, r.tipClearance2, "gear1", "gear2"));
    std::vector<std::string> codes;
    for (PairWarning w : r.warnings)
        codes.emplace_back(pairWarningCode(w));
    return j.texts("warnings", pairWarningMessages(r, tr)).texts("warningCodes", codes).document();
}

std::string pairFailureText(const PairFailure &failure, const TextTranslator &tr)
{
    const std::string text = translated(tr, "Failure", failureText(failure.failure));
    if (failure.gear == 0)
        return text;
    return filled(tr_(tr, QT_TRANSLATE_NOOP("Pair", "齿轮 %1：")), std::to_string(failure.gear)) + text;
}

} // namespace geardim
