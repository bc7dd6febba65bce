#include "core/sheet/sheetreport.h"

#include "core/common/failure.h"
#include "core/common/json.h"
#include "core/common/translatable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace geardim {
namespace {

SheetRow limitRow(std::string quantity, std::string unit, const Limits &l)
{
    return {std::move(quantity), std::move(unit), l.nominal, l.max, l.min, false,
            std::pair{l.max - l.nominal, l.min - l.nominal}, {}, std::nullopt, std::nullopt};
}

SheetRow singleRow(std::string quantity, std::string unit, double value, bool whole = false)
{
    return {std::move(quantity), std::move(unit), value, std::nullopt, std::nullopt, whole, std::nullopt, {}, std::nullopt, std::nullopt};
}

std::string padded(const std::string &text, std::size_t width, bool right)
{
    const std::size_t w = displayWidth(text);
    const std::string pad(w < width ? width - w : 0, ' ');
    return right ? pad + text : text + pad;
}

std::vector<std::string> warningTexts(const SheetResult &r, const TextTranslator &tr)
{
    return sheetWarningMessages(r, tr);
}


const char *gaugeKindName(GaugeKind kind) { return kind == GaugeKind::Ball ? "ball" : "pin"; }

} // namespace

const char *measuredCaption(MeasuredDimension dimension, const SheetResult &r)
{
    const bool balls = r.gauge == GaugeKind::Ball;
    switch (dimension) {
    case MeasuredDimension::OverGauges:
        return r.internal ? (balls ? QT_TRANSLATE_NOOP("Sheet", "球间距 M") : QT_TRANSLATE_NOOP("Sheet", "棒间距 M"))
                          : (balls ? QT_TRANSLATE_NOOP("Sheet", "跨球距 M") : QT_TRANSLATE_NOOP("Sheet", "跨棒距 M"));
    case MeasuredDimension::Span: return QT_TRANSLATE_NOOP("Sheet", "公法线长度 W");
    case MeasuredDimension::ChordalThickness: return QT_TRANSLATE_NOOP("Sheet", "分度圆弦齿厚");
    case MeasuredDimension::ConstantChord: return QT_TRANSLATE_NOOP("Sheet", "固定弦齿厚");
    case MeasuredDimension::TestDistance: return QT_TRANSLATE_NOOP("Sheet", "双啮中心距 a″");
    }
    return "";
}

std::vector<std::string> sheetMeasuredLines(const SheetResult &r, const TextTranslator &tr)
{
    const int decimals = sheetDecimals(r);
    std::vector<std::string> lines;
    for (const SheetResult::Measurement &m : r.measurements) {
        std::string line = translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "实测 ")) + translated(tr, "Sheet", measuredCaption(m.dimension, r))
                           + " = " + sheetNumber(m.value, decimals) + translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "："));
        if (m.outcome.measured) {
            const Measured &e = *m.outcome.measured;
            line += filled(translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "实际齿厚 sn = %1")), sheetNumber(e.thickness, decimals))
                    + translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "，")) + filled(translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "实际偏差 E = %1")), sheetSignedNumber(e.allowance, decimals))
                    + translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "，")) + filled(translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "x_E = %1")), sheetNumber(e.shift, 4))
                    + translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "，")) + translated(tr, "Verdict", verdictText(e.verdict));
        } else if (m.outcome.failure) {
            line += translated(tr, "Failure", failureText(*m.outcome.failure));
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> sheetWarningMessages(const SheetResult &r, const TextTranslator &tr)
{
    std::vector<std::string> out;
    for (SheetWarning w : r.warnings) {
        const std::string text = translated(tr, "SheetWarning", sheetWarningText(w));
        out.push_back(w == SheetWarning::Undercut ? filled(text, sheetNumber(r.leastShiftWithoutUndercut, 4)) : text);
    }
    return out;
}

std::string sheetRowName(const SheetRow &row, const TextTranslator &tr)
{
    // The tolerances of an inch gear carry a second text, their value in 0.0001 in.
    const std::string suffix = "（= %1 × 0.0001 in）";
    if (const auto at = row.quantity.find(suffix); at != std::string::npos && at > 0)
        return translated(tr, "Sheet", row.quantity.substr(0, at).c_str())
               + filled(translated(tr, "Sheet", suffix.c_str()), row.argument);
    return filled(translated(tr, "Sheet", row.quantity.c_str()), row.argument);
}

std::string sheetDeviations(double upper, double lower, int decimals)
{
    return sheetSignedNumber(upper, decimals) + "/" + sheetSignedNumber(lower, decimals);
}

std::vector<SheetRow> sheetRows(const SheetResult &r)
{
    // Whole names, so each is one text to translate.
    const std::string mm = unitName(r.unit);
    const bool balls = r.gauge == GaugeKind::Ball;
    std::vector<SheetRow> rows;
    rows.push_back(singleRow(QT_TRANSLATE_NOOP("Sheet", "分度圆直径 d"), mm, r.referenceDiameter));
    rows.push_back(singleRow(QT_TRANSLATE_NOOP("Sheet", "基圆直径 db"), mm, r.baseDiameter));
    rows.push_back(singleRow(QT_TRANSLATE_NOOP("Sheet", "齿顶圆直径 da"), mm, r.tipDiameter));
    rows.push_back({QT_TRANSLATE_NOOP("Sheet", "变位系数 x"), "", r.shift, std::max(r.shiftAtUpper, r.shiftAtLower),
                    std::min(r.shiftAtUpper, r.shiftAtLower), false, std::nullopt, {}, std::nullopt, std::nullopt});
    rows.push_back(limitRow(QT_TRANSLATE_NOOP("Sheet", "法向齿厚 sn"), mm, r.thickness));
    if (r.chordalThickness) {
        rows.push_back(limitRow(QT_TRANSLATE_NOOP("Sheet", "分度圆弦齿厚"), mm, *r.chordalThickness));
        rows.back().measured = MeasuredDimension::ChordalThickness;
        rows.push_back(limitRow(QT_TRANSLATE_NOOP("Sheet", "弦齿高"), mm, *r.chordalHeight));
    }
    // A low tip can leave the constant chord above it while the chord on the reference circle
    // still lies below: each pair of rows stands on its own.
    if (r.constantChord) {
        rows.push_back(limitRow(QT_TRANSLATE_NOOP("Sheet", "固定弦齿厚"), mm, *r.constantChord));
        rows.back().measured = MeasuredDimension::ConstantChord;
        rows.push_back(limitRow(QT_TRANSLATE_NOOP("Sheet", "固定弦齿高"), mm, *r.constantChordHeight));
    }
    if (r.tipThickness)
        rows.push_back(limitRow(QT_TRANSLATE_NOOP("Sheet", "齿顶厚 sa"), mm, *r.tipThickness));
    if (r.span) {
        rows.push_back(singleRow(QT_TRANSLATE_NOOP("Sheet", "跨测齿数 k"), "", r.span->teeth, true));
        rows.push_back(limitRow(QT_TRANSLATE_NOOP("Sheet", "公法线长度 W"), mm, r.span->length));
        rows.back().measured = MeasuredDimension::Span;
        rows.push_back(singleRow(QT_TRANSLATE_NOOP("Sheet", "公法线接触圆直径"), mm, r.span->contactDiameter));
        // The spans beside k, so that the inspector can pick the one the fixture takes.
        for (const SpanNeighbour &n : r.span->neighbours) {
            SheetRow row = singleRow(QT_TRANSLATE_NOOP("Sheet", "公法线长度 W（k = %1）"), mm, n.nominal);
            row.argument = std::to_string(n.teeth);
            rows.push_back(std::move(row));
        }
    }
    const char *gauge = balls ? (r.gaugeProposed ? QT_TRANSLATE_NOOP("Sheet", "量球直径 D（建议）")
                                                 : QT_TRANSLATE_NOOP("Sheet", "量球直径 D"))
                              : (r.gaugeProposed ? QT_TRANSLATE_NOOP("Sheet", "量棒直径 D（建议）")
                                                 : QT_TRANSLATE_NOOP("Sheet", "量棒直径 D"));
    rows.push_back(singleRow(gauge, mm, r.gaugeDiameter));
    const char *over = r.internal ? (balls ? QT_TRANSLATE_NOOP("Sheet", "球间距 M") : QT_TRANSLATE_NOOP("Sheet", "棒间距 M"))
                                  : (balls ? QT_TRANSLATE_NOOP("Sheet", "跨球距 M") : QT_TRANSLATE_NOOP("Sheet", "跨棒距 M"));
    rows.push_back(limitRow(over, mm, r.overGauges));
    rows.back().measured = MeasuredDimension::OverGauges;
    rows.push_back(limitRow(balls ? QT_TRANSLATE_NOOP("Sheet", "单球径向尺寸") : QT_TRANSLATE_NOOP("Sheet", "单棒径向尺寸"), mm,
                            r.radial));
    rows.push_back(limitRow(balls ? QT_TRANSLATE_NOOP("Sheet", "量球接触圆直径") : QT_TRANSLATE_NOOP("Sheet", "量棒接触圆直径"),
                            mm, r.gaugeContactDiameter));
    // The double-flank test against the master gear.
    if (r.testCentreDistance) {
        rows.push_back(limitRow(QT_TRANSLATE_NOOP("Sheet", "双啮中心距 a″"), mm, *r.testCentreDistance));
        rows.back().measured = MeasuredDimension::TestDistance;
    }
    // Flank tolerances by the accuracy class, in µm (and in 0.0001 in beside an inch gear).
    if (r.accuracy) {
        const FlankTolerances &t = *r.accuracy;
        const bool inches = r.unit == LengthUnit::Inch;
        for (const auto &[name, value] :
             {std::pair{QT_TRANSLATE_NOOP("Sheet", "单个齿距公差 fpT"), t.singlePitch},
              {QT_TRANSLATE_NOOP("Sheet", "齿距累积总公差 FpT"), t.cumulativePitch},
              {QT_TRANSLATE_NOOP("Sheet", "齿廓倾斜公差 fHαT"), t.profileSlope},
              {QT_TRANSLATE_NOOP("Sheet", "齿廓形状公差 ffαT"), t.profileForm},
              {QT_TRANSLATE_NOOP("Sheet", "齿廓总公差 FαT"), t.profileTotal},
              {QT_TRANSLATE_NOOP("Sheet", "螺旋线倾斜公差 fHβT"), t.helixSlope},
              {QT_TRANSLATE_NOOP("Sheet", "螺旋线形状公差 ffβT"), t.helixForm},
              {QT_TRANSLATE_NOOP("Sheet", "螺旋线总公差 FβT"), t.helixTotal},
              {QT_TRANSLATE_NOOP("Sheet", "径向跳动公差 FrT"), t.runout}}) {
            SheetRow row = singleRow(name, "µm", value);
            row.decimals = 1;
            if (inches) {
                row.quantity += QT_TRANSLATE_NOOP("Sheet", "（= %1 × 0.0001 in）");
                row.argument = sheetNumber(value / 2.54, 1);
            }
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::string allowanceSourceNote(const SheetResult &r, const TextTranslator &tr)
{
    const SheetInput &in = r.input;
    if (in.allowanceCode.empty())
        return {};
    const char *note = !in.allowancesFromCode                 ? QT_TRANSLATE_NOOP("Report", "齿厚偏差按输入值，未用代号 %1。")
                       : !in.allowanceUpperGiven && !in.allowanceLowerGiven ? QT_TRANSLATE_NOOP("Report", "齿厚偏差按代号 %1 取自偏差表。")
                       : in.allowanceUpperGiven                ? QT_TRANSLATE_NOOP("Report", "上偏差按输入值，下偏差按代号 %1 取自偏差表。")
                                                               : QT_TRANSLATE_NOOP("Report", "下偏差按输入值，上偏差按代号 %1 取自偏差表。");
    return filled(translated(tr, "Report", note), in.allowanceCode);
}

std::string sheetText(const SheetResult &r, const TextTranslator &tr)
{
    auto cells = sheetTableCells(r, tr);
    cells.front()[0].clear(); // the row names and units need no heading on a terminal
    cells.front()[1].clear();
    std::array<std::size_t, kSheetColumns> widths{};
    for (const auto &line : cells) {
        for (std::size_t c = 0; c < kSheetColumns; ++c)
            widths[c] = std::max(widths[c], displayWidth(line[c]));
    }
    std::string out;
    for (const auto &line : cells) {
        std::string text = padded(line[0], widths[0], false) + "  " + padded(line[1], widths[1], false);
        for (std::size_t c = 2; c < kSheetColumns; ++c)
            text += "  " + padded(line[c], widths[c], c + 1 < kSheetColumns);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        out += text + "\n";
    }
    if (const std::string note = allowanceSourceNote(r, tr); !note.empty())
        out += note + "\n";
    for (const std::string &line : sheetMeasuredLines(r, tr))
        out += line + "\n";
    for (const std::string &w : warningTexts(r, tr))
        out += translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "注意：")) + w + "\n";
    return out;
}

namespace {

// Walks every result column in order, named as in the JSON, nested names joined by
// dots (a number for a place in a list: "span.neighbours.0.teeth"). The visitor gets
// number, empty, text, boolean and list (texts, joined by a separator in one CSV cell).
// Every format is written from this one walk: the CSV, its batch fast path and the JSON.
template <typename Visitor>
void visitColumns(const SheetResult &r, Visitor &v, const TextTranslator &tr)
{
    const auto limits = [&](std::string_view key, const std::optional<Limits> &l) {
        if (l) {
            v.number(key, ".nominal", l->nominal);
            v.number(key, ".max", l->max);
            v.number(key, ".min", l->min);
            v.number(key, ".deviations.upper", l->max - l->nominal);
            v.number(key, ".deviations.lower", l->min - l->nominal);
        } else {
            for (const char *part : {".nominal", ".max", ".min", ".deviations.upper", ".deviations.lower"})
                v.empty(key, part);
        }
    };
    const auto optionalNumber = [&](std::string_view key, const std::optional<double> &value) {
        if (value)
            v.number(key, "", *value);
        else
            v.empty(key, "");
    };
    v.text("units", "", unitName(r.unit));
    v.number("gear.module", "", r.module);
    optionalNumber("gear.diametralPitch", r.input.diametralPitch);
    v.number("gear.teeth", "", r.teeth);
    v.number("gear.pressureAngle", "", r.pressureAngleDeg);
    v.number("gear.helixAngle", "", r.helixAngleDeg);
    v.number("gear.shift", "", r.shift);
    v.boolean("gear.internal", "", r.internal);
    v.number("gear.referenceDiameter", "", r.referenceDiameter);
    v.number("gear.baseDiameter", "", r.baseDiameter);
    v.number("gear.tipDiameter", "", r.tipDiameter);
    v.number("allowances.upper", "", r.allowanceUpper);
    v.number("allowances.lower", "", r.allowanceLower);
    // Which the sheet used: the typed allowances, or the code's row of the allowance table.
    if (r.input.allowanceCode.empty())
        v.empty("allowances.code", "");
    else
        v.text("allowances.code", "", r.input.allowanceCode);
    v.text("allowances.source", "", r.input.allowancesFromCode ? "code" : "typed");
    v.number("shift.nominal", "", r.shift);
    v.number("shift.atUpper", "", r.shiftAtUpper);
    v.number("shift.atLower", "", r.shiftAtLower);
    limits("thickness", std::optional<Limits>(r.thickness));
    limits("chordalThickness", r.chordalThickness);
    limits("chordalHeight", r.chordalHeight);
    limits("constantChord", r.constantChord);
    limits("constantChordHeight", r.constantChordHeight);
    limits("tipThickness", r.tipThickness);
    limits("overGauges", std::optional<Limits>(r.overGauges));
    limits("radial", std::optional<Limits>(r.radial));
    if (r.span)
        v.number("span.teeth", "", r.span->teeth);
    else
        v.empty("span.teeth", "");
    limits("span", r.span ? std::optional<Limits>(r.span->length) : std::nullopt);
    if (r.span)
        v.number("span.contactDiameter", "", r.span->contactDiameter);
    else
        v.empty("span.contactDiameter", "");
    if (r.span)
        v.boolean("span.chosen", "", r.span->chosen);
    else
        v.empty("span.chosen", "");
    // The neighbouring spans as the JSON's array: k − 1 first where it exists.
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string key = "span.neighbours." + std::to_string(i);
        if (r.span && i < r.span->neighbours.size()) {
            v.number(key, ".teeth", r.span->neighbours[i].teeth);
            v.number(key, ".nominal", r.span->neighbours[i].nominal);
        } else {
            v.empty(key, ".teeth");
            v.empty(key, ".nominal");
        }
    }
    v.text("gauge.kind", "", gaugeKindName(r.gauge));
    v.number("gauge.diameter", "", r.gaugeDiameter);
    v.boolean("gauge.proposed", "", r.gaugeProposed);
    optionalNumber("gauge.ideal", r.gaugeIdeal);
    limits("gauge.contactDiameter", std::optional<Limits>(r.gaugeContactDiameter));
    // Flank tolerances by the accuracy class, µm.
    if (r.accuracy) {
        v.text("accuracy.standard", "", kAccuracyStandard);
        v.number("accuracy.class", "", r.accuracy->accuracyClass);
    } else {
        v.empty("accuracy.standard", "");
        v.empty("accuracy.class", "");
    }
    for (const auto &[key, value] :
         {std::pair{".singlePitch", &FlankTolerances::singlePitch}, {".cumulativePitch", &FlankTolerances::cumulativePitch},
          {".profileSlope", &FlankTolerances::profileSlope}, {".profileForm", &FlankTolerances::profileForm},
          {".profileTotal", &FlankTolerances::profileTotal}, {".helixSlope", &FlankTolerances::helixSlope},
          {".helixForm", &FlankTolerances::helixForm}, {".helixTotal", &FlankTolerances::helixTotal},
          {".runout", &FlankTolerances::runout}}) {
        if (r.accuracy)
            v.number("accuracy", key, (*r.accuracy).*value);
        else
            v.empty("accuracy", key);
    }
    // The measured values: every column for each dimension, empty where none was given.
    const auto measured = [&](MeasuredDimension dimension) {
        const std::string key = std::string("measured.") + measuredName(dimension);
        const auto it = std::find_if(r.measurements.begin(), r.measurements.end(),
                                     [&](const SheetResult::Measurement &m) { return m.dimension == dimension; });
        const Measured *m = it != r.measurements.end() && it->outcome.measured ? &*it->outcome.measured : nullptr;
        if (it != r.measurements.end())
            v.number(key, ".value", it->value);
        else
            v.empty(key, ".value");
        if (m) {
            v.number(key, ".thickness", m->thickness);
            v.number(key, ".allowance", m->allowance);
            v.number(key, ".shift", m->shift);
            v.text(key, ".verdict", verdictCode(m->verdict));
        } else {
            for (const char *part : {".thickness", ".allowance", ".shift", ".verdict"})
                v.empty(key, part);
        }
        if (it != r.measurements.end() && it->outcome.failure)
            v.text(key, ".problem", translated(tr, "Failure", failureText(*it->outcome.failure)));
        else
            v.empty(key, ".problem");
    };
    for (MeasuredDimension dimension : kMeasuredDimensions) {
        if (dimension != MeasuredDimension::TestDistance)
            measured(dimension);
    }
    v.list("warnings", warningTexts(r, tr), " | ");
    std::vector<std::string> codes;
    for (SheetWarning w : r.warnings)
        codes.emplace_back(sheetWarningCode(w));
    v.list("warningCodes", codes, "|");
    // The double-flank test's columns came later: last, so a script's earlier columns keep
    // their places.
    limits("testCentreDistance", r.testCentreDistance);
    measured(MeasuredDimension::TestDistance);
}

std::string joined(std::string_view key, std::string_view suffix) { return std::string(key).append(suffix); }

std::string joinedItems(const std::vector<std::string> &items, std::string_view separator)
{
    std::string out;
    for (const std::string &item : items)
        out.append(out.empty() ? "" : separator).append(item);
    return out;
}

struct PairCollector {
    std::vector<std::pair<std::string, std::string>> columns;
    void number(std::string_view k, std::string_view s, double v) { columns.emplace_back(joined(k, s), shortestNumber(v)); }
    void empty(std::string_view k, std::string_view s) { columns.emplace_back(joined(k, s), std::string()); }
    void text(std::string_view k, std::string_view s, std::string_view v) { columns.emplace_back(joined(k, s), v); }
    void boolean(std::string_view k, std::string_view s, bool v) { columns.emplace_back(joined(k, s), v ? "true" : "false"); }
    void list(std::string_view k, const std::vector<std::string> &items, std::string_view separator)
    {
        columns.emplace_back(std::string(k), joinedItems(items, separator));
    }
};

// Appends the values as one CSV line's fields, each after a comma, without allocating per value.
struct CsvAppender {
    std::string &out;

    void number(std::string_view, std::string_view, double value)
    {
        char buf[32];
        char *end = buf;
        // Whole numbers (teeth, angles, spans) as integers and zero without a sign: the
        // same text as shortestNumber.
        if (value == std::trunc(value) && std::fabs(value) < 1e15)
            end = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value)).ptr;
        else if (const auto r = std::to_chars(buf, buf + sizeof buf, value); r.ec == std::errc())
            end = r.ptr;
        out += ',';
        out.append(buf, end);
    }
    void empty(std::string_view, std::string_view) { out += ','; }
    void text(std::string_view, std::string_view, std::string_view value)
    {
        out += ',';
        if (value.find_first_of(",\"\r\n") == std::string_view::npos)
            out += value;
        else
            out += csvField(std::string(value));
    }
    void boolean(std::string_view, std::string_view, bool value) { out += value ? ",true" : ",false"; }
    void list(std::string_view k, const std::vector<std::string> &items, std::string_view separator)
    {
        text(k, "", joinedItems(items, separator));
    }
};

struct NameCollector {
    std::vector<std::string> names;
    void number(std::string_view k, std::string_view s, double) { names.push_back(joined(k, s)); }
    void empty(std::string_view k, std::string_view s) { names.push_back(joined(k, s)); }
    void text(std::string_view k, std::string_view s, std::string_view) { names.push_back(joined(k, s)); }
    void boolean(std::string_view k, std::string_view s, bool) { names.push_back(joined(k, s)); }
    void list(std::string_view k, const std::vector<std::string> &, std::string_view) { names.emplace_back(k); }
};

// Builds the JSON document from the walk: dotted names become nested objects, a number
// a place in a list; an object or list place whose every value is absent is null (an
// internal gear's span), and absent places at a list's end are left out.
class JsonBuilder {
public:
    void number(std::string_view k, std::string_view s, double v) { add(joined(k, s), shortestNumber(v)); }
    void empty(std::string_view k, std::string_view s) { add(joined(k, s), std::string()); }
    void text(std::string_view k, std::string_view s, std::string_view v) { add(joined(k, s), jsonString(std::string(v))); }
    void boolean(std::string_view k, std::string_view s, bool v) { add(joined(k, s), v ? "true" : "false"); }
    void list(std::string_view k, const std::vector<std::string> &items, std::string_view)
    {
        std::string array = "[";
        for (std::size_t i = 0; i < items.size(); ++i)
            array += (i ? ", " : "") + jsonString(items[i]);
        add(std::string(k), array + "]");
    }

    std::string document() const
    {
        JsonObject out;
        for (const Node &child : root_.children)
            out.json(child.name, write(child));
        return out.document();
    }

private:
    struct Node {
        std::string name;
        std::string value; // a leaf's JSON text; empty: absent
        bool list = false;
        std::vector<Node> children;
    };

    static bool absent(const Node &n)
    {
        if (n.children.empty())
            return n.value.empty();
        return std::all_of(n.children.begin(), n.children.end(), absent);
    }

    static std::string write(const Node &n)
    {
        if (n.name == "measured" && absent(n))
            return "{}";
        if (absent(n))
            return "null";
        if (n.children.empty())
            return n.value;
        if (n.list) {
            std::size_t count = n.children.size();
            while (count > 0 && absent(n.children[count - 1]))
                --count;
            std::string out = "[";
            for (std::size_t i = 0; i < count; ++i)
                out += (i ? ", " : "") + write(n.children[i]);
            return out + "]";
        }
        JsonObject out;
        for (const Node &child : n.children) {
            // The measured values: only those given.
            if (n.name == "measured" && absent(child))
                continue;
            out.json(child.name, write(child));
        }
        return out.inlineText();
    }

    void add(const std::string &path, std::string value)
    {
        Node *at = &root_;
        std::size_t start = 0;
        for (;;) {
            const std::size_t dot = path.find('.', start);
            const std::string part = path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
            at->list = !part.empty() && std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
            auto it = std::find_if(at->children.begin(), at->children.end(), [&](const Node &c) { return c.name == part; });
            if (it == at->children.end()) {
                at->children.push_back({part, {}, false, {}});
                it = at->children.end() - 1;
            }
            at = &*it;
            if (dot == std::string::npos)
                break;
            start = dot + 1;
        }
        at->value = std::move(value);
    }

    Node root_;
};

} // namespace

std::vector<std::pair<std::string, std::string>> sheetColumns(const SheetResult &r, const TextTranslator &tr)
{
    PairCollector c;
    visitColumns(r, c, tr);
    return std::move(c.columns);
}

std::vector<std::string> sheetColumnNames()
{
    NameCollector c;
    visitColumns(SheetResult{}, c, {});
    return std::move(c.names);
}

void appendSheetCsvValues(const SheetResult &r, std::string &out, const TextTranslator &tr)
{
    CsvAppender c{out};
    visitColumns(r, c, tr);
}


std::string sheetCsv(const SheetResult &r, const TextTranslator &tr) { return csvRecord(sheetColumns(r, tr)); }

std::string sheetJson(const SheetResult &r, const TextTranslator &tr)
{
    JsonBuilder json;
    visitColumns(r, json, tr);
    return json.document();
}

// The table's cells as shown: a header line, then one line per row.
std::vector<std::array<std::string, kSheetColumns>> sheetTableCells(const SheetResult &r, const TextTranslator &tr)
{
    const int decimals = sheetDecimals(r);
    std::vector<std::array<std::string, kSheetColumns>> cells{
        {translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "项目")), translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "单位")),
         translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "公称")), translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "上限")),
         translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "下限")), translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "偏差"))}};
    for (const SheetRow &row : sheetRows(r)) {
        const auto number = [&](double v) { return row.whole ? sheetNumber(v, 0) : sheetNumber(v, row.decimals.value_or(decimals)); };
        cells.push_back({sheetRowName(row, tr), row.unit, number(row.nominal), row.max ? number(*row.max) : "",
                         row.min ? number(*row.min) : "",
                         row.deviations ? sheetDeviations(row.deviations->first, row.deviations->second, decimals) : ""});
    }
    return cells;
}

std::string sheetTsv(const SheetResult &r, const TextTranslator &tr)
{
    std::string out;
    for (const auto &line : sheetTableCells(r, tr)) {
        for (std::size_t c = 0; c < line.size(); ++c)
            out += (c ? "\t" : "") + line[c];
        out += "\n";
    }
    return out;
}

std::string sheetHtml(const SheetResult &r, const TextTranslator &tr)
{
    std::string out = "<table>\n";
    bool header = true;
    for (const auto &line : sheetTableCells(r, tr)) {
        out += "<tr>";
        for (const std::string &cell : line)
            out += (header ? "<th>" : "<td>") + markupEscaped(cell) + (header ? "</th>" : "</td>");
        out += "</tr>\n";
        header = false;
    }
    return out + "</table>\n";
}

} // namespace geardim
