#include "sheet/sheetreport.h"

#include "common/translatable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace geardim {
namespace {

SheetRow limitRow(std::string quantity, std::string unit, const Limits &l)
{
    return {std::move(quantity), std::move(unit), l.nominal, l.max, l.min};
}

SheetRow singleRow(std::string quantity, std::string unit, double value, bool whole = false)
{
    return {std::move(quantity), std::move(unit), value, std::nullopt, std::nullopt, whole};
}

// The display width of UTF-8 text: CJK characters take two columns.
std::size_t displayWidth(const std::string &text)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        width += len == 3 ? 2 : 1;
        i += len;
    }
    return width;
}

std::string padded(const std::string &text, std::size_t width, bool right)
{
    const std::size_t w = displayWidth(text);
    const std::string pad(w < width ? width - w : 0, ' ');
    return right ? pad + text : text + pad;
}

std::string jsonString(const std::string &text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string jsonLimits(const Limits &l)
{
    return "{\"nominal\": " + shortestNumber(l.nominal) + ", \"max\": " + shortestNumber(l.max)
           + ", \"min\": " + shortestNumber(l.min) + "}";
}

std::string jsonLimits(const std::optional<Limits> &l) { return l ? jsonLimits(*l) : "null"; }

std::string translated(const TextTranslator &tr, const char *context, const char *text)
{
    return tr ? tr(context, text) : std::string(text);
}

std::vector<std::string> warningTexts(const SheetResult &r, const TextTranslator &tr)
{
    std::vector<std::string> out;
    for (SheetWarning w : r.warnings)
        out.push_back(translated(tr, "SheetWarning", sheetWarningText(w)));
    return out;
}

const char *gaugeKindName(GaugeKind kind) { return kind == GaugeKind::Ball ? "ball" : "pin"; }

} // namespace

int sheetDecimals(const SheetResult &r) { return r.inches ? 5 : 4; }

std::string shortestNumber(double value)
{
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return ec == std::errc() ? std::string(buf, end) : std::string("null");
}

std::string sheetNumber(double value, int decimals)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string text(buf);
    // A value that rounds to zero is shown without a sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::vector<SheetRow> sheetRows(const SheetResult &r)
{
    // Whole names, so each is one text to translate.
    const std::string mm = r.inches ? "in" : "mm";
    const bool balls = r.gauge == GaugeKind::Ball;
    std::vector<SheetRow> rows;
    rows.push_back(singleRow(QT_TRANSLATE_NOOP("Sheet", "分度圆直径 d"), mm, r.referenceDiameter));
    rows.push_back(singleRow(QT_TRANSLATE_NOOP("Sheet", "基圆直径 db"), mm, r.baseDiameter));
    rows.push_back(singleRow(QT_TRANSLATE_NOOP("Sheet", "齿顶圆直径 da"), mm, r.tipDiameter));
    rows.push_back({QT_TRANSLATE_NOOP("Sheet", "变位系数 x"), "", r.shift, std::max(r.shiftAtUpper, r.shiftAtLower),
                    std::min(r.shiftAtUpper, r.shiftAtLower)});
    rows.push_back(limitRow(QT_TRANSLATE_NOOP("Sheet", "法向齿厚 sn"), mm, r.thickness));
    if (r.chordalThickness) {
        rows.push_back(limitRow(QT_TRANSLATE_NOOP("Sheet", "分度圆弦齿厚"), mm, *r.chordalThickness));
        rows.push_back(limitRow(QT_TRANSLATE_NOOP("Sheet", "弦齿高"), mm, *r.chordalHeight));
        rows.push_back(limitRow(QT_TRANSLATE_NOOP("Sheet", "固定弦齿厚"), mm, *r.constantChord));
        rows.push_back(limitRow(QT_TRANSLATE_NOOP("Sheet", "固定弦齿高"), mm, *r.constantChordHeight));
    }
    if (r.span) {
        rows.push_back(singleRow(QT_TRANSLATE_NOOP("Sheet", "跨测齿数 k"), "", r.span->teeth, true));
        rows.push_back(limitRow(QT_TRANSLATE_NOOP("Sheet", "公法线长度 W"), mm, r.span->length));
        rows.push_back(singleRow(QT_TRANSLATE_NOOP("Sheet", "公法线接触圆直径"), mm, r.span->contactDiameter));
    }
    const char *gauge = balls ? (r.gaugeProposed ? QT_TRANSLATE_NOOP("Sheet", "量球直径 D（建议）")
                                                 : QT_TRANSLATE_NOOP("Sheet", "量球直径 D"))
                              : (r.gaugeProposed ? QT_TRANSLATE_NOOP("Sheet", "量棒直径 D（建议）")
                                                 : QT_TRANSLATE_NOOP("Sheet", "量棒直径 D"));
    rows.push_back(singleRow(gauge, mm, r.gaugeDiameter));
    const char *over = r.internal ? (balls ? QT_TRANSLATE_NOOP("Sheet", "球间距 M") : QT_TRANSLATE_NOOP("Sheet", "棒间距 M"))
                                  : (balls ? QT_TRANSLATE_NOOP("Sheet", "跨球距 M") : QT_TRANSLATE_NOOP("Sheet", "跨棒距 M"));
    rows.push_back(limitRow(over, mm, r.overGauges));
    rows.push_back(limitRow(balls ? QT_TRANSLATE_NOOP("Sheet", "单球径向尺寸") : QT_TRANSLATE_NOOP("Sheet", "单棒径向尺寸"), mm,
                            r.radial));
    rows.push_back(limitRow(balls ? QT_TRANSLATE_NOOP("Sheet", "量球接触圆直径") : QT_TRANSLATE_NOOP("Sheet", "量棒接触圆直径"),
                            mm, r.gaugeContactDiameter));
    return rows;
}

std::string sheetText(const SheetResult &r, const TextTranslator &tr)
{
    auto cells = sheetTableCells(r, tr);
    cells.front()[0].clear(); // the row names and units need no heading on a terminal
    cells.front()[1].clear();
    std::array<std::size_t, 5> widths{};
    for (const auto &line : cells) {
        for (std::size_t c = 0; c < 5; ++c)
            widths[c] = std::max(widths[c], displayWidth(line[c]));
    }
    std::string out;
    for (const auto &line : cells) {
        std::string text = padded(line[0], widths[0], false) + "  " + padded(line[1], widths[1], false);
        for (std::size_t c = 2; c < 5; ++c)
            text += "  " + padded(line[c], widths[c], true);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        out += text + "\n";
    }
    for (const std::string &w : warningTexts(r, tr))
        out += translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "注意：")) + w + "\n";
    return out;
}

namespace {

// Walks every result column in order, named as in the JSON, nested names joined by
// dots. The visitor gets number(name, value), empty(name) or text(name, value).
template <typename Visitor>
void visitColumns(const SheetResult &r, Visitor &v, const TextTranslator &tr)
{
    const auto limits = [&](std::string_view key, const std::optional<Limits> &l) {
        if (l) {
            v.number(key, ".nominal", l->nominal);
            v.number(key, ".max", l->max);
            v.number(key, ".min", l->min);
        } else {
            v.empty(key, ".nominal");
            v.empty(key, ".max");
            v.empty(key, ".min");
        }
    };
    v.text("units", "", r.inches ? "in" : "mm");
    v.number("gear.module", "", r.module);
    v.number("gear.teeth", "", r.teeth);
    v.number("gear.pressureAngle", "", r.pressureAngleDeg);
    v.number("gear.helixAngle", "", r.helixAngleDeg);
    v.number("gear.shift", "", r.shift);
    v.text("gear.internal", "", r.internal ? "true" : "false");
    v.number("gear.referenceDiameter", "", r.referenceDiameter);
    v.number("gear.baseDiameter", "", r.baseDiameter);
    v.number("gear.tipDiameter", "", r.tipDiameter);
    v.number("allowances.upper", "", r.allowanceUpper);
    v.number("allowances.lower", "", r.allowanceLower);
    v.number("shift.nominal", "", r.shift);
    v.number("shift.atUpper", "", r.shiftAtUpper);
    v.number("shift.atLower", "", r.shiftAtLower);
    limits("thickness", std::optional<Limits>(r.thickness));
    limits("chordalThickness", r.chordalThickness);
    limits("chordalHeight", r.chordalHeight);
    limits("constantChord", r.constantChord);
    limits("constantChordHeight", r.constantChordHeight);
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
    v.text("gauge.kind", "", gaugeKindName(r.gauge));
    v.number("gauge.diameter", "", r.gaugeDiameter);
    v.text("gauge.proposed", "", r.gaugeProposed ? "true" : "false");
    limits("gauge.contactDiameter", std::optional<Limits>(r.gaugeContactDiameter));
    std::string warnings;
    for (const std::string &w : warningTexts(r, tr))
        warnings += (warnings.empty() ? "" : " | ") + w;
    v.text("warnings", "", warnings);
}

std::string joined(std::string_view key, std::string_view suffix) { return std::string(key).append(suffix); }

struct PairCollector {
    std::vector<std::pair<std::string, std::string>> columns;
    void number(std::string_view k, std::string_view s, double v) { columns.emplace_back(joined(k, s), shortestNumber(v)); }
    void empty(std::string_view k, std::string_view s) { columns.emplace_back(joined(k, s), std::string()); }
    void text(std::string_view k, std::string_view s, std::string_view v) { columns.emplace_back(joined(k, s), v); }
};

// Appends the values as one CSV line's fields, each after a comma, without allocating per value.
struct CsvAppender {
    std::string &out;

    void number(std::string_view, std::string_view, double value)
    {
        char buf[32];
        char *end = buf;
        // Whole numbers below 1000 (teeth, angles, spans) the cheap way: the same text as
        // the shortest form, which writes larger round numbers with an exponent.
        if (value == std::trunc(value) && std::fabs(value) < 1000 && !(value == 0 && std::signbit(value)))
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
};

struct NameCollector {
    std::vector<std::string> names;
    void number(std::string_view k, std::string_view s, double) { names.push_back(joined(k, s)); }
    void empty(std::string_view k, std::string_view s) { names.push_back(joined(k, s)); }
    void text(std::string_view k, std::string_view s, std::string_view) { names.push_back(joined(k, s)); }
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

std::string csvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (const char ch : text)
        out += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return out + "\"";
}

std::string sheetCsv(const SheetResult &r, const TextTranslator &tr)
{
    const auto columns = sheetColumns(r, tr);
    std::string header, values;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i) {
            header += ',';
            values += ',';
        }
        header += csvField(columns[i].first);
        values += csvField(columns[i].second);
    }
    return header + "\n" + values + "\n";
}

std::string sheetJson(const SheetResult &r, const TextTranslator &tr)
{
    const auto num = [](double v) { return shortestNumber(v); };
    std::string j = "{\"units\": " + jsonString(r.inches ? "in" : "mm") + ",\n";
    j += " \"gear\": {\"module\": " + num(r.module) + ", \"teeth\": " + num(r.teeth) + ", \"pressureAngle\": "
         + num(r.pressureAngleDeg) + ", \"helixAngle\": " + num(r.helixAngleDeg) + ", \"shift\": " + num(r.shift)
         + ", \"internal\": " + (r.internal ? "true" : "false") + ", \"referenceDiameter\": "
         + num(r.referenceDiameter) + ", \"baseDiameter\": " + num(r.baseDiameter) + ", \"tipDiameter\": "
         + num(r.tipDiameter) + "},\n";
    j += " \"allowances\": {\"upper\": " + num(r.allowanceUpper) + ", \"lower\": " + num(r.allowanceLower) + "},\n";
    j += " \"shift\": {\"nominal\": " + num(r.shift) + ", \"atUpper\": " + num(r.shiftAtUpper) + ", \"atLower\": "
         + num(r.shiftAtLower) + "},\n";
    j += " \"thickness\": " + jsonLimits(r.thickness) + ",\n";
    j += " \"chordalThickness\": " + jsonLimits(r.chordalThickness) + ",\n";
    j += " \"chordalHeight\": " + jsonLimits(r.chordalHeight) + ",\n";
    j += " \"constantChord\": " + jsonLimits(r.constantChord) + ",\n";
    j += " \"constantChordHeight\": " + jsonLimits(r.constantChordHeight) + ",\n";
    j += " \"overGauges\": " + jsonLimits(r.overGauges) + ",\n";
    j += " \"radial\": " + jsonLimits(r.radial) + ",\n";
    if (r.span) {
        j += " \"span\": {\"teeth\": " + std::to_string(r.span->teeth) + ", \"nominal\": "
             + num(r.span->length.nominal) + ", \"max\": " + num(r.span->length.max) + ", \"min\": "
             + num(r.span->length.min) + ", \"contactDiameter\": " + num(r.span->contactDiameter) + "},\n";
    } else {
        j += " \"span\": null,\n";
    }
    j += " \"gauge\": {\"kind\": " + jsonString(gaugeKindName(r.gauge)) + ", \"diameter\": " + num(r.gaugeDiameter)
         + ", \"proposed\": " + (r.gaugeProposed ? "true" : "false")
         + ", \"contactDiameter\": " + jsonLimits(r.gaugeContactDiameter) + "},\n";
    j += " \"warnings\": [";
    const auto texts = warningTexts(r, tr);
    for (std::size_t i = 0; i < texts.size(); ++i)
        j += (i ? ", " : "") + jsonString(texts[i]);
    j += "]}\n";
    return j;
}

// The table's cells as shown: a header line, then one line per row.
std::vector<std::array<std::string, 5>> sheetTableCells(const SheetResult &r, const TextTranslator &tr)
{
    const int decimals = sheetDecimals(r);
    std::vector<std::array<std::string, 5>> cells{
        {translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "项目")), translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "单位")),
         translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "公称")), translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "上限")),
         translated(tr, "Report", QT_TRANSLATE_NOOP("Report", "下限"))}};
    for (const SheetRow &row : sheetRows(r)) {
        const auto number = [&](double v) { return row.whole ? sheetNumber(v, 0) : sheetNumber(v, decimals); };
        cells.push_back({translated(tr, "Sheet", row.quantity.c_str()), row.unit, number(row.nominal), row.max ? number(*row.max) : "",
                         row.min ? number(*row.min) : ""});
    }
    return cells;
}

std::string markupEscaped(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        default: out += c;
        }
    }
    return out;
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
